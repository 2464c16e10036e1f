#pragma once
// A settings editor of the command's own, started as the window starts, with no window
// and no unit behind it: what READ DEVICE shows of a record, what LOAD FILE makes of a
// file, and the record PROGRAM DEVICE would write from it, worked out from the words and
// bytes a command already holds. Its prompts are answered as Enter would and kept unshown.

#include <cstdint>
#include <span>
#include <string>

#include "editor/SettingsEditor.h"
#include "files/LoadReport.h"
#include "records/UnitKind.h"
#include "ui/Headless.h"

namespace cli {

class THeadlessEditor {
public:
    THeadlessEditor();
    THeadlessEditor(const THeadlessEditor&) = delete;
    THeadlessEditor& operator=(const THeadlessEditor&) = delete;

    editor::TSettingsEditor& Editor() { return editor_; }
    const editor::TSettingsEditor& Editor() const { return editor_; }

    // READ DEVICE's view of the record a unit gave, on the pages of its kind: the first
    // words of the record, missing ones as 0.
    void ShowRecord(const records::TUnitKind& kind, const records::TUnitIdentity& unit,
                    std::span<const std::uint16_t> words);
    // LOAD FILE of these bytes, and what it found in them.
    files::TLoadReport Load(const std::string& bytes);
    // The record PROGRAM DEVICE would write to this unit from the settings.
    records::TRecordWords RecordFor(const records::TUnitKind& kind, const records::TUnitIdentity& unit);

private:
    ui::THeadlessPrompts prompts_;
    ui::TPrompter prompter_{prompts_};
    editor::TSettingsEditor editor_{prompter_};
    records::TUnitMemory units_;
};

}  // namespace cli
