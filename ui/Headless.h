#pragma once
// Headless stand-ins for the platform services: a virtual clock that moves only when
// told to (and by the program's own sleeps), and prompts, message boxes and file
// dialogs answered from a queue and recorded for later checks.

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "ui/PortableServices.h"
#include "ui/Services.h"

namespace ui {

// The virtual clock keeps one date; only its time of day moves.
class THeadlessClock : public IClock {
public:
    static constexpr int kYear = 2026;
    static constexpr int kMonth = 12;
    static constexpr int kDay = 8;

    TLocalTime Now() override;
    void SetTimeOfDay(std::int64_t millisecondsSinceMidnight) { now_ = millisecondsSinceMidnight; }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }
    std::int64_t Elapsed() const { return now_; }  // milliseconds, not wrapped at midnight

private:
    std::int64_t now_ = 12LL * 3600 * 1000;
};

class THeadlessSleep : public ISleep {
public:
    explicit THeadlessSleep(THeadlessClock& clock) : clock_(clock) {}
    void Sleep(unsigned milliseconds) override;
    std::uint64_t Slept = 0;
    std::vector<unsigned> Waits;  // every sleep, in order

private:
    THeadlessClock& clock_;
};

class THeadlessKeyboard : public IKeyboard {
public:
    unsigned char KeyState(int virtualKey) override { return held.count(virtualKey) ? 0x80 : 0; }
    std::set<int> held;
};

// An answer to a prompt: a result code, the title bar's close button, Enter (the
// focused button) or Escape (which does not close a prompt).
struct TPromptAnswer {
    enum class TKind { Result, Close, Enter, Escape };
    TKind Kind = TKind::Enter;
    int Result = 0;
};

class THeadlessPrompts : public IPromptService {
public:
    int ShowModal(const TPromptWindow& window) override;
    std::deque<TPromptAnswer> Answers;
    std::vector<TPromptWindow> Shown;
    std::vector<std::string> Problems;  // answers that could not be given to a prompt
};

class THeadlessMessageBox : public IMessageBox {
public:
    struct TShown {
        std::string Text;
        std::string Caption;
    };
    void Show(const std::string& text, const std::string& caption) override { Shown.push_back({text, caption}); }
    std::vector<TShown> Shown;
};

// Each queued answer is a path, or empty for a cancelled dialog. A dialog with no
// queued answer is cancelled.
class THeadlessFileDialogs : public IFileDialogs {
public:
    bool Execute(TFileDialog& dialog) override;
    std::deque<std::string> Answers;
    std::vector<TFileDialog> Shown;  // as each dialog was opened
};

// Opens nothing: records each document it was asked to open, and says whether it did.
class THeadlessShell : public IShell {
public:
    bool OpenDocument(const std::string& path) override {
        Opened.push_back(path);
        return Opens;
    }
    std::vector<std::string> Opened;
    bool Opens = true;  // false: as when no program is chosen for the document's kind
};

// Every service the main window needs, headless, bundled for the driver and the tests.
struct THeadlessServices {
    THeadlessClock Clock;
    THeadlessSleep Sleeper{Clock};
    THeadlessKeyboard Keyboard;
    THeadlessPrompts Prompts;
    THeadlessMessageBox Messages;
    THeadlessFileDialogs Dialogs;
    TIniFileReader Ini;
    TLocalFileSystem Files;
    THeadlessShell Shell;
    TApplication Application;
    TServices Services{Prompts, Messages, Dialogs, Clock, Sleeper, Keyboard, Ini, Files, Shell, Application};
};

}  // namespace ui
