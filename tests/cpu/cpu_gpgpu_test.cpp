// CPUgpgpu as the sections use it: loading from a file, Compute, result
// rows, reload, the comparison kernels, the processor description and the
// failures that end the run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "cpu/cpu_gpgpu.h"
#include "scratch_dir.h"
#include "report/globals.h"
#include "win32_hooks.h"

namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

template <class T>
std::vector<T> Elements(const CPUgpgpu<T>& m, const T* array) {
    return std::vector<T>(array, array + static_cast<std::size_t>(m.width) * m.height);
}

template <class T>
bool SameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

// Loads `input`, runs Compute once and returns the result line.
template <class T>
std::string ComputeAndReport(const std::string& input, std::vector<T>* result) {
    const std::string in = WriteFile("in.txt", input);
    const std::string out = TempPath("rows.txt");
    std::remove(out.c_str());
    CPUgpgpu<T> m;
    m.InputData(in.c_str(), false);
    m.Compute();
    m.OutputData(out.c_str(), nullptr);
    if (result) *result = Elements(m, m.data);
    return ReadFile(out);
}

struct ExampleCase {
    const char* name;
    const char* input;
    const char* floatLine;
    const char* doubleLine;
};

class WorkedExamples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(WorkedExamples, ResultRowsInBothPrecisions) {
    EXPECT_EQ(ComputeAndReport<float>(GetParam().input, nullptr), GetParam().floatLine);
    EXPECT_EQ(ComputeAndReport<double>(GetParam().input, nullptr), GetParam().doubleLine);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedExamples,
    ::testing::Values(ExampleCase{"TwoRows", "3 2\n3 1 2 \n1 2 3 \n", "-0.0000, 1.6667, 2.3333\n", "0.0000, 1.6667, 2.3333\n"},
                      ExampleCase{"ThreeRows", "4 3\n2 1 1 5 \n4 3 3 13 \n8 7 9 35 \n", "0.0000, 0.0000, 2.0000, 6.0000\n",
                                  "0.0000, 0.0000, 2.0000, 6.0000\n"},
                      ExampleCase{"OneRow", "5 1\n1 2 3 4 5 \n", "2.0000, 3.0000, 4.0000, 5.0000\n",
                                  "2.0000, 3.0000, 4.0000, 5.0000\n"},
                      ExampleCase{"NoRows", "3 0\n", "", ""}),
    [](const ::testing::TestParamInfo<ExampleCase>& info) { return std::string(info.param.name); });

TEST(CPUgpgpu, FloatExampleKeepsTheNegativeResidueBitForBit) {
    std::vector<float> f;
    ComputeAndReport<float>("3 2\n3 1 2 \n1 2 3 \n", &f);
    EXPECT_TRUE(SameBits(f, {3.0f, 1.0f, 2.0f, -std::ldexp(1.0f, -25), 1.6666666269302368f, 2.3333332538604736f}));
    std::vector<double> d;
    ComputeAndReport<double>("3 2\n3 1 2 \n1 2 3 \n", &d);
    EXPECT_TRUE(SameBits(d, {3.0, 1.0, 2.0, 0.0, 1.6666666666666667, 2.3333333333333335}));
}

TEST(CPUgpgpu, ZeroPivotGoesOnWithIeeeResults) {
    std::vector<float> f;
    ComputeAndReport<float>("3 2\n0 1 1 \n1 1 2 \n", &f);
    EXPECT_TRUE(std::isnan(f[3]));
    EXPECT_EQ(f[4], -INFINITY);
    EXPECT_EQ(f[5], -INFINITY);
    std::vector<double> d;
    ComputeAndReport<double>("3 2\n0 1 1 \n1 1 2 \n", &d);
    EXPECT_TRUE(std::isnan(d[3]));
    EXPECT_EQ(d[4], -INFINITY);
}

std::string GeneratedInput(int height) {
    std::string text = std::to_string(height + 1) + " " + std::to_string(height) + "\n";
    unsigned state = 99;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c <= height; ++c) {
            state = state * 1103515245u + 12345u;
            text += std::to_string((state >> 16) % 32768 * 1000 / 32767 + 1) + " ";
        }
        text += "\n";
    }
    return text;
}

template <class T>
void CheckReload() {
    const std::string in = WriteFile("reload.txt", GeneratedInput(70));
    CPUgpgpu<T> m;
    m.InputData(in.c_str(), false);
    const std::vector<T> loaded = Elements(m, m.data);
    EXPECT_TRUE(SameBits(loaded, Elements(m, m.dataOrig)));
    m.Compute();
    const std::vector<T> first = Elements(m, m.data);
    EXPECT_FALSE(SameBits(first, loaded));
    EXPECT_TRUE(SameBits(Elements(m, m.dataOrig), loaded));  // Compute leaves the pristine copy alone
    m.ReloadData();
    EXPECT_TRUE(SameBits(Elements(m, m.data), loaded));
    m.Compute();
    EXPECT_TRUE(SameBits(Elements(m, m.data), first));
}

TEST(CPUgpgpu, ReloadRestoresBitForBitAndComputeRepeats) {
    CheckReload<float>();
    CheckReload<double>();
}

// Both precisions start from the single-precision values of the file.
TEST(CPUgpgpu, DoubleInstanceLoadsSinglePrecisionValues) {
    const std::string in = WriteFile("tenth.txt", "2 1\n0.1 1e-3\n");
    CPUgpgpu<double> m;
    m.InputData(in.c_str(), false);
    EXPECT_EQ(m.data[0], static_cast<double>(0.1f));
    EXPECT_EQ(m.data[1], static_cast<double>(1e-3f));
}

template <class T>
std::string ProbeLine(double a, double b) {
    const std::string in = WriteFile("probe.txt", "4 1\n");  // header only: fake load reads no values
    const std::string out = TempPath("probe_out.txt");
    std::remove(out.c_str());
    CPUgpgpu<T> m;
    m.InputData(in.c_str(), true);
    EXPECT_EQ(m.width, 4);
    EXPECT_EQ(m.height, 1);
    m.ComputeTest(a, b);
    m.OutputData(out.c_str(), "%.20f");
    return ReadFile(out);
}

TEST(CPUgpgpu, PrecisionProbeLinesAfterHeaderOnlyLoad) {
    EXPECT_EQ(ProbeLine<double>(30.0, 65.0),
              "30.00000000000000000000, 65.00000000000000000000, 0.46153846153846156408, 0.46153846153846156408\n");
    EXPECT_EQ(ProbeLine<float>(0.3, 0.65),
              "0.30000001192092895508, 0.64999997615814208984, 0.46153849363327026367, 0.46153846383094787598\n");
}

TEST(CPUgpgpu, MultiplyScalesEveryCellAndReloadUndoesIt) {
    const std::string in = WriteFile("mul.txt", "5 2\n1 2 3 4 5 \n6 7 8 9 1001 \n");
    const std::string out = TempPath("mul_out.txt");
    std::remove(out.c_str());
    CPUgpgpu<float> m;
    m.InputData(in.c_str(), false);
    m.ComputeMulMat(3);
    m.OutputData(out.c_str(), nullptr);
    EXPECT_EQ(ReadFile(out), "21.0000, 24.0000, 27.0000, 3003.0000\n");
    EXPECT_EQ(m.data[0], 3.0f);
    m.ReloadData();
    EXPECT_EQ(m.data[9], 1001.0f);
    m.ComputeMulMat(3);
    m.ComputeMulMat(3);
    EXPECT_EQ(m.data[1], 18.0f);
}

// An explicit source writes a numbered debug block; each element type
// counts its own blocks.
TEST(CPUgpgpu, ExplicitSourceWritesNumberedDebugBlocks) {
    const std::string out = TempPath("debug.txt");
    std::remove(out.c_str());
    float f[6] = {1, 2, 3, 4, 5, 6};
    double d[2] = {7, 8};
    CPUgpgpu<float> mf;
    CPUgpgpu<double> md;
    mf.OutputData(f, 3, 2, out.c_str(), "%.1f");
    mf.OutputData(f, 6, 1, out.c_str(), "%.1f");
    md.OutputData(d, 2, 1, out.c_str(), "%.1f");
    EXPECT_EQ(ReadFile(out),
              "0 Debug output:\n4.0, 5.0, 6.0\n1 Debug output:\n3.0, 4.0, 5.0, 6.0\n0 Debug output:\n7.0, 8.0\n");
}

struct ProcessorCase {
    const char* name;
    const char* cpuinfo;  // null: no such file
    const char* maxFreqKHz;  // null: no cpufreq file
    const char* note;
};

class ProcessorDescription : public ::testing::TestWithParam<ProcessorCase> {};

TEST_P(ProcessorDescription, FallsBackPieceByPiece) {
    const ProcessorCase& c = GetParam();
    const std::string cpuinfo = TempPath(std::string("cpuinfo_") + c.name);
    std::remove(cpuinfo.c_str());
    if (c.cpuinfo) WriteFile(std::string("cpuinfo_") + c.name, c.cpuinfo);
    const std::string cpuDir = TempPath(std::string("cpudir_") + c.name);
    std::filesystem::create_directories(cpuDir + "/cpu0/cpufreq");
    const std::string freq = cpuDir + "/cpu0/cpufreq/cpuinfo_max_freq";
    std::remove(freq.c_str());
    if (c.maxFreqKHz) std::ofstream(freq) << c.maxFreqKHz << "\n";
    KdSetRegistrySources(cpuinfo.c_str(), cpuDir.c_str());

    const std::string out = TempPath(std::string("note_") + c.name);
    std::snprintf(fileNameOut, sizeof fileNameOut, "%s", out.c_str());
    std::remove(out.c_str());
    CPUgpgpu<float>().LogInfo();
    CPUgpgpu<double>().LogInfo();
    KdSetRegistrySources(nullptr, nullptr);
    EXPECT_EQ(ReadFile(out), std::string(c.note) + c.note);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, ProcessorDescription,
    ::testing::Values(
        ProcessorCase{"NameAndClock", "processor\t: 0\nmodel name\t: Test CPU 9000\ncpu MHz\t\t: 2399.6\n", nullptr,
                      " Test CPU 9000 ( 2400MHz ) \n\n"},
        ProcessorCase{"ClockFromCpufreq", "model name\t: Test CPU\n", "3100000", " Test CPU ( 3100MHz ) \n\n"},
        ProcessorCase{"NeitherValue", "processor\t: 0\nflags\t\t: fpu\n", nullptr, " UnknownProc ( UnknownFreq ) \n\n"},
        ProcessorCase{"NoKey", nullptr, nullptr, "Unknown\n\n"}),
    [](const ::testing::TestParamInfo<ProcessorCase>& info) { return std::string(info.param.name); });

// Every request that no array can hold ends the run through Error (exit
// code -1) instead of crashing or allocating a wrapped, smaller array.
struct GuardCase {
    const char* name;
    const char* header;
    bool floatFails;
};

class SizeGuardEndsTheRun : public ::testing::TestWithParam<GuardCase> {};

template <class T>
void LoadOnly(const std::string& path) {
    CPUgpgpu<T> m;
    m.InputData(path.c_str(), false);
    std::exit(0);
}

TEST_P(SizeGuardEndsTheRun, NotEnoughMemory) {
    const std::string in = WriteFile(std::string("guard_") + GetParam().name, GetParam().header);
    EXPECT_EXIT(LoadOnly<double>(in), ::testing::ExitedWithCode(255), "Not enough memory for the matrix");
    if (GetParam().floatFails) {
        EXPECT_EXIT(LoadOnly<float>(in), ::testing::ExitedWithCode(255), "Not enough memory for the matrix");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, SizeGuardEndsTheRun,
    ::testing::Values(GuardCase{"ProductWrapsToZero", "65536 65536\n", true},
                      GuardCase{"ProductWrapsToSmall", "65537 65537\n", true},
                      GuardCase{"AboveFloatLimit", "1073741824 1\n", true},
                      GuardCase{"AboveDoubleLimit", "536870912 1\n", false},
                      GuardCase{"NegativeSides", "-1 -1\n", true}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

// An allocation that the guard lets through but the allocator can't
// satisfy ends the run the same way.
TEST(SizeGuardEndsTheRun, AllocatorWithoutMemory) {
    const std::string in = WriteFile("guard_no_memory", "20000 20000\n");
    const auto loadWithLittleMemory = [&] {
        const rlimit limit{512u << 20, 512u << 20};
        setrlimit(RLIMIT_AS, &limit);
        LoadOnly<float>(in);
    };
    EXPECT_EXIT(loadWithLittleMemory(), ::testing::ExitedWithCode(255), "Not enough memory for the matrix");
}

TEST(CPUgpgpu, UnreadableInputFileShowsTheUsage) {
    const std::string folder = TempPath("folder_input.txt");
    std::filesystem::create_directories(folder);
    for (const std::string& path : {TempPath("does_not_exist.txt"), folder}) {
        EXPECT_EXIT(LoadOnly<float>(path), ::testing::ExitedWithCode(1), "Help!") << path;
    }
}

}  // namespace
