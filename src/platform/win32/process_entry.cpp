// The process entry: Linux starts at main, the program at WinMain.
#include <windows.h>

#include "win32_hooks.h"

namespace {
// The module handle stands for the program; nothing is behind it.
HINSTANCE__ thisModule{};
}

int main(int argc, char** argv) {
    KdSetProcessArguments(argc, argv);
    return WinMain(&thisModule, nullptr, KdCommandLineTailA(), SW_SHOWDEFAULT);
}
