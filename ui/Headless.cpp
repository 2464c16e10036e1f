#include "ui/Headless.h"

namespace ui {

TLocalTime THeadlessClock::Now() {
    constexpr std::int64_t day = 24LL * 3600 * 1000;
    const std::int64_t t = ((now_ % day) + day) % day;
    return {static_cast<int>(t / 3600000),
            static_cast<int>(t / 60000 % 60),
            static_cast<int>(t / 1000 % 60),
            static_cast<int>(t % 1000),
            kYear,
            kMonth,
            kDay};
}

void THeadlessSleep::Sleep(unsigned milliseconds) {
    Slept += milliseconds;
    Waits.push_back(milliseconds);
    clock_.Advance(milliseconds);
}

int THeadlessPrompts::ShowModal(const TPromptWindow& window) {
    Shown.push_back(window);
    while (!Answers.empty()) {
        const TPromptAnswer answer = Answers.front();
        Answers.pop_front();
        switch (answer.Kind) {
        case TPromptAnswer::TKind::Close: return 2;
        case TPromptAnswer::TKind::Escape: continue;  // no button keeps the cancel role: the prompt stays open
        case TPromptAnswer::TKind::Enter: break;
        case TPromptAnswer::TKind::Result:
            for (const TPromptButton& b : window.Buttons)
                if (b.Result == answer.Result) return b.Result;
            Problems.push_back("answer " + std::to_string(answer.Result) + " is not a button of the prompt \"" +
                               window.Text + "\"");
            continue;
        }
        break;
    }
    const auto focused = static_cast<std::size_t>(window.Focused);
    if (focused >= 1 && focused <= window.Buttons.size()) return window.Buttons[focused - 1].Result;
    return window.Buttons.empty() ? 2 : window.Buttons.front().Result;
}

bool THeadlessFileDialogs::Execute(TFileDialog& dialog) {
    Shown.push_back(dialog);
    if (Answers.empty()) return false;
    std::string answer = Answers.front();
    Answers.pop_front();
    if (answer.empty()) return false;
    dialog.FileName = answer;
    return true;
}

}  // namespace ui
