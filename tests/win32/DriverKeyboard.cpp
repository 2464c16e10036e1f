// The keyboard commands of the driver: real keys into the program, and the Tab order
// checked against what a keyboard user must be able to reach, in reading order.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverInput.h"
#include "tests/win32/DriverWindows.h"

namespace windriver {
namespace {

constexpr int kMostControls = 300;  // more than the window has

// Waits until the program has taken the keys sent so far.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        WaitIdle();
        Sleep(20);
    }
}

// Presses `chord` and waits until the focus leaves `from`; the window it moved to.
HWND PressAndFollow(const std::string& chord, HWND from) {
    PressChord(chord);
    const auto moved = WaitFor(
        10, [&]() -> HWND { return FocusedWindow() != from ? FocusedWindow() : nullptr; }, 5);
    if (!moved) throw TFailure{chord + " leaves the focus on " + NameOf(from)};
    return *moved;
}

// The windows `chord` takes the focus through, from `start` round to it again.
std::vector<HWND> Round(const std::string& chord, HWND start) {
    std::vector<HWND> visited{start};
    for (HWND at = PressAndFollow(chord, start); at != start; at = PressAndFollow(chord, at)) {
        if (visited.size() > kMostControls) throw TFailure{chord + " never comes back to " + NameOf(start)};
        visited.push_back(at);
    }
    return visited;
}

bool TakesTab(HWND window) {
    return IsWindowVisible(window) && IsWindowEnabled(window) &&
           (GetWindowLongPtrA(window, GWL_STYLE) & WS_TABSTOP) != 0 && !NameOf(window).empty();
}

// Reading order: a later row, or the same row further right. A control stands in a later
// row than another when its top lies below the other's middle.
bool ReadBefore(HWND a, HWND b) {
    RECT ra{};
    RECT rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    const bool bLater = rb.top >= ra.top + (ra.bottom - ra.top) / 2;
    const bool aLater = ra.top >= rb.top + (rb.bottom - rb.top) / 2;
    return bLater || (!aLater && rb.left > ra.left);
}

// Within each window, the controls Tab visits follow reading order once round.
void CheckReadingOrder(const std::vector<HWND>& cycle) {
    std::map<HWND, std::vector<HWND>> byParent;
    for (HWND w : cycle) byParent[GetParent(w)].push_back(w);
    for (const auto& [parent, controls] : byParent) {
        int turns = 0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            HWND a = controls[i];
            HWND b = controls[(i + 1) % controls.size()];
            if (controls.size() > 1 && !ReadBefore(a, b) && ++turns > 1)
                throw TFailure{"Tab goes from " + NameOf(a) + " to " + NameOf(b) + ", against reading order"};
        }
    }
}

// Tab goes from a tab set into the page it shows: the next control stands on that page.
void CheckPagesFollowTheirTabSets(const std::vector<HWND>& cycle) {
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        if (ClassOf(cycle[i]) != "SysTabControl32") continue;
        HWND next = cycle[(i + 1) % cycle.size()];
        bool onPage = false;
        for (HWND page = GetWindow(cycle[i], GW_HWNDFIRST); page; page = GetWindow(page, GW_HWNDNEXT))
            onPage = onPage || (page != cycle[i] && IsWindowVisible(page) && IsChild(page, next));
        if (!onPage) throw TFailure{"Tab goes from the tab set " + NameOf(cycle[i]) + " to " + NameOf(next)};
    }
}

}  // namespace

int Keys(const std::vector<std::string>& chords) {
    for (const std::string& chord : chords) {
        PressChord(chord);
        Settle();
    }
    return 0;
}

int Focus() {
    std::puts(NameOf(FocusedWindow()).c_str());
    return 0;
}

int TabTo(const std::string& name) {
    HWND target = Control(name);
    HWND at = FocusedWindow();
    for (int step = 0; at != target; ++step) {
        if (step > kMostControls) throw TFailure{"Tab never reaches " + name};
        at = PressAndFollow("tab", at);
    }
    return 0;
}

int TabCycle() {
    const HWND start = FocusedWindow();
    if (NameOf(start).empty()) throw TFailure{"no control of the window has the focus"};
    const std::vector<HWND> forward = Round("tab", start);
    const std::vector<HWND> backward = Round("shift+tab", start);
    std::string names;
    for (HWND w : forward) names.append(" ").append(NameOf(w));
    std::printf("%zu controls:%s\n", forward.size(), names.c_str());

    for (HWND w : Descendants(MainWindow()))
        if (TakesTab(w) && std::find(forward.begin(), forward.end(), w) == forward.end())
            throw TFailure{NameOf(w) + " takes the focus but Tab never reaches it"};
    CheckReadingOrder(forward);
    CheckPagesFollowTheirTabSets(forward);
    for (std::size_t i = 0; i < forward.size(); ++i)
        if (backward.size() != forward.size() || backward[i] != forward[(forward.size() - i) % forward.size()])
            throw TFailure{"Shift+Tab does not go back the way Tab came"};
    return 0;
}

}  // namespace windriver
