// READ DEVICE against a simulated unit whose settings record holds arbitrary words and
// reports an arbitrary length. The input is a header and the stored words, little-endian:
//   byte 0     bit 0 gateway (else handset), bit 1 gateway pages on show before the click,
//              bit 2 the read misreports its length, bit 3 a Kesto unit (else Ardex)
//   bytes 1-2  the misreported length
//   bytes 3-4  the version word
//   then       the record key's words, at most 40 (the read takes at most 36)
// Whatever the words, the read leaves no connection open, writes nothing and leaves the
// editor keeping its promises; and the record then built from the editor is one that
// reads back into the very same record.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "records/UnitIdentity.h"
#include "tests/support/EditorInvariants.h"
#include "tests/support/StartedForm.h"

namespace {

constexpr std::size_t kHeaderBytes = 5;
constexpr std::size_t kMostWords = 40;

struct TReadCase {
    bool Gateway = false;
    bool GatewayPages = false;
    bool Misreport = false;
    bool Kesto = false;
    std::uint16_t MisreportedLength = 0;
    std::uint16_t Version = 0;
    std::vector<std::uint16_t> Words;
};

std::uint16_t WordAt(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }

TReadCase Decode(const std::uint8_t* data, std::size_t size) {
    TReadCase c;
    const std::uint8_t flags = data[0];
    c.Gateway = (flags & 1) != 0;
    c.GatewayPages = (flags & 2) != 0;
    c.Misreport = (flags & 4) != 0;
    c.Kesto = (flags & 8) != 0;
    c.MisreportedLength = WordAt(data + 1);
    c.Version = WordAt(data + 3);
    const std::size_t words = std::min((size - kHeaderBytes) / 2, kMostWords);
    for (std::size_t i = 0; i < words; ++i) c.Words.push_back(WordAt(data + kHeaderBytes + 2 * i));
    return c;
}

void PutUnit(sim::TSimBench& bench, const TReadCase& c) {
    const sim::TUnitKind kind = c.Gateway ? sim::TUnitKind::Gateway : sim::TUnitKind::Handset;
    const auto typeWord = static_cast<std::uint16_t>((c.Gateway ? records::kGatewayType : records::kHandsetType) |
                                                     (c.Kesto ? 1 : records::kArdexEdition));
    bench.AttachUnit(sim::TSimUnit::Bare(kind, typeWord, c.Version));
    const std::uint16_t key = c.Gateway ? records::PSKEY_GW_XSETTINGS : records::PSKEY_HS_XSETTINGS;
    bench.Unit().SetKey(key, c.Words);
    if (c.Misreport) bench.Faults.MisreportNextRead(c.MisreportedLength, key);
}

// Reading a record that the editor built changes nothing in the next one it builds.
template <typename TRecord, typename TBuild, typename TApply>
void RequireStableRecord(app::TMajorForm& form, TBuild build, TApply apply) {
    const TRecord built = build(form);
    apply(built, form);
    fuzzing::Require(records::ToWords(build(form)) == records::ToWords(built),
                     "a record built from the editor reads back as another record");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) return 0;
    const TReadCase c = Decode(data, size);
    testing_support::TStartedForm started;
    app::TMajorForm& form = started.Form;
    PutUnit(started.Bench, c);
    if (c.GatewayPages) form.MasterPageControl.SetActivePage(form.CradleTabSheet);
    const std::uint32_t writesBefore = started.Bench.Counters.Writes;

    form.ReadDeviceButtonClick();

    fuzzing::Require(started.Bench.OpenConnections() == 0 && form.Connection.Handle() == 0, "a connection left open");
    fuzzing::Require(started.Bench.Counters.Writes == writesBefore, "READ DEVICE wrote to the unit");
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(form));
    if (c.Gateway)
        RequireStableRecord<records::gw_xsettings_t>(form, records::MapSettingsToGWRecord,
                                                     records::MapGWRecordToSettings);
    else
        RequireStableRecord<records::hs_xsettings_t>(form, records::MapSettingsToHSRecord,
                                                     records::MapHSRecordToSettings);
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(form));
    return 0;
}
