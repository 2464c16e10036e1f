#include "app/UnitIdentification.h"

#include "app/UserActions.h"
#include "records/KeyTransfer.h"

namespace app {

TDeviceResult ReadUnitIdentity(TDeviceContext& context) {
    const records::TKeyRead type = records::ReadKey(context.Connection, records::PSKEY_UNIT_TYPE);
    if (!type.Ok) return ShowFailure(context, {}, TDeviceOutcome::ReadFailed, records::kUnitTypeUnreadable);
    const records::TKeyRead version = records::ReadKey(context.Connection, records::PSKEY_SW_VERSION);
    TDeviceResult identified{.Outcome = TDeviceOutcome::Succeeded};
    identified.Unit = records::IdentityOf(type.Words[0], version.Ok ? version.Words[0] : 0);
    return identified;
}

TDeviceResult IdentifyUnit(TDeviceContext& context) {
    TDeviceResult detected = DetectDevice(context);
    if (detected.Outcome != TDeviceOutcome::Succeeded) return detected;
    context.Connection.OpenConnection();
    TDeviceResult identified = ReadUnitIdentity(context);
    context.Connection.CloseConnection();
    return identified;
}

const records::TUnitKind& KindOnShow(const editor::TSettingsEditor& settings) {
    return settings.MasterPageControl.ActivePage() == &settings.HandsetTabSheet ? records::kHandsetKind
                                                                                : records::kGatewayKind;
}

ui::TTabSheet* PagesOfUnit(editor::TSettingsEditor& settings, const records::TUnitIdentity& unit) {
    if (unit.Type == records::kHandsetType) return &settings.HandsetTabSheet;
    if (unit.Type == records::kGatewayType) return &settings.CradleTabSheet;
    return nullptr;
}

void ShowVersion(TDeviceContext& context, const records::TUnitKind& kind, const records::TUnitIdentity& unit) {
    const std::string text = records::VersionText(kind, unit);
    const bool handset = &kind == &records::kHandsetKind;
    context.Log.AddLogLine(text);
    (handset ? context.HSSwVersionLabel : context.GWSwVersionLabel).Caption = text;
    (handset ? context.GWSwVersionLabel : context.HSSwVersionLabel).Caption.clear();
}

TDeviceResult ShowFailure(TDeviceContext& context, TDeviceResult result, TDeviceOutcome outcome, std::string message) {
    context.Prompter.ShowError(message);
    result.Outcome = outcome;
    result.Message = std::move(message);
    return result;
}

}  // namespace app
