#pragma once
// The processor description of the report, read from the registry.
#include <string>

// " {name} ( {clock}MHz ) \n\n", with "UnknownProc" / "UnknownFreq" for a
// value that can't be read, or "Unknown\n\n" when the processor key itself
// can't be opened.
std::string ProcessorNote();
