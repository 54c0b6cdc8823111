// Reads the processor name and clock from /proc/cpuinfo and, when it gives
// no clock, from the cpufreq files under /sys/devices/system/cpu.
#include "processor_facts.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "win32_hooks.h"

namespace {

std::string cpuinfoPath = "/proc/cpuinfo";
std::string cpuDirectory = "/sys/devices/system/cpu";

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

// A positive clock in MHz that fits in 32 bits, from a decimal text.
std::optional<int32_t> ParseMhz(const std::string& text, double divisor) {
    std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != 0 || !std::isfinite(value)) return std::nullopt;
    double mhz = std::round(value / divisor);
    if (mhz < 1 || mhz > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(mhz);
}

std::optional<int32_t> HighestMaxFrequency() {
    std::optional<int32_t> best;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(cpuDirectory, ec)) {
        std::string name = entry.path().filename().string();
        if (name.size() < 4 || name.compare(0, 3, "cpu") != 0 ||
            name.find_first_not_of("0123456789", 3) != std::string::npos)
            continue;
        std::ifstream file(entry.path() / "cpufreq" / "cpuinfo_max_freq");
        std::string line;
        if (!file || !std::getline(file, line)) continue;
        auto mhz = ParseMhz(line, 1000.0);  // the file holds kHz
        if (mhz && (!best || *mhz > *best)) best = mhz;
    }
    return best;
}

}  // namespace

void KdSetRegistrySources(const char* cpuinfo, const char* cpuDir) {
    cpuinfoPath = cpuinfo ? cpuinfo : "/proc/cpuinfo";
    cpuDirectory = cpuDir ? cpuDir : "/sys/devices/system/cpu";
}

std::optional<ProcessorFacts> ReadProcessorFacts() {
    std::ifstream file(cpuinfoPath);
    if (!file) return std::nullopt;
    ProcessorFacts facts;
    std::string line;
    bool sawField = false;
    while (std::getline(file, line)) {
        // The first blank line after some fields ends the first processor.
        if (Trim(line).empty()) {
            if (sawField) break;
            continue;
        }
        size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        sawField = true;
        std::string key = Trim(line.substr(0, colon));
        std::string value = Trim(line.substr(colon + 1));
        if (key == "model name" && !facts.name && !value.empty()) facts.name = value;
        else if (key == "cpu MHz" && !facts.mhz) facts.mhz = ParseMhz(value, 1.0);
    }
    if (!facts.mhz) facts.mhz = HighestMaxFrequency();
    return facts;
}
