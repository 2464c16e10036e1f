#pragma once
// The log box: a multi-line edit control that keeps every line and follows its newest
// one, unless the user has scrolled back or marked text in it; then the place and the
// marked text stay while lines are added below.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace ui::win32 {

// Lifts the edit control's default limit of some 32,000 characters, which would make
// the log stop growing: a limit of 0 is the most the control can hold.
void LiftTextLimit(HWND box);

// Shows `lines` in the box, `shown` of which it shows already; `shown` is then all of them.
void ShowLogLines(HWND box, const std::vector<std::string>& lines, std::size_t& shown);

}  // namespace ui::win32
