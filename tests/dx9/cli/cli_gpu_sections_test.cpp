// kordane02 end to end on the GPU sections where the outcome is checked
// with a tolerance: GPU results against the CPU lines, the PRECCOMP block,
// the default run. Cases with an exact report live in tests/cli/cases.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string errors;  // standard error: the message boxes
    std::vector<std::string> report;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kd_cli_dx9_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        std::filesystem::copy_file(KORDANE_EFFECT_SOURCE, folder / "kordane02_DX9.fx");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void WriteFile(const std::string& name, const std::string& text) { std::ofstream(folder / name) << text; }
    std::string ReadFile(const std::string& name) const
    {
        std::ifstream in(folder / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    RunResult Run(const std::string& arguments)
    {
        const std::string command = "cd '" + folder.string() + "' && '" KORDANE_PROGRAM "' " + arguments +
                                    " >/dev/null 2>stderr.log";
        RunResult result;
        const int status = std::system(command.c_str());
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.errors = ReadFile("stderr.log");
        std::stringstream report(ReadFile("output.txt"));
        for (std::string line; std::getline(report, line);) result.report.push_back(line);
        return result;
    }

    std::filesystem::path folder;
};

std::vector<double> Values(const std::string& line)
{
    std::vector<double> values;
    std::stringstream in(line);
    for (std::string item; std::getline(in, item, ',');) values.push_back(std::strtod(item.c_str(), nullptr));
    return values;
}

std::string ProbeLine(double a, double b, double stored, double full)
{
    char line[512];
    std::snprintf(line, sizeof line, "%.20f, %.20f, %.20f, %.20f", a, b, stored, full);
    return line;
}

const std::regex kAdapterLine(R"( .+ \( \d+ x \d+ \) )");
// The run header for a width x height input and `iterations`.
std::vector<std::string> Header(int width, int height, int iterations)
{
    return {"size: " + std::to_string(width) + " x " + std::to_string(height),
            "iterations: " + std::to_string(iterations), "ipnut div: 1", ""};
}

// A diagonally dominant height x (height + 1) input file, the same for the
// same seed: elimination without pivoting stays well conditioned on it.
std::string DominantMatrix(int height, unsigned seed)
{
    const int width = height + 1;
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> draw(1, 1001);
    std::stringstream input;
    input << width << " " << height << "\n";
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) input << draw(generator) + (r == c ? 1001 * width : 0) << " ";
        input << "\n";
    }
    return input.str();
}

// GPU and CPU result lines agree up to single-precision rounding.
void ExpectGpuNearCpu(const std::string& gpuLine, const std::string& cpuLine)
{
    const std::vector<double> gpu = Values(gpuLine);
    const std::vector<double> cpu = Values(cpuLine);
    ASSERT_EQ(gpu.size(), 4u);
    ASSERT_EQ(cpu.size(), 4u);
    // Diagonal cell of the last row: largest in magnitude.
    const double scale = std::fabs(cpu[2]);
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(gpu[i], cpu[i], scale * 16 * 0x1p-24 + 0.00005) << i;
}

// The section titles of a report, in order.
std::vector<std::string> Titles(const std::vector<std::string>& report)
{
    std::vector<std::string> titles;
    for (const std::string& line : report) {
        if (!line.empty() && line.back() == ':') titles.push_back(line);
    }
    return titles;
}

const std::vector<std::string> kDefaultTitles{"DX9:", "DX10:", "CPU:", "CPU (double prec):"};
// The default run's report: header, DX9, DX10 notice, CPU, CPU double, PRECCOMP.
constexpr size_t kDefaultReportLines = 4u + 7 + 4 + 7 + 7 + 2 + 6 * 5;

}  // namespace

// The GPU section comes first, and on a diagonally dominant random matrix
// it agrees with the single-precision CPU section up to rounding.
TEST_F(CliTest, Dx9AgreesWithCpuOnRandomMatrix)
{
    WriteFile("input.txt", DominantMatrix(48, 5));
    const RunResult run = Run("CPU DX9");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.report.size(), 4u + 2 * 7);
    EXPECT_EQ(run.report[4], "DX9:");
    EXPECT_EQ(run.report[11], "CPU:");
    ExpectGpuNearCpu(run.report[7], run.report[14]);
}

// The whole PRECCOMP block: adapter line, then six scales of header, double,
// float and GPU lines and an empty line; CPU lines exact, GPU operands exact
// and quotients within 2.5 units in the last place.
TEST_F(CliTest, PreccompBlock)
{
    WriteFile("input_1.txt", "4 1\n1 2 3 4 \n");
    const RunResult run = Run("1 7 FIXEDIN precComp");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.report.size(), 4u + 2 + 6 * 5);
    EXPECT_EQ(std::vector<std::string>(run.report.begin(), run.report.begin() + 4), Header(4, 1, 7));
    EXPECT_TRUE(std::regex_match(run.report[4], kAdapterLine)) << run.report[4];
    EXPECT_EQ(run.report[5], "");
    double a = 30.0, b = 65.0;
    for (int scale = 0; scale < 6; ++scale) {
        SCOPED_TRACE(scale);
        const size_t at = 6 + 5 * scale;
        char header[256];
        std::snprintf(header, sizeof header, "=====%.4f x %.4f===== ( DOUBLE / FLOAT / DX9 ) ", a, b);
        EXPECT_EQ(run.report[at], header);
        EXPECT_EQ(run.report[at + 1], ProbeLine(a, b, a / b, a / b));
        const float af = static_cast<float>(a), bf = static_cast<float>(b);
        const float quotient = static_cast<float>(static_cast<double>(af) / bf);
        EXPECT_EQ(run.report[at + 2], ProbeLine(af, bf, quotient, static_cast<float>(a / b)));
        const std::vector<double> gpu = Values(run.report[at + 3]);
        ASSERT_EQ(gpu.size(), 4u);
        EXPECT_EQ(static_cast<float>(gpu[0]), af);
        EXPECT_EQ(static_cast<float>(gpu[1]), bf);
        const double ulp = std::nextafter(quotient, INFINITY) - quotient;
        EXPECT_LE(std::fabs(gpu[2] - quotient), 2.5 * ulp);
        EXPECT_LE(std::fabs(gpu[3] - quotient), 2.5 * ulp);
        EXPECT_EQ(run.report[at + 4], "");
        a = a / 10.0;
        b = b / 10.0;
    }
}

// The default run on a fixed diagonally dominant matrix: the sections of
// style 167 in order, the GPU result beside the CPU's.
TEST_F(CliTest, DefaultRunOnFixedMatrix)
{
    WriteFile("input_12.txt", DominantMatrix(12, 11));
    const RunResult run = Run("12 FIXEDIN");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(Titles(run.report), kDefaultTitles);
    ASSERT_EQ(run.report.size(), kDefaultReportLines);
    EXPECT_EQ(std::vector<std::string>(run.report.begin(), run.report.begin() + 4), Header(13, 12, 1));
    ExpectGpuNearCpu(run.report[7], run.report[18]);
}

// The default run on a generated matrix: its values are random and the
// elimination does not pivot, so only the layout is checked.
TEST_F(CliTest, DefaultRunOnGeneratedMatrix)
{
    const RunResult run = Run("12");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(Titles(run.report), kDefaultTitles);
    ASSERT_EQ(run.report.size(), kDefaultReportLines);
    EXPECT_EQ(std::vector<std::string>(run.report.begin(), run.report.begin() + 4), Header(13, 12, 1));
    for (size_t line : {size_t{7}, size_t{18}, size_t{25}}) EXPECT_EQ(Values(run.report[line]).size(), 4u) << line;
}
