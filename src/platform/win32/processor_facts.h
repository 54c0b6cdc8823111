#pragma once
// What the registry's processor key reports, read from Linux's files.
#include <cstdint>
#include <optional>
#include <string>

struct ProcessorFacts {
    std::optional<std::string> name;  // "model name" of the first processor
    std::optional<int32_t> mhz;       // "cpu MHz" rounded, else the highest cpuinfo_max_freq / 1000
};

// Empty when the processor description file cannot be read.
std::optional<ProcessorFacts> ReadProcessorFacts();
