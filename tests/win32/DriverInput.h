#pragma once
// Real keyboard and mouse input into the running program, as a hand gives it: the input
// goes to the foreground window, so the main window is brought forward first.

#include <windows.h>

#include <string>

namespace windriver {

// Clicks `target` low in its middle while holding a modifier key: VK_LSHIFT, VK_RSHIFT,
// VK_LCONTROL or VK_RCONTROL.
void HeldClick(HWND target, WORD modifier);

// Presses Alt and a letter.
void AltKey(char letter);

// Presses a key with the modifiers of `chord` held, all in one go: "tab", "shift+tab",
// "ctrl+pgdn", "space", "up". Returns once the keys are sent.
void PressChord(const std::string& chord);

// Opens the main window's system menu with Alt+Space and presses a letter in it.
void SystemMenuKey(char letter);

}  // namespace windriver
