#include "editor/KeyPressMaps.h"

#include <string>

#include "editor/ListText.h"

namespace editor {
namespace {

constexpr TKeyText kHandset[] = {
    {"Radio PTT", 2}, {"Talk Around PTT", 3}, {"Volume Up", 4}, {"Volume Down", 5}, {"Emergency", 6},
    {"Aux 1", 7},     {"Aux 2", 8},           {"On / Off", 1},  {"HF On/Off", 9},   {"Disabled", 0},
};

// The input functions come first, then the output functions; "Disabled" serves both.
constexpr TKeyText kGatewayInput[] = {{"Radio COR", 1}, {"Remote PTT", 2}, {"Find Me", 3}};
constexpr TKeyText kGatewayOutput[] = {
    {"Radio PTT", 1}, {"Emergency", 2},         {"Talk around", 3},          {"Aux 1", 4},
    {"Aux 2", 5},     {"Handset in Cradle", 6}, {"Handset out of Range", 7}, {"Handsfree active", 8},
};
constexpr TKeyText kGateway[] = {
    {"Radio COR", 1},        {"Remote PTT", 2}, {"Find Me", 3}, {"Radio PTT", 1},         {"Emergency", 2},
    {"Talk around", 3},      {"Aux 1", 4},      {"Aux 2", 5},   {"Handset in Cradle", 6}, {"Handset out of Range", 7},
    {"Handsfree active", 8}, {"Disabled", 0},
};
constexpr int kHandsfreeCode = 8;

int TextToCode(std::span<const TKeyText> table, const ui::TComboBox& list, const char* function,
               ui::TPrompter& prompter) {
    for (const TKeyText& key : table)
        if (list.Text().find(key.Text) != std::string::npos) return key.Code;
    prompter.ShowError("Text '" + list.Text() + "' is not matched in " + function + "()!");
    return 0;
}

const char* KeyText(std::span<const TKeyText> table, int code) {
    for (const TKeyText& key : table)
        if (key.Code == code) return key.Text;
    return nullptr;
}

void ReportCode(int code, const char* function, ui::TPrompter& prompter) {
    prompter.ShowError("KeyPress '" + std::to_string(code) + "' is not matched in " + function + "()!");
}

}  // namespace

std::span<const TKeyText> HandsetKeyTexts() { return kHandset; }
std::span<const TKeyText> GatewayKeyTexts() { return kGateway; }

std::vector<std::string> InputFunctionItems() {
    std::vector<std::string> items{"Disabled"};
    for (const TKeyText& key : kGatewayInput) items.emplace_back(key.Text);
    return items;
}

std::vector<std::string> OutputFunctionItems(bool withHandsfree) {
    std::vector<std::string> items{"Disabled"};
    for (const TKeyText& key : kGatewayOutput)
        if (key.Code != kHandsfreeCode || withHandsfree) items.emplace_back(key.Text);
    return items;
}

int MapComboBoxToHSKeyPress(const ui::TComboBox& list, ui::TPrompter& prompter) {
    return TextToCode(kHandset, list, "MapComboBoxToHSKeyPress", prompter);
}

int MapComboBoxToGWKeyPress(const ui::TComboBox& list, ui::TPrompter& prompter) {
    return TextToCode(kGateway, list, "MapComboBoxToGWKeyPress", prompter);
}

void MapHSKeyPressToComboBox(int code, ui::TComboBox& list, ui::TPrompter& prompter) {
    if (const char* text = KeyText(kHandset, code)) {
        SelectItemContaining(list, text);
        return;
    }
    ReportCode(code, "MapHSKeyPressToComboBox", prompter);
    SelectItemContaining(list, "Disabled");
}

// Two passes: on an input line only the input pass can match, on an output line only
// the output pass, since no item of one list contains a key text of the other.
void MapGWKeyPressToComboBox(int code, ui::TComboBox& list, ui::TPrompter& prompter) {
    if (const char* text = KeyText(kGatewayInput, code)) SelectItemContaining(list, text);
    if (code == 0) {
        SelectItemContaining(list, "Disabled");
    } else if (const char* text = KeyText(kGatewayOutput, code)) {
        SelectItemContaining(list, text);
    } else {
        ReportCode(code, "MapGWKeyPressToComboBox", prompter);
        SelectItemContaining(list, "Disabled");
    }
}

}  // namespace editor
