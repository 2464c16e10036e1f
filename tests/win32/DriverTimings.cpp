// The timing command of the driver: a button's action in the window, with every prompt
// and dialog answered at once, against the same action's calls into the chip libraries,
// made by the same control model without a window.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "app/MajorForm.h"
#include "link/win32/LibraryBinding.h"
#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverWindows.h"
#include "tests/win32/TimedLibrary.h"
#include "ui/Headless.h"
#include "ui/win32/ExecutablePath.h"

namespace windriver {
namespace {

// Milliseconds the window may add to its library calls: the aim, printed with the figures.
constexpr double kOwnTimeAim = 50;
constexpr double kPromptSeconds = 30;

// An action: its button, the modal window it opens and how that is answered, and the same
// action on the control model.
struct TTimedAction {
    const char* Title;
    const char* Button;
    const char* Modal;  // the caption of the prompt or file dialog the action opens
    // The prompt's button; nullptr for a file dialog, given the path. A file dialog is the
    // system's: the time it takes to come up is not the window's, which counts from its answer.
    const char* Answer;
    std::function<void(app::TMajorForm&)> Run;
};

const std::map<std::string, TTimedAction>& Actions() {
    static const std::map<std::string, TTimedAction> actions{
        {"read",
         {"READ DEVICE", "ReadDeviceButton", "NOTE", "&OK", [](app::TMajorForm& f) { f.ReadDeviceButtonClick(); }}},
        {"program",
         {"PROGRAM DEVICE", "ProgramDeviceButton", "NOTE", "&No",
          [](app::TMajorForm& f) { f.ProgramDeviceButtonClick(); }}},
        {"load", {"LOAD FILE", "LoadFileButton", "Open", nullptr, [](app::TMajorForm& f) { f.LoadFileButtonClick(); }}},
        {"save",
         {"SAVE FILE", "SaveFileButton", "Save As", nullptr, [](app::TMajorForm& f) { f.SaveFileButtonClick(); }}}};
    return actions;
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Fastest(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

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

// One click in the window: from the press until the prompt or dialog is drawn, and
// from its answer until the window takes input again.
struct TWindowRound {
    double ToModal = 0;
    double AfterAnswer = 0;
    double Own(const TTimedAction& action) const { return action.Answer ? ToModal + AfterAnswer : AfterAnswer; }
};

TWindowRound WindowRound(const TTimedAction& action, const std::string& path) {
    HWND button = Control(action.Button);
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
    if (!WaitFor(
            kPromptSeconds, [&]() -> HWND { return IsWindow(*modal) ? nullptr : GetDesktopWindow(); }, 1))
        throw TFailure{std::string("the \"") + action.Modal + "\" stays open"};
    WaitIdle();
    return {shown - start, Now() - shown};
}

// The same action on the control model, through the same chip libraries, prompts and
// dialogs answered at once: the time its library calls take.
std::vector<double> LibraryTimes(const TTimedAction& action, int count, const std::string& path) {
    devlink::win32::TLibraryBinding binding(ui::win32::ExecutableFolder());
    TTimedLibrary library(binding);
    ui::THeadlessServices services;
    // A folder without a program settings file: start-up moves nothing.
    app::TMajorForm form(services.Services, library, "C:\\no-such-folder\\ZENTAUserProgrammer.exe");
    form.FormCreate();
    form.FormShow();
    form.Timer1.Fire();
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        services.Dialogs.Answers.push_back(path);
        library.Reset();
        action.Run(form);
        times.push_back(library.SpentMilliseconds());
    }
    return times;
}

}  // namespace

int TimeAction(const std::string& name, int count, const std::string& path) {
    const auto found = Actions().find(name);
    if (found == Actions().end() || count < 1)
        throw TFailure{"time-action takes read, program, load or save, and a count"};
    const TTimedAction& action = found->second;
    std::vector<double> window;
    std::vector<double> toModal;
    std::vector<double> afterAnswer;
    for (int i = 0; i < count; ++i) {
        const TWindowRound round = WindowRound(action, path);
        window.push_back(round.Own(action));
        toModal.push_back(round.ToModal);
        afterAnswer.push_back(round.AfterAnswer);
    }
    const std::vector<double> library = LibraryTimes(action, count, path);
    // The check takes the fastest round of each: on a machine busy with other work the
    // slower rounds measure that work, not the window's.
    const double own = Fastest(window) - Fastest(library);
    std::printf(
        "%s, %d rounds: window %.1f ms median (%.1f to the \"%s\", %.1f from its answer; counted %s), %.1f fastest; "
        "its library calls %.1f ms median, %.1f fastest; the window's own %.1f ms (aim %.0f ms: %s)\n",
        action.Title, count, Median(window), Median(toModal), action.Modal, Median(afterAnswer),
        action.Answer ? "from the click" : "from the answer", Fastest(window), Median(library), Fastest(library), own,
        kOwnTimeAim, own <= kOwnTimeAim ? "met" : "not met");
    return 0;
}

}  // namespace windriver
