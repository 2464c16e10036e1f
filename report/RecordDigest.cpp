#include "report/RecordDigest.h"

#include "files/SettingsFile.h"
#include "report/HeadlessEditor.h"
#include "report/Sha256.h"

namespace report {

std::string RecordSha256(std::span<const std::uint16_t> words) {
    std::string bytes;
    bytes.reserve(words.size() * 2);
    for (const std::uint16_t word : words) {
        bytes.push_back(static_cast<char>(word & 0xFF));
        bytes.push_back(static_cast<char>(word >> 8));
    }
    return Sha256Hex(bytes);
}

// A write changes the editor (the unit's edition rule, the fixed Radio PTT line), so the
// record is built from a copy the settings file carries over whole.
std::string RecordSha256(const editor::TSettingsEditor& settings, const records::TUnitKind& kind,
                         const records::TUnitIdentity& unit) {
    THeadlessEditor copy;
    copy.Load(files::SettingsFileText(settings));
    return RecordSha256(copy.RecordFor(kind, unit));
}

}  // namespace report
