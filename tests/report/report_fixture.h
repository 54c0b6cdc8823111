#pragma once
// Each test works in a scratch folder of its own, with the report file
// named report.txt there.
#include <cstdio>

#include "globals.h"
#include "scratch_folder.h"

class ReportTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
    }
};
