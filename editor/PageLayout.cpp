#include "editor/PageLayout.h"

#include <stdexcept>
#include <string>

#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace editor {
namespace {

constexpr int kRowHeight = 21;  // a list or a spin's box
constexpr int kSpinWidth = 17;
constexpr int kBoxWidth = 48;
constexpr int kListWidth = 120;
constexpr int kTickHeight = 17;
constexpr int kCaptionHeight = 13;
constexpr int kCaptionDrop = 4;  // a caption's text sits level with the text of the box beside it

ui::TTabSheet& SheetOf(TSettingsEditor& e, TPage page) {
    switch (page) {
    case TPage::UserExperience: return e.UserExperienceTabSheet;
    case TPage::AudioLevels: return e.AudioLevelsTabSheet;
    case TPage::Emergency: return e.EmergencyTabSheet;
    case TPage::Hardware: return e.HardwareTabSheet;
    case TPage::GWAudioLevels: return e.GWAudioLevelsTabSheet;
    case TPage::GWHardware: return e.GWHardwareTabSheet;
    }
    throw std::logic_error("a settings page without its tab sheet");
}

void PlaceTick(TSettingsEditor& e, const TTickSetting& tick) {
    const TPlace& at = tick.Place;
    (e.*tick.Box).Place(&SheetOf(e, tick.Page), {at.Left, at.Top, at.Width, kTickHeight});
}

// Caption, box, arrows, and a unit after them.
void PlaceSpin(TSettingsEditor& e, const TSpinSetting& spin) {
    ui::TControl* parent = spin.Frame ? static_cast<ui::TControl*>(&(e.*spin.Frame)) : &SheetOf(e, spin.Page);
    const TPlace& at = spin.Place;
    const int boxLeft = at.Left + at.Width + 6;
    (e.*spin.Label).Place(parent, {at.Left, at.Top + kCaptionDrop, at.Width, kCaptionHeight});
    (e.*spin.Box).Place(parent, {boxLeft, at.Top, kBoxWidth, kRowHeight});
    (e.*spin.UpDown).Place(parent, {boxLeft + kBoxWidth, at.Top, kSpinWidth, kRowHeight});
    if (!spin.Unit.empty())
        e.AddCaption(parent, {boxLeft + kBoxWidth + kSpinWidth + 6, at.Top + kCaptionDrop, 30, kCaptionHeight},
                     std::string(spin.Unit));
}

void PlaceList(TSettingsEditor& e, const TListSetting& list) {
    ui::TTabSheet& sheet = SheetOf(e, list.Page);
    const TPlace& at = list.Place;
    (e.*list.Label).Place(&sheet, {at.Left, at.Top + kCaptionDrop, at.Width, kCaptionHeight});
    (e.*list.List).Place(&sheet, {at.Left + at.Width + 4, at.Top, kListWidth, kRowHeight});
}

void PlaceFrames(TSettingsEditor& e) {
    e.PressAndHoldEmergencyGroupBox.Place(&e.EmergencyTabSheet, {8, 8, 523, 60});
    e.ShortOrLongPressEmergencyGroupBox.Place(&e.EmergencyTabSheet, {8, 78, 523, 124});
    e.ButtonAssignmentsGroupBox.Place(&e.HardwareTabSheet, {8, 36, 523, 250});
}

// The rows of the button grid, each with its caption and its three lists.
void LayOutButtonGrid(TSettingsEditor& e) {
    ui::TGroupBox& grid = e.ButtonAssignmentsGroupBox;
    constexpr int kCellWidth = 140, kFirstCell = 72, kGridTop = 66;
    for (std::size_t c = 0; c < kButtonColumns.size(); ++c)
        e.AddCaption(&grid, {kFirstCell + static_cast<int>(c) * (kCellWidth + 8), kGridTop - 18, kCellWidth, 13},
                     kButtonColumns[c]);
    int y = kGridTop;
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

// The gateway's I/O lines, one row each: caption, I/O, active level, function and pulse.
void LayOutLineGrid(TSettingsEditor& e) {
    ui::TTabSheet& sheet = e.GWHardwareTabSheet;
    constexpr int kCaption = 12, kIO = 112, kActive = 192, kFunction = 262, kPulse = 432, kTop = 28;
    // Each heading as wide as its column, so that no heading covers the next one.
    const int columns[] = {kIO, kActive, kFunction, kPulse};
    const int widths[] = {72, 62, 162, 90};
    for (std::size_t c = 0; c < kLineColumns.size(); ++c)
        e.AddCaption(&sheet, {columns[c], 8, widths[c], 13}, kLineColumns[c]);
    int y = kTop;
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
    PlaceFrames(e);
    // Every setting stands where its row says; the unit caption a spin adds comes before
    // the grids' headings.
    for (const TTickSetting& tick : TickSettings()) PlaceTick(e, tick);
    for (const TSpinSetting& spin : SpinSettings()) PlaceSpin(e, spin);
    for (const TListSetting& list : ListSettings()) PlaceList(e, list);
    LayOutButtonGrid(e);
    LayOutLineGrid(e);
}

}  // namespace editor
