// The timing command of the driver: a button's action in the window, with every prompt
// and dialog answered at once, against the time the same round's calls into the simulated
// chip libraries take, which they add up in memory the session shares.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "sim/win32/LibraryCallTime.h"
#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverWindows.h"
#include "ui/win32/WideText.h"

namespace windriver {
namespace {

// Milliseconds the window may add to its library calls: the aim, printed with the figures.
constexpr double kOwnTimeAim = 50;
constexpr double kPromptSeconds = 30;

// An action: its button, the modal window it opens and how that is answered.
struct TTimedAction {
    const char* Title;
    const char* Button;
    const char* Modal;  // the caption of the prompt or file dialog the action opens
    // The prompt's button; nullptr for a file dialog, given the path.
    const char* Answer;
    // Writes the file named in the dialog: the file is removed before each round and must
    // be there once the window takes input, which shows that the round waited for the whole
    // action and not only for the dialog's end.
    bool Writes;
};

const std::map<std::string, TTimedAction>& Actions() {
    static const std::map<std::string, TTimedAction> actions{
        {"read", {"READ DEVICE", "ReadDeviceButton", "NOTE", "&OK", false}},
        {"program", {"PROGRAM DEVICE", "ProgramDeviceButton", "NOTE", "&No", false}},
        {"load", {"LOAD FILE", "LoadFileButton", "Open", nullptr, false}},
        {"save", {"SAVE FILE", "SaveFileButton", "Save As", nullptr, true}}};
    return actions;
}

double Now() { return sim::win32::TicksToMilliseconds(sim::win32::PerformanceTicks()); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Returns once the thread of `window` is idle and nothing of `window` waits to be drawn.
void WaitDrawn(HWND window) {
    auto drawn = [&]() -> HWND {
        WaitIdle(window);
        if (GetUpdateRect(window, nullptr, FALSE)) return nullptr;
        for (HWND child : Descendants(window))
            if (GetUpdateRect(child, nullptr, FALSE)) return nullptr;
        return window;
    };
    WaitFor(kPromptSeconds, drawn, 1);
}

// One click in the window: from the press until the prompt or dialog is drawn, from its
// answer until it is gone, and from then until the window takes input again; the window's
// part of that, and the library calls made meanwhile.
struct TWindowRound {
    double ToModal = 0;
    double ModalClosing = 0;
    double AfterModal = 0;
    double Window = 0;
    double Library = 0;
    double Own() const { return Window - Library; }
};

TWindowRound WindowRound(const TTimedAction& action, const std::string& path) {
    HWND button = Control(action.Button);
    const std::wstring file = ui::win32::ShownText(path);
    if (action.Writes) DeleteFileW(file.c_str());
    const double start = Now();
    PostMessageA(button, BM_CLICK, 0, 0);
    const auto modal = WaitFor(
        kPromptSeconds, [&] { return VisiblePrompt(action.Modal); }, 1);
    if (!modal) throw TFailure{std::string(action.Title) + " opened no \"" + action.Modal + "\""};
    // Up once drawn: a file dialog shows before it has drawn its view of the folder, the
    // system's work, which a person sees done before answering and a click on its OK
    // would otherwise wait for.
    WaitDrawn(*modal);
    const double shown = Now();
    if (action.Answer)
        PressPromptButton(*modal, action.Answer);
    else
        AcceptFileName(*modal, path);
    if (!WaitGone(*modal, kPromptSeconds, 1)) throw TFailure{std::string("the \"") + action.Modal + "\" stays open"};
    const double gone = Now();
    WaitIdle();
    const double idle = Now();
    if (action.Writes && GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw TFailure{std::string("the window took input before ") + action.Title + " wrote its file"};
    // A prompt is the window's own; a file dialog is the system's, from coming up to being
    // gone: the window's time starts when the dialog has gone and hands it the name.
    const double window = action.Answer ? idle - start : idle - gone;
    return {shown - start, gone - shown, idle - gone, window, 0};
}

}  // namespace

int TimeAction(const std::string& name, int count, const std::string& path) {
    const auto found = Actions().find(name);
    if (found == Actions().end() || count < 1)
        throw TFailure{"time-action takes read, program, load or save, and a count"};
    const TTimedAction& action = found->second;
    std::vector<TWindowRound> rounds;
    for (int i = 0; i < count; ++i) {
        const std::int64_t callsBefore = sim::win32::LibraryCallTicks();
        TWindowRound round = WindowRound(action, path);
        round.Library = sim::win32::TicksToMilliseconds(sim::win32::LibraryCallTicks() - callsBefore);
        rounds.push_back(round);
    }
    auto median = [&](auto figure) {
        std::vector<double> values;
        for (const TWindowRound& round : rounds) values.push_back(std::invoke(figure, round));
        return Median(values);
    };
    // The check takes the round in which the window spent least of its own: on a machine
    // busy with other work the slower rounds measure that work, not the window's.
    const double fastest = std::ranges::min(rounds, {}, &TWindowRound::Own).Own();
    std::printf(
        "%s, %d rounds: window %.1f ms median (%.1f to the \"%s\", %.1f from its answer until it is gone, %.1f after; "
        "counted %s), of which library calls %.1f ms; the window's own %.1f ms median, %.1f in its fastest round "
        "(aim %.0f ms: %s)\n",
        action.Title, count, median(&TWindowRound::Window), median(&TWindowRound::ToModal), action.Modal,
        median(&TWindowRound::ModalClosing), median(&TWindowRound::AfterModal),
        action.Answer ? "from the click" : "once the dialog is gone", median(&TWindowRound::Library),
        median(&TWindowRound::Own), fastest, kOwnTimeAim, fastest <= kOwnTimeAim ? "met" : "not met");
    return 0;
}

}  // namespace windriver
