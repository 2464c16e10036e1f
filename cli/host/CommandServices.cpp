#include "cli/host/CommandServices.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "ui/Prompt.h"

namespace cli {
namespace {

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

bool Offers(const ui::TPromptWindow& window, int result) {
    for (const ui::TPromptButton& button : window.Buttons)
        if (button.Result == result) return true;
    return false;
}

}  // namespace

ui::TLocalTime TSystemClock::Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto millisecond =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_hour,        local.tm_min,     local.tm_sec, static_cast<int>(millisecond),
            local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void TSystemSleep::Sleep(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int TCommandPrompts::ShowModal(const ui::TPromptWindow& window) {
    const bool question = Offers(window, ui::mrYes) && Offers(window, ui::mrNo);
    if (Echo) {
        messages_ << window.Caption << ": " << OneLine(window.Text);
        if (question) messages_ << (AnswerRestart ? " Yes" : " No");
        messages_ << '\n';
    }
    if (question) return AnswerRestart ? ui::mrYes : ui::mrNo;
    const auto focused = static_cast<std::size_t>(window.Focused);
    if (focused >= 1 && focused <= window.Buttons.size()) return window.Buttons[focused - 1].Result;
    return ui::mrOk;
}

}  // namespace cli
