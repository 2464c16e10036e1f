#pragma once
// The main window's system menu. Below Windows' own items: "&Undo" (Ctrl+Z) and "Re&do"
// (Ctrl+Y), greyed while there is nothing to undo or redo; "Select &Transport...", which
// opens the transport picker; "Compare with &File...", which compares the editor with a
// settings file; and "Save Configuration S&heet...", which saves the printable sheet of
// the settings on show. A dialog-style window has no menu bar; this is where such a window
// puts its few commands of its own. Each item's mnemonic is one that no other item of the
// menu uses, Windows' own included (&Restore, &Move, &Size, Mi&nimize, Ma&ximize, &Close),
// so that Alt+Space and the letter choose it at once. Of the sheet's item's letters, S,
// C, N and R are Windows' items' and U, F and T ours: it takes H.

#include <windows.h>

#include <optional>

namespace app::win32 {

enum class TSystemCommand { Undo, Redo, SelectTransport, CompareWithFile, SaveConfigurationSheet };

void AddSystemMenuItems(HWND window);
// Greys "Undo" and "Redo" when there is nothing to undo or redo.
void EnableUndoItems(HWND window, bool canUndo, bool canRedo);

// The keys of the menu's items besides their mnemonics: Ctrl+Z, and Ctrl+Y or
// Ctrl+Shift+Z. Owned by the caller (DestroyAcceleratorTable).
HACCEL CreateSystemMenuKeys();

// The command of a WM_SYSCOMMAND's wParam, or of a WM_COMMAND's that one of the keys sent;
// nothing for any other.
std::optional<TSystemCommand> SystemCommandOf(WPARAM wParam);

}  // namespace app::win32
