#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "win32_hooks.h"

namespace {

std::vector<UINT> received;
LRESULT createResult = 0;

LRESULT CALLBACK Recorder(HWND hWnd, UINT msg, WPARAM wP, LPARAM lP) {
    received.push_back(msg);
    if (msg == WM_CREATE) return createResult;
    return DefWindowProcA(hWnd, msg, wP, lP);
}

WNDCLASSEXA RecorderClass(const char* name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Recorder;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    wc.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
    return wc;
}

TEST(Windows, ClassesRegisterOncePerName) {
    WNDCLASSEXA wc = RecorderClass("testClass");
    EXPECT_NE(RegisterClassExA(&wc), 0);
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    WNDCLASSEXA badSize = wc;
    badSize.cbSize = 0;
    badSize.lpszClassName = "other";
    EXPECT_EQ(RegisterClassExA(&badSize), 0);
    EXPECT_TRUE(UnregisterClassA("TESTCLASS", nullptr));
    EXPECT_FALSE(UnregisterClassA("testClass", nullptr));
    EXPECT_NE(RegisterClassExA(&wc), 0);
    EXPECT_TRUE(UnregisterClassA("testClass", nullptr));
}

TEST(Windows, LifeOfAWindowSendsTheMessagesInOrder) {
    WNDCLASSEXA wc = RecorderClass("lifeClass");
    ASSERT_NE(RegisterClassExA(&wc), 0);
    received.clear();
    createResult = 0;
    HWND hWnd = CreateWindowExA(0, "lifeClass", "title", WS_OVERLAPPEDWINDOW, 0, 0, 64, 48, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(received, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));

    RECT rc{-1, -1, -1, -1};
    EXPECT_TRUE(GetClientRect(hWnd, &rc));
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, 64);
    EXPECT_EQ(rc.bottom, 48);

    received.clear();
    EXPECT_TRUE(UpdateWindow(hWnd));  // hidden: nothing to paint
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOW));
    EXPECT_TRUE(UpdateWindow(hWnd));
    EXPECT_TRUE(UpdateWindow(hWnd));  // painted once: the default procedure validated it
    EXPECT_TRUE(ShowWindow(hWnd, SW_SHOW));
    EXPECT_EQ(received, (std::vector<UINT>{WM_SHOWWINDOW, WM_PAINT}));

    EXPECT_FALSE(UnregisterClassA("lifeClass", nullptr));  // it still has a window
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    received.clear();
    EXPECT_TRUE(DestroyWindow(hWnd));
    EXPECT_EQ(received, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(DestroyWindow(hWnd));
    EXPECT_FALSE(UpdateWindow(hWnd));
    EXPECT_FALSE(GetClientRect(hWnd, &rc));
    EXPECT_TRUE(UnregisterClassA("lifeClass", nullptr));
}

TEST(Windows, CreationFailsForUnknownClassOrRefusedCreate) {
    EXPECT_EQ(CreateWindowExA(0, "noSuchClass", "t", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr), nullptr);
    WNDCLASSEXA wc = RecorderClass("refuseClass");
    ASSERT_NE(RegisterClassExA(&wc), 0);
    received.clear();
    createResult = -1;
    EXPECT_EQ(CreateWindowExA(0, "refuseClass", "t", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(received, (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    createResult = 0;
    UnregisterClassA("refuseClass", nullptr);
}

TEST(Windows, SystemResourcesAndQuitMessage) {
    EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_WINLOGO), LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_NE(GetStockObject(WHITE_BRUSH), nullptr);
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, 0xCF0000L);

    KdResetQuitMessage();
    int code = -1;
    EXPECT_FALSE(KdQuitMessagePosted(&code));
    PostQuitMessage(0);
    EXPECT_TRUE(KdQuitMessagePosted(&code));
    EXPECT_EQ(code, 0);
    KdResetQuitMessage();
}

TEST(TickCount, FollowsTheMonotonicClock) {
    DWORD a = GetTickCount();
    DWORD b = GetTickCount();
    EXPECT_LT(static_cast<DWORD>(b - a), 1000u);
}

}  // namespace
