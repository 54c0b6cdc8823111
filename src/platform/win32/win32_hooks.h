#pragma once
// Functions of the Linux stand-in that Windows does not have: the process
// entry hands over the arguments here, and tests point the stand-in at
// fixtures or look at what it recorded.

// Records the process arguments (UTF-8) for GetCommandLineW and for
// CommandLineToArgvW on an empty command line. main() calls it first.
void KdSetProcessArguments(int argc, const char* const* argv);
// The recorded arguments after the program name, quoted and joined (UTF-8):
// what WinMain receives as its command line.
char* KdCommandLineTailA();

// Points the registry at other sources of processor facts: `cpuinfoPath`
// replaces /proc/cpuinfo and `cpuDirectory` replaces /sys/devices/system/cpu
// (searched for cpu<N>/cpufreq/cpuinfo_max_freq). Null restores the default.
void KdSetRegistrySources(const char* cpuinfoPath, const char* cpuDirectory);

// Whether PostQuitMessage has run since the last reset, and its exit code.
bool KdQuitMessagePosted(int* exitCode);
void KdResetQuitMessage();
