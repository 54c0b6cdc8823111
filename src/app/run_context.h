#pragma once
// What the preamble hands to the sections: the host window and the matrix
// size read from the input file's header.
#include <windows.h>

struct RunContext {
    HWND hWnd = nullptr;
    int headerWidth = 0;
    int headerHeight = 0;
};

struct InputHeader {
    int width = 0;
    int height = 0;
};

// Empties the report files, reads and checks the input header, writes the
// run header, checks the PRECCOMP size and creates and shows the host window.
RunContext RunPreamble(HINSTANCE hThisInst);

// Reads the header of the input matrix file fileNameIn: Help when the file
// cannot be opened, Error when the header is not a usable matrix size.
InputHeader ReadInputHeader();

// Ends the run when PRECCOMP is selected and the matrix has no four cells
// in its last row.
void CheckPrecisionComparisonSize(const InputHeader& header);

// Registers the window class and creates the host window.
void WindowCreate(HINSTANCE hThisInst, HWND& hWnd);
LRESULT CALLBACK WinProc(HWND hWnd, UINT msg, WPARAM wP, LPARAM lP);

// Runs the selected sections in their fixed order.
void RunSections(const RunContext& run);

// Unregisters the window class and destroys the host window.
void EndRun(HINSTANCE hThisInst, HWND hWnd);
