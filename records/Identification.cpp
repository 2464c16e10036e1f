#include "records/Identification.h"

#include "records/KeyTransfer.h"

namespace records {

std::optional<TUnitIdentity> ReadUnitIdentity(app::TMajorForm& form) {
    const TKeyRead type = ReadKey(form.Connection, PSKEY_UNIT_TYPE);
    if (!type.Ok) {
        form.Prompter.ShowError(kUnitTypeUnreadable);
        return std::nullopt;
    }
    const TKeyRead version = ReadKey(form.Connection, PSKEY_SW_VERSION);
    return IdentityOf(type.Words[0], version.Ok ? version.Words[0] : 0);
}

const TUnitKind& KindOnShow(const app::TMajorForm& form) {
    return form.MasterPageControl.ActivePage() == &form.HandsetTabSheet ? kHandsetKind : kGatewayKind;
}

void ShowVersion(app::TMajorForm& form, const TUnitKind& kind, const TUnitIdentity& unit) {
    const std::string text = VersionText(kind, unit);
    const bool handset = &kind == &kHandsetKind;
    form.AddLogLine(text);
    (handset ? form.HSSwVersionLabel : form.GWSwVersionLabel).Caption = text;
    (handset ? form.GWSwVersionLabel : form.HSSwVersionLabel).Caption.clear();
}

}  // namespace records
