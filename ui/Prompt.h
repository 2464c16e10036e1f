#pragma once
// The program's modal message prompt: the type's icon, the text, the program's own
// button captions, a chosen focused button, and no cancel role, so that Escape never
// answers it.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "ui/Services.h"

namespace ui {

enum TMessageType : int { mtWarning = 0, mtError = 1, mtInformation = 2 };

enum TButtonKind : int { bkYes, bkNo, bkOK, bkCancel, bkAbort, bkRetry, bkIgnore, bkAll, bkNoToAll, bkYesToAll };

// Result codes of the buttons, as the prompt returns them.
enum TPromptResult : int {
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

// A set of button kinds: bit n stands for kind n; kinds above 10 are ignored.
std::uint16_t ButtonSet(std::initializer_list<int> kinds);

class TPrompter {
public:
    explicit TPrompter(IPromptService& service) : service_(service) {}
    virtual ~TPrompter() = default;

    // Returns the result code of the button that closed the prompt, 2 for the close button.
    int ShowPrompt(const std::string& text, const std::string& caption, int messageType, std::uint16_t buttons,
                   int focused);

    // The two forms every Part uses: "ERROR" with one OK button, and "NOTE" likewise.
    void ShowError(const std::string& text) { ShowPrompt(text, "ERROR", mtError, ButtonSet({bkOK}), 1); }
    void ShowNote(const std::string& text) { ShowPrompt(text, "NOTE", mtInformation, ButtonSet({bkOK}), 1); }

private:
    IPromptService& service_;
};

}  // namespace ui
