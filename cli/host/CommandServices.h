#pragma once
// The platform services of the command line: the real clock and real sleeps, prompts
// that become messages on standard error and are answered for the user, and no program
// settings file. Dialogs and message boxes are the headless ones: a command answers the
// file dialog with the path it was given.

#include <ostream>

#include "ui/Headless.h"
#include "ui/Services.h"

namespace cli {

class TSystemClock : public ui::IClock {
public:
    ui::TLocalTime Now() override;
};

class TSystemSleep : public ui::ISleep {
public:
    void Sleep(unsigned milliseconds) override;
};

// When echoing, each prompt is one line on the message stream: its caption, its text
// with line breaks turned into blanks, and the answer when the prompt asks a question.
// The one question the program asks, whether to restart the unit, is answered Yes or No
// as the command line said; any other prompt is closed with its focused button, as
// Enter would.
class TCommandPrompts : public ui::IPromptService {
public:
    TCommandPrompts(std::ostream& messages, bool echo) : Echo(echo), messages_(messages) {}

    int ShowModal(const ui::TPromptWindow& window) override;

    bool Echo;
    bool AnswerRestart = false;

private:
    std::ostream& messages_;
};

// The command line has no program settings file: the window's start-up check finds
// nothing and moves no file aside.
class TNoProgramSettings : public ui::IIniFile {
public:
    std::string ReadString(const std::string&, const std::string&, const std::string&,
                           const std::string& fallback) override {
        return fallback;
    }
};

// What the main window gets from the command line's platform. The clock and the
// sleeps are the caller's, so that tests can run a command in virtual time.
struct TCommandServices {
    TCommandServices(ui::IClock& clock, ui::ISleep& sleeper, std::ostream& messages, bool echoPrompts)
        : Prompts(messages, echoPrompts), Services{Prompts,  Messages, Dialogs, clock,      sleeper,
                                                   Keyboard, Settings, Files,   Application} {}

    TCommandPrompts Prompts;
    ui::THeadlessMessageBox Messages;
    ui::THeadlessFileDialogs Dialogs;
    ui::THeadlessKeyboard Keyboard;
    TNoProgramSettings Settings;
    ui::TLocalFileSystem Files;
    ui::TApplication Application;
    ui::TServices Services;
};

}  // namespace cli
