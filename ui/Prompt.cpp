#include "ui/Prompt.h"

#include <array>

namespace ui {
namespace {

struct TKindCaption {
    const char* Caption;
    int Result;
};

// Kind number = position in this list.
constexpr std::array<TKindCaption, 10> kButtonCaptions{{
    {"&Yes", mrYes},
    {"&No", mrNo},
    {"&OK", mrOk},
    {"&Cancel", mrCancel},
    {"&Abort", mrAbort},
    {"&Retry", mrRetry},
    {"&Ignore", mrIgnore},
    {"All", mrAll},
    {"No To All", mrNoToAll},
    {"Yes To All", mrYesToAll},
}};

}  // namespace

std::uint16_t ButtonSet(std::initializer_list<int> kinds) {
    std::uint16_t set = 0;
    for (int kind : kinds)
        if (kind >= 0 && kind <= 10) set = static_cast<std::uint16_t>(set | (1u << kind));
    return set;
}

int TPrompter::ShowPrompt(const std::string& text, const std::string& caption, int messageType, std::uint16_t buttons,
                          int focused) {
    TPromptWindow window{text, caption, messageType, {}, focused};
    for (std::size_t kind = 0; kind < kButtonCaptions.size(); ++kind)
        if (buttons & (1u << kind))
            window.Buttons.push_back({kButtonCaptions[kind].Caption, kButtonCaptions[kind].Result});
    return service_.ShowModal(window);
}

}  // namespace ui
