// The matrix loader against the "%f " scan itself: the same values, bit for
// bit, on written and on fuzzed files, including every kind of text that
// the scan treats in its own way.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cpu/matrix_loader.h"
#include "scratch_dir.h"

namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

// The loop that the loader replaces: the header, then "%f " per value and
// "\n" after each row.
std::vector<float> ScanLikeTheStream(const std::string& path, float start) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    int width = 0;
    int height = 0;
    if (std::fscanf(f, "%d %d\n", &width, &height) != 2) ADD_FAILURE() << "header";
    std::vector<float> values;
    float temp = start;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int n = std::fscanf(f, "%f ", &temp);
            (void)n;
            values.push_back(temp);
        }
        const int n = std::fscanf(f, "\n");
        (void)n;
    }
    std::fclose(f);
    return values;
}

template <class T>
std::vector<T> ScanWithLoader(const std::string& path, float start) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    int width = 0;
    int height = 0;
    if (std::fscanf(f, "%d %d\n", &width, &height) != 2) ADD_FAILURE() << "header";
    std::vector<T> values(static_cast<std::size_t>(width) * height);
    float temp = start;
    ScanMatrixValues(f, values.data(), values.size(), temp);
    std::fclose(f);
    return values;
}

void ExpectSameAsStream(const std::string& name, const std::string& text) {
    const std::string path = WriteFile(name, text);
    const std::vector<float> expected = ScanLikeTheStream(path, 0.0f);
    const std::vector<float> got = ScanWithLoader<float>(path, 0.0f);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        uint32_t a;
        uint32_t b;
        std::memcpy(&a, &got[k], 4);
        std::memcpy(&b, &expected[k], 4);
        ASSERT_EQ(a, b) << "element " << k << " of " << name << ": " << got[k] << " vs " << expected[k]
                        << "\nfile:\n" << text;
    }
    const std::vector<double> wide = ScanWithLoader<double>(path, 0.0f);
    for (std::size_t k = 0; k < wide.size(); ++k) {
        const double e = static_cast<double>(expected[k]);
        ASSERT_EQ(std::memcmp(&wide[k], &e, sizeof e), 0) << "double element " << k << " of " << name;
    }
}

struct TextCase {
    const char* name;
    const char* text;
};

class LoaderMatchesScan : public ::testing::TestWithParam<TextCase> {};

TEST_P(LoaderMatchesScan, SameValuesAsTheScan) { ExpectSameAsStream(GetParam().name, GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Texts, LoaderMatchesScan,
    ::testing::Values(
        TextCase{"generated", "3 2\n1 500 1001 \n17 3 999 \n"},
        TextCase{"spread_over_lines", "3 2\n1\n\n500 1001 17\n3\t\t999"},
        TextCase{"crlf_and_feeds", "3 2\r\n1 2\r\n3\v4\f5\r6\r\n"},
        TextCase{"extra_values_ignored", "2 1\n4 5 6 7 8\n"},
        TextCase{"decimals", "4 3\n1.5 -0.25 .5 5. +3 -0 0.1 -.75 +.5 3.14159265358979 1e3 2.5E-2\n"},
        TextCase{"exponents", "4 3\n1e5 1E-3 2.5e+2 -7e0 1e38 3.4028235e38 1e39 1e-38 1e-45 1e-46 7e-46 1.4e-45\n"},
        TextCase{"long_tokens",
                 "3 2\n123456789012345678901234567890123456789012345678901234567890 "
                 "0.000000000000000000000000000000000000000000000000000001 "
                 "1.00000005960464477539062500000000000000000000000000001 "
                 "1.000000059604644775390625 16777217 000000000000000000000000000000000000000000000012\n"},
        TextCase{"exponent_incomplete", "3 2\n1 1e 2 1e+ 3 1e-x\n"},
        TextCase{"hex", "3 2\n0x1p3 0X1.8p1 0x 0x1 -0x1p-2 0xg\n"},
        TextCase{"inf_nan", "4 2\ninf -INF infinity nan -nan NAN(123) nan() +Infinity\n"},
        TextCase{"partial_words", "3 2\n1 in 2 na 3 infin 4\n"},
        TextCase{"garbage_stops_everything", "3 2\n4 abc 5 6\n"},
        TextCase{"first_value_bad", "2 2\nx 1 2 3\n"},
        TextCase{"dots_and_signs", "4 3\n1.2.3 --1 +-1 - . ..5 7 -+2 8 9 10\n"},
        TextCase{"glued", "4 2\n1x 2 3-4 5+6e 7\n"},
        TextCase{"too_few_values", "3 3\n1 2 3 4\n"},
        TextCase{"no_values", "3 2\n"},
        TextCase{"no_final_line_feed", "2 2\n1 2 3 4"},
        TextCase{"ends_in_partial_number", "3 1\n1 2 3e"},
        TextCase{"eight_digits", "4 1\n12345678 99999999 16777217 -16777217\n"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// The text cases above hold no NUL byte except where written with the
// length; this one needs the explicit length.
TEST(LoaderMatchesScan, NulByteInsideTheValues) {
    const std::string text("3 1\n1 \0 2 3\n", 12);
    ExpectSameAsStream("nul_explicit", text);
}

// Fuzzed files: random runs of the characters that matter to a number scan.
TEST(LoaderMatchesScan, FuzzedFiles) {
    const std::string alphabet =
        std::string("0123456789012345678901234567890123456789..--++eEeExXpPinfatyINFATY()_   \n\n\t\r\v\f\xff") +
        std::string(1, '\0');
    std::mt19937 gen(20261211);
    for (int file = 0; file < 400; ++file) {
        std::uniform_int_distribution<int> side(1, 6);
        const int width = side(gen);
        const int height = side(gen);
        std::string text = std::to_string(width) + " " + std::to_string(height) + "\n";
        std::uniform_int_distribution<int> length(0, 120);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        const int n = length(gen);
        for (int k = 0; k < n; ++k) text += alphabet[pick(gen)];
        ExpectSameAsStream("fuzz", text);
        if (HasFatalFailure()) return;
    }
}

// Fuzzed files built from whole tokens, mostly valid numbers, so that the
// scan goes on far into the file.
TEST(LoaderMatchesScan, FuzzedTokens) {
    const std::vector<std::string> tokens = {"1", "0", "-3", "+4", "12.5", ".5", "5.", "1e3", "2E-5", "-0",
                                             "1e", "0x1A", "inf", "nan", "x", "-", ".", "1.2.3", "99999999",
                                             "3.4e38", "3.5e38", "1e-45", "0.1", "1,5", "nan(abc)", "infinity",
                                             "-inf", "1e+", "+.", "-.e1", "0x.8p1", "0x1P+3", "0x1p-149",
                                             "1.5e-40", "123456789012345678901234567890"};
    const std::vector<std::string> gaps = {" ", "  ", "\n", " \n", "\t", ""};
    std::mt19937 gen(7);
    for (int file = 0; file < 300; ++file) {
        std::uniform_int_distribution<int> side(1, 8);
        const int width = side(gen);
        const int height = side(gen);
        std::string text = std::to_string(width) + " " + std::to_string(height) + "\n";
        std::uniform_int_distribution<std::size_t> t(0, tokens.size() - 1);
        std::uniform_int_distribution<std::size_t> g(0, gaps.size() - 1);
        std::uniform_int_distribution<int> rare(0, 9);
        for (int k = 0; k < width * height + 3; ++k) {
            text += rare(gen) == 0 ? tokens[t(gen)] : tokens[t(gen) % 8];
            text += k % 5 == 4 ? gaps[g(gen)] : " ";
        }
        ExpectSameAsStream("tokens", text);
        if (HasFatalFailure()) return;
    }
}

// A large generated file takes the fast path only; still the scan's values.
TEST(LoaderMatchesScan, GeneratedMatrix) {
    std::mt19937 gen(3);
    std::uniform_int_distribution<int> draw(0, 32767);
    const int height = 60;
    std::string text = std::to_string(height + 1) + " " + std::to_string(height) + "\n";
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c <= height; ++c) text += std::to_string(draw(gen) * 1000 / 32767 + 1) + " ";
        text += "\n";
    }
    ExpectSameAsStream("generated_large", text);
}

// The temporary carries in: when not even the first value can be read,
// every element holds what the caller started with.
TEST(LoaderMatchesScan, FirstFailureKeepsTheStartingValue) {
    const std::string path = WriteFile("start", "2 1\nfoo 1\n");
    const std::vector<float> got = ScanWithLoader<float>(path, 42.0f);
    EXPECT_EQ(got, (std::vector<float>{42.0f, 42.0f}));
    EXPECT_EQ(ScanLikeTheStream(path, 42.0f), got);
}

}  // namespace
