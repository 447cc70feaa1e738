#include "platform/win/TopMost.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

namespace {

using lunetra::platform::win::KeepTopMost;
using namespace std::chrono_literals;

// Runs the window messages until the condition holds or the deadline passes.
bool Until(const std::function<bool()>& condition, std::chrono::milliseconds patience = 5s) {
    for (const auto end = std::chrono::steady_clock::now() + patience;; Sleep(20)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (condition() || std::chrono::steady_clock::now() > end)
            return condition();
    }
}

HWND MakeWindow(int left) {
    return CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, left, 60, 320, 200, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool IsTopMost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::array<LONG, 4> Place(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// True when `upper` comes before `lower` in the desktop's stacking order.
bool Above(HWND upper, HWND lower) {
    HWND next = upper;
    while ((next = GetWindow(next, GW_HWNDNEXT)) != nullptr && next != lower) {
    }
    return next == lower;
}

void Raise(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

class TopMostTest : public testing::Test {
protected:
    const HWND active = MakeWindow(400), window = MakeWindow(40);

    void SetUp() override {
        ASSERT_TRUE(active && window) << "no windows: is there a display?";
        ShowWindow(active, SW_SHOWNORMAL);
        SetForegroundWindow(active);
        ASSERT_TRUE(Until([&] { return GetForegroundWindow() == active; }));
    }
    void TearDown() override {
        EXPECT_EQ(GetForegroundWindow(), active) << "the request took the focus";
        EXPECT_FALSE(IsTopMost(active));
        DestroyWindow(window);
        DestroyWindow(active);
    }
};

TEST_F(TopMostTest, HiddenWindowStaysHiddenAndIsOnTopWheneverShown) {
    const auto place = Place(window);
    KeepTopMost(reinterpret_cast<std::uintptr_t>(window), false);
    Until([] { return false; }, 300ms);
    EXPECT_TRUE(IsTopMost(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(Place(window), place);

    // Shown, hidden and shown again by its owner, as the exit window is: still on top.
    for (int round = 0; round < 2; ++round) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        Raise(active);
        EXPECT_TRUE(Until([&] { return IsWindowVisible(window) && Above(window, active); }));
        ShowWindow(window, SW_HIDE);
    }
}

TEST_F(TopMostTest, VisibleWindowRisesAboveTheActiveOneWithoutMovingOrTakingTheFocus) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Raise(active);
    ASSERT_TRUE(Until([&] { return IsWindowVisible(window) && Above(active, window); }));
    const auto place = Place(window);

    KeepTopMost(reinterpret_cast<std::uintptr_t>(window), true);
    EXPECT_TRUE(Until([&] { return Above(window, active); }));
    EXPECT_TRUE(IsTopMost(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(Place(window), place);
    // Raising the active window again cannot put it above a topmost one.
    Raise(active);
    EXPECT_TRUE(Until([&] { return Above(window, active); }));
    KeepTopMost(0, true); // no window: nothing happens
}

} // namespace
