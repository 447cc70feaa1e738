#include "platform/win/TopMost.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>

namespace {

using lunetra::platform::win::KeepTopMost;
using namespace std::chrono_literals;

// Runs the window messages until the condition holds or the deadline passes.
bool Until(const std::function<bool()>& condition, std::chrono::milliseconds patience = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Sleep(20);
    }
}

HWND MakeWindow(const char* title, int left) {
    const HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, left, 60, 320, 200,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window, nullptr) << "no window: is there a display?";
    return window;
}

bool IsTopMost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

RECT Place(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

bool SamePlace(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// True when `upper` comes before `lower` in the desktop's stacking order.
bool Above(HWND upper, HWND lower) {
    for (HWND next = GetWindow(upper, GW_HWNDNEXT); next != nullptr;
         next = GetWindow(next, GW_HWNDNEXT))
        if (next == lower)
            return true;
    return false;
}

class TopMostTest : public testing::Test {
protected:
    HWND active = nullptr;

    void SetUp() override {
        active = MakeWindow("active", 400);
        ShowWindow(active, SW_SHOWNORMAL);
        SetForegroundWindow(active);
        ASSERT_TRUE(Until([&] { return GetForegroundWindow() == active; }));
    }
    void TearDown() override { DestroyWindow(active); }
};

TEST_F(TopMostTest, HiddenWindowStaysHiddenAndIsTopMostOnceShown) {
    const HWND window = MakeWindow("hidden", 40);
    const RECT place = Place(window);
    KeepTopMost(reinterpret_cast<std::uintptr_t>(window), false);
    Until([] { return false; }, 300ms);
    EXPECT_TRUE(IsTopMost(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(SamePlace(Place(window), place));
    EXPECT_EQ(GetForegroundWindow(), active);

    // Shown, hidden and shown again by its owner, as the exit window is: still on top.
    for (int round = 0; round < 2; ++round) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        EXPECT_TRUE(Until([&] { return IsWindowVisible(window) && Above(window, active); }));
        EXPECT_TRUE(IsTopMost(window));
        ShowWindow(window, SW_HIDE);
    }
    EXPECT_EQ(GetForegroundWindow(), active);
    DestroyWindow(window);
}

TEST_F(TopMostTest, VisibleWindowRisesAboveTheActiveOneWithoutTakingTheFocus) {
    const HWND window = MakeWindow("visible", 40);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetWindowPos(active, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(Until([&] { return IsWindowVisible(window) && Above(active, window); }));
    const RECT place = Place(window);

    KeepTopMost(reinterpret_cast<std::uintptr_t>(window), true);
    EXPECT_TRUE(Until([&] { return Above(window, active); }));
    EXPECT_TRUE(IsTopMost(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(SamePlace(Place(window), place));
    EXPECT_EQ(GetForegroundWindow(), active);
    EXPECT_FALSE(IsTopMost(active));

    // Raising the active window again cannot put it above a topmost one.
    SetWindowPos(active, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(Until([&] { return Above(window, active); }));
    DestroyWindow(window);
}

TEST(TopMost, NoWindowIsNoFault) {
    KeepTopMost(0, true);
    KeepTopMost(0, false);
}

} // namespace
