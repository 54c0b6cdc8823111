#include <windows.h>

#include <gtest/gtest.h>

#include "run_context.h"
#include "win32_hooks.h"

namespace {

TEST(HostWindow, ProcedureAnswersAndPostsQuit) {
    struct Case {
        UINT msg;
        WPARAM wP;
        LRESULT result;
        bool quits;
    };
    const Case cases[] = {
        {WM_DESTROY, 0, 0, true},      {WM_CLOSE, 0, 0, true},   {WM_KEYUP, VK_ESCAPE, 0, true},
        {WM_KEYUP, 'A', 0, false},     {WM_NCCREATE, 0, TRUE, false},  // the default procedure's answer
        {WM_PAINT, 0, 0, false},
    };
    for (const auto& c : cases) {
        KdResetQuitMessage();
        EXPECT_EQ(WinProc(nullptr, c.msg, c.wP, 0), c.result) << c.msg;
        EXPECT_EQ(KdQuitMessagePosted(nullptr), c.quits) << c.msg;
    }
    KdResetQuitMessage();
}

TEST(HostWindow, CreatedOnceAt64By64AndRemovedAtTheEnd) {
    HINSTANCE__ module{};
    HWND hWnd = nullptr;
    WindowCreate(&module, hWnd);
    ASSERT_NE(hWnd, nullptr);
    RECT rc{};
    EXPECT_TRUE(GetClientRect(hWnd, &rc));
    EXPECT_EQ(rc.right, 64);
    EXPECT_EQ(rc.bottom, 64);
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOW));
    EXPECT_TRUE(UpdateWindow(hWnd));

    // A second registration of the class fails and ends the run.
    HWND other = nullptr;
    EXPECT_EXIT(WindowCreate(&module, other), ::testing::ExitedWithCode(255),
                "^Error!: Window class can't be registered\n$");

    // As on Windows, the class outlives the end of the run: it still had
    // its window when it was unregistered.
    EndRun(&module, hWnd);
    EXPECT_FALSE(DestroyWindow(hWnd));
    EXPECT_TRUE(UnregisterClassA("kordaneClass", &module));
}

}  // namespace
