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
    for (HWND next = upper; (next = GetWindow(next, GW_HWNDNEXT)) != nullptr;)
        if (next == lower)
            return true;
    return false;
}

void Raise(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// A hidden window and a shown one, both below the active window, are kept on top of it.
TEST(TopMost, OnTopWithoutShowingMovingOrTakingTheFocus) {
    const HWND active = MakeWindow(400), hidden = MakeWindow(40), shown = MakeWindow(80);
    ASSERT_TRUE(active && hidden && shown) << "no windows: is there a display?";
    ShowWindow(active, SW_SHOWNORMAL);
    SetForegroundWindow(active);
    ShowWindow(shown, SW_SHOWNOACTIVATE);
    Raise(active);
    ASSERT_TRUE(Until([&] { return GetForegroundWindow() == active && Above(active, shown); }));
    const auto hiddenPlace = Place(hidden), shownPlace = Place(shown);

    KeepTopMost(reinterpret_cast<std::uintptr_t>(hidden), false);
    KeepTopMost(reinterpret_cast<std::uintptr_t>(shown), true);
    KeepTopMost(0, true); // no window: nothing happens
    EXPECT_TRUE(Until([&] { return Above(shown, active); }));
    Until([] { return false; }, 300ms); // room for a show that must not come
    EXPECT_TRUE(IsTopMost(hidden) && IsTopMost(shown));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_EQ(Place(hidden), hiddenPlace);
    EXPECT_EQ(Place(shown), shownPlace);

    // Shown, hidden and shown again by its owner, as the exit window is: still on top, even
    // when the active window is raised again.
    for (int round = 0; round < 2; ++round) {
        ShowWindow(hidden, SW_SHOWNOACTIVATE);
        Raise(active);
        EXPECT_TRUE(Until([&] { return IsWindowVisible(hidden) && Above(hidden, active); }));
        ShowWindow(hidden, SW_HIDE);
    }
    EXPECT_EQ(GetForegroundWindow(), active) << "a request took the focus";
    EXPECT_FALSE(IsTopMost(active));
}

} // namespace
