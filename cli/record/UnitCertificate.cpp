#include "cli/record/UnitCertificate.h"

#include "cli/host/FileSnapshot.h"
#include "cli/record/RecordSummary.h"
#include "records/UnitText.h"
#include "report/HeadlessEditor.h"
#include "report/RecordDigest.h"
#include "report/Sha256.h"

namespace cli {
namespace {

bool IsDigest(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

report::TProductionFacts ProductionFacts(const TCertificateRequest& request, const TRecordEntry& entry,
                                         bool fileUnchanged) {
    return {.Entry = request.Record + ", entry " + std::to_string(request.Entry),
            .Time = entry.Time,
            .Adapter = entry.Adapter,
            .Bench = entry.Bench,
            .Operator = entry.Operator,
            .ProgramVersion = entry.ProgramVersion,
            .Result = entry.Result,
            .Written = entry.Written,
            .Verification = entry.Verification,
            .ReadBackSha256 = entry.ReadBackSha256,
            .FileSha256 = entry.Sha256,
            .FileUnchanged = fileUnchanged};
}

// The entry of a unit whose record was read back after the write, identified well
// enough to build the record the job file gave it.
struct TCertifiable {
    TRecordEntry Entry;
    const records::TUnitKind* Kind;
    records::TUnitIdentity Unit;
};

std::optional<TCertifiable> CertifiableEntry(const TCertificateRequest& request, TCommandContext& context) {
    const std::optional<TNumberedEntry> found = NumberedEntry(request.Record, request.Entry);
    const auto refuse = [&]() -> std::ostream& { return context.Err << "zenta report: " << request.Record << ": "; };
    if (!found) {
        refuse() << "cannot be read\n";
        return std::nullopt;
    }
    if (!found->Entry) {
        refuse() << "no entry " << request.Entry << ": the record holds " << found->Units
                 << (found->Units == 1 ? " unit's entry\n" : " units' entries\n");
        return std::nullopt;
    }
    const TRecordEntry& entry = *found->Entry;
    const std::optional<records::TUnitIdentity> unit =
        records::IdentityOfText({entry.Kind, entry.Version, entry.Edition});
    if (!unit || !IsDigest(entry.ReadBackSha256)) {
        refuse() << "entry " << request.Entry << " (" << entry.Kind << ", " << entry.Result
                 << ") holds no SHA-256 of a record read back from a handset or gateway: the unit failed before the "
                    "read-back, or the record was written before entries held it; no certificate is made\n";
        return std::nullopt;
    }
    return TCertifiable{entry, records::KindOfType(unit->Type), *unit};
}

}  // namespace

std::optional<TCertificate> UnitCertificate(const TCertificateRequest& request, report::TSheetFacts facts,
                                            TCommandContext& context) {
    const std::optional<TCertifiable> certifiable = CertifiableEntry(request, context);
    if (!certifiable) return std::nullopt;
    const auto& [entry, kind, unit] = *certifiable;
    const std::string path = request.JobFile.value_or(entry.File);
    const auto file = ReadSnapshot(path, "report", context);
    if (!file) return std::nullopt;

    TCertificate certificate;
    const bool unchanged = report::Sha256Hex(file->Bytes()) == entry.Sha256;
    // The settings as READ DEVICE would show the unit the job file was written to: its
    // edition's rules applied, the other kind's pages left at their defaults.
    report::THeadlessEditor held;
    if (unchanged) {
        report::THeadlessEditor job;
        job.Load(file->Bytes());
        held.ShowRecord(*kind, unit, job.RecordFor(*kind, unit));
    } else {
        certificate.Findings.push_back(path + ": not the job file unit " + std::to_string(request.Entry) +
                                       " was programmed with: its SHA-256 is not the one recorded");
    }
    if (unchanged && entry.ReadBackSha256 != report::RecordSha256(held.Editor(), *kind, unit))
        certificate.Findings.push_back("the words read back from unit " + std::to_string(request.Entry) +
                                       " are not the record the job file gives it");
    facts.Source = path;
    facts.Production = ProductionFacts(request, entry, unchanged);
    const report::TSheetUnit sheetUnit{kind, unit};
    certificate.Html = report::ConfigurationSheet(held.Editor(), {&sheetUnit, 1}, facts);
    return certificate;
}

}  // namespace cli
