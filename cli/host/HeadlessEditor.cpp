#include "cli/host/HeadlessEditor.h"

#include <algorithm>
#include <sstream>

#include "files/SettingsFile.h"

namespace cli {

THeadlessEditor::THeadlessEditor() { editor_.StartUp(); }

void THeadlessEditor::ShowRecord(const records::TUnitKind& kind, const records::TUnitIdentity& unit,
                                 std::span<const std::uint16_t> words) {
    records::TRecordWords record{};
    std::copy_n(words.begin(), std::min(words.size(), record.size()), record.begin());
    editor_.MasterPageControl.SetActivePage(editor_.*kind.Pages);
    records::SelectUnitEdition(kind, unit, units_, editor_);
    records::ApplyUnitRecord(kind, unit, record, units_, editor_);
}

files::TLoadReport THeadlessEditor::Load(const std::string& bytes) {
    std::istringstream in(bytes);
    return files::LoadSettingsFile(editor_, in);
}

records::TRecordWords THeadlessEditor::RecordFor(const records::TUnitKind& kind, const records::TUnitIdentity& unit) {
    return records::RecordForUnit(kind, unit, units_, editor_);
}

}  // namespace cli
