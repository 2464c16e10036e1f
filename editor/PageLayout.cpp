#include "editor/PageLayout.h"

#include <memory>

#include "editor/SettingsEditor.h"
#include "editor/SettingsLookup.h"
#include "editor/SettingsTables.h"

namespace editor {
namespace {

constexpr int kRowHeight = 21;     // a list, a spin's box or a tick box
constexpr int kSpinWidth = 17;
constexpr int kBoxWidth = 48;

// A spin row: caption, box, arrows, and a unit after them.
void PlaceSpin(TSettingsEditor& e, const TSpinSetting& spin, ui::TControl* parent, int x, int y,
               int captionWidth) {
    (e.*spin.Label).Place(parent, {x, y + 4, captionWidth, 13});
    (e.*spin.Box).Place(parent, {x + captionWidth + 6, y, kBoxWidth, kRowHeight});
    (e.*spin.UpDown).Place(parent, {x + captionWidth + 6 + kBoxWidth, y, kSpinWidth, kRowHeight});
    if (!spin.Unit.empty())
        e.AddCaption(parent, {x + captionWidth + 12 + kBoxWidth + kSpinWidth, y + 4, 30, 13}, std::string(spin.Unit));
}

void LayOutHandsetPages(TSettingsEditor& e) {
    int y = 12;
    for (const TTickSetting& tick : TickSettings()) {
        if (tick.Page != TPage::UserExperience) continue;
        (e.*tick.Box).Place(&e.UserExperienceTabSheet, {16, y, 200, 17});
        y += 24;
    }
    y = 14;
    for (auto upDown : {&E::AutoTurnOffTimerUpDown, &E::LowBatteryBeepVoltageUpDown,
                        &E::LowBatteryBeepIntervalTimerUpDown}) {
        PlaceSpin(e, SpinSettingOf(upDown), &e.UserExperienceTabSheet, 226, y, 228);
        y += 40;
    }

    y = 14;
    for (auto upDown : {&E::InternalMicGainUpDown, &E::InternalMicHighGainBoostUpDown, &E::ExternalMicGainUpDown,
                        &E::ExternalMicHighGainBoostUpDown, &E::RemotePTTGainBoostUpDown, &E::AudioIntegrityUpDown}) {
        PlaceSpin(e, SpinSettingOf(upDown), &e.AudioLevelsTabSheet, 16, y, 170);
        y += 32;
    }
    e.FixedAlertToneVolumeCheckBox.Place(&e.AudioLevelsTabSheet, {300, 14, 200, 17});
    PlaceSpin(e, SpinSettingOf(&E::AlertToneVolumeUpDown), &e.AudioLevelsTabSheet, 316, 46, 110);

    e.PressAndHoldEmergencyGroupBox.Place(&e.EmergencyTabSheet, {8, 8, 523, 60});
    PlaceSpin(e, SpinSettingOf(&E::AudioLinkActiveTimeUpDown), &e.PressAndHoldEmergencyGroupBox, 12, 24, 220);
    e.ShortOrLongPressEmergencyGroupBox.Place(&e.EmergencyTabSheet, {8, 78, 523, 124});
    y = 24;
    for (auto upDown : {&E::TransmitTimeUpDown, &E::ReceiveTimeUpDown, &E::EmergencyRepeatCyclesUpDown}) {
        PlaceSpin(e, SpinSettingOf(upDown), &e.ShortOrLongPressEmergencyGroupBox, 12, y, 220);
        y += 32;
    }
    e.TransmitAudibleEmergencyToneCheckBox.Place(&e.EmergencyTabSheet, {16, 214, 250, 17});

    e.HirosePin2FunctionLabel.Place(&e.HardwareTabSheet, {16, 12, 120, 13});
    e.HirosePin2FunctionComboBox.Place(&e.HardwareTabSheet, {140, 8, 120, kRowHeight});
    ui::TGroupBox& grid = e.ButtonAssignmentsGroupBox;
    grid.Place(&e.HardwareTabSheet, {8, 36, 523, 250});
    PlaceSpin(e, SpinSettingOf(&E::LongPressDurationUpDown), &grid, 230, 18, 110);
    constexpr int kCellWidth = 140, kFirstCell = 72, kGridTop = 66;
    for (std::size_t c = 0; c < kButtonColumns.size(); ++c)
        e.AddCaption(&grid, {kFirstCell + static_cast<int>(c) * (kCellWidth + 8), kGridTop - 18, kCellWidth, 13},
                     kButtonColumns[c]);
    y = kGridTop;
    for (const TButtonRow& row : ButtonRows()) {
        e.AddCaption(&grid, {10, y + 4, 60, 13}, row.Caption);
        int x = kFirstCell;
        for (auto cell : {row.PressAndHold, row.ShortPress, row.LongPress}) {
            (e.*cell).Place(&grid, {x, y, kCellWidth, kRowHeight});
            x += kCellWidth + 8;
        }
        y += 25;
    }
}

void LayOutGatewayPages(TSettingsEditor& e) {
    int y = 14;
    for (auto upDown : {&E::GWReceiveInputGainUpDown, &E::GWTransmitOutputGainUpDown,
                        &E::GWTalkAroundOutputGainUpDown}) {
        PlaceSpin(e, SpinSettingOf(upDown), &e.GWAudioLevelsTabSheet, 16, y, 220);
        y += 32;
    }
    PlaceSpin(e, SpinSettingOf(&E::GWVOXTriggerLevelUpDown), &e.GWAudioLevelsTabSheet, 16, y + 16, 220);
    y = 14;
    for (const TTickSetting& tick : TickSettings()) {
        if (tick.Page != TPage::GWAudioLevels) continue;
        (e.*tick.Box).Place(&e.GWAudioLevelsTabSheet, {330, y, 200, 17});
        y += 26;
    }

    ui::TTabSheet& sheet = e.GWHardwareTabSheet;
    constexpr int kCaption = 12, kIO = 112, kActive = 192, kFunction = 262, kPulse = 432, kTop = 28;
    // Each heading as wide as its column, so that no heading covers the next one.
    const int columns[] = {kIO, kActive, kFunction, kPulse};
    const int widths[] = {72, 62, 162, 90};
    for (std::size_t c = 0; c < kLineColumns.size(); ++c)
        e.AddCaption(&sheet, {columns[c], 8, widths[c], 13}, kLineColumns[c]);
    y = kTop;
    for (const TGatewayLine& line : GatewayLines()) {
        e.AddCaption(&sheet, {kCaption, y + 4, 96, 13}, line.Caption);
        (e.*line.IO).Place(&sheet, {kIO, y, 72, kRowHeight});
        (e.*line.Active).Place(&sheet, {kActive, y, 62, kRowHeight});
        (e.*line.Function).Place(&sheet, {kFunction, y, 162, kRowHeight});
        (e.*line.PulseBox).Place(&sheet, {kPulse, y, 56, kRowHeight});
        (e.*line.Pulse).Place(&sheet, {kPulse + 56, y, kSpinWidth, kRowHeight});
        y += 28;
    }
}

}  // namespace

void LayOutPages(TSettingsEditor& e) {
    // The top-level tab set and the two inner page controls fill their sheets.
    e.MasterPageControl.Bounds = {14, 194, 563, 350};
    for (ui::TTabSheet* sheet : {&e.HandsetTabSheet, &e.CradleTabSheet}) sheet->Bounds = {4, 24, 555, 322};
    e.HandsetPageControl.Bounds = {4, 4, 547, 314};
    e.CradlePageControl.Bounds = {4, 4, 547, 314};
    for (ui::TTabSheet* sheet : e.HandsetPageControl.Pages()) sheet->Bounds = {4, 24, 539, 286};
    for (ui::TTabSheet* sheet : e.CradlePageControl.Pages()) sheet->Bounds = {4, 24, 539, 286};
    e.grpModelBox.Bounds = {616, 48, 113, 81};
    e.butModelArdex.Place(&e.grpModelBox, {8, 24, 95, 17});
    e.butModelKesto.Place(&e.grpModelBox, {8, 48, 95, 17});
    LayOutHandsetPages(e);
    LayOutGatewayPages(e);
}

}  // namespace editor
