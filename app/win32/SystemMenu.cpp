#include "app/win32/SystemMenu.h"

#include <iterator>

namespace app::win32 {
namespace {

// Below 0xF000, where Windows' own commands start, and with the low four bits clear,
// which WM_SYSCOMMAND keeps for Windows.
constexpr UINT kUndoCommand = 0x0110;
constexpr UINT kRedoCommand = 0x0120;
constexpr UINT kSelectTransportCommand = 0x0100;
constexpr UINT kCompareWithFileCommand = 0x0130;
constexpr UINT kSaveConfigurationSheetCommand = 0x0140;

}  // namespace

void AddSystemMenuItems(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kUndoCommand, L"&Undo\tCtrl+Z");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kRedoCommand, L"Re&do\tCtrl+Y");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kSelectTransportCommand, L"Select &Transport...");
    AppendMenuW(menu, MF_STRING, kCompareWithFileCommand, L"Compare with &File...");
    AppendMenuW(menu, MF_STRING, kSaveConfigurationSheetCommand, L"Save Configuration S&heet...");
}

void EnableUndoItems(HWND window, bool canUndo, bool canRedo) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    EnableMenuItem(menu, kUndoCommand, MF_BYCOMMAND | (canUndo ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, kRedoCommand, MF_BYCOMMAND | (canRedo ? MF_ENABLED : MF_GRAYED));
}

// A key of an item in the system menu comes as WM_SYSCOMMAND, and not at all while the
// item is greyed.
HACCEL CreateSystemMenuKeys() {
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'Z', kUndoCommand},
                    {FVIRTKEY | FCONTROL, 'Y', kRedoCommand},
                    {FVIRTKEY | FCONTROL | FSHIFT, 'Z', kRedoCommand}};
    return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

std::optional<TSystemCommand> SystemCommandOf(WPARAM wParam) {
    switch (wParam & 0xFFF0) {
    case kUndoCommand: return TSystemCommand::Undo;
    case kRedoCommand: return TSystemCommand::Redo;
    case kSelectTransportCommand: return TSystemCommand::SelectTransport;
    case kCompareWithFileCommand: return TSystemCommand::CompareWithFile;
    case kSaveConfigurationSheetCommand: return TSystemCommand::SaveConfigurationSheet;
    default: return std::nullopt;
    }
}

}  // namespace app::win32
