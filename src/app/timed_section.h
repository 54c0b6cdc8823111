#pragma once
// The timed section protocol, for any back-end that offers OutputData
// (file, precision) and ReloadData: the title, the back-end's preparation,
// then computeIter timed calls of its compute operation. Only the compute
// call lies inside the measured interval.
#include <windows.h>

#include <cstdint>

#include "globals.h"
#include "report.h"

// The tick count, an unsigned 32-bit count widened without sign.
inline int64_t ReadTicks() { return static_cast<int64_t>(static_cast<uint64_t>(GetTickCount())); }

// `prepare(backend)` does what comes between the title and the loop
// (InitDirect3D, LogInfo, InputData, UpdateWindow on the GPU; LogInfo and
// InputData on the CPU); `compute(backend)` is the measured operation.
// `readTicks` reads the clock; tests hand in a clock of their own.
template <class Backend, class Prepare, class Compute, class Clock = int64_t (*)()>
void RunTimedSection(Backend& backend, const char* title, Prepare prepare, Compute compute,
                     Clock readTicks = ReadTicks) {
    OutputNote(title);
    prepare(backend);
    for (int i = 0; i < computeIter; ++i) {
        bool last = i == computeIter - 1;
        int64_t t0 = readTicks();
        compute(backend);
        int64_t t1 = readTicks();
        if (i == 0 || last) backend.OutputData(fileNameOut, nullptr);
        OutputTime(t0, t1, last);
        backend.ReloadData();
    }
}
