#pragma once
// The driver's commands for the keyboard, the log, the timings, screen readers and the
// compare dialog, each in a file of its own; WinDriver.cpp runs them.

#include <windows.h>

#include <string>
#include <vector>

namespace windriver {

// Presses each chord as real keys, one after the other.
int Keys(const std::vector<std::string>& chords);
// Prints the name of the control with the keyboard focus.
int Focus();
// Presses Tab until `name` has the focus.
int TabTo(const std::string& name);
// Goes round the Tab order from the focused control and back with Shift+Tab, and checks it.
int TabCycle();

// Prints what the log box shows: its lines, its first shown line, its selection and
// whether the caret stands at the start of its newest line.
int LogView();
// Scrolls the log box by `lines` lines; marks the characters `from` to `to` in it.
int LogScroll(int lines);
int LogSelect(int from, int to);

// Runs a button's action `count` times, in the window and without it, and prints and
// checks the window's own time.
int TimeAction(const std::string& action, int count, const std::string& path);

// Prints the name a screen reader gets for the control.
int PrintAccessibleName(const std::string& name);
// Asks the name of every control on show on every page of both tab sets, and checks that
// each one has one.
int NameWalk();
// The same for every control on show in the dialog of that caption.
int DialogNameWalk(const std::string& caption);

// The compare dialog: prints its line above the list, then the list's headings and rows,
// cells between " | ", the selected row after "* " and the others after "  "; prints its
// columns' widths; sizes it by WIDTH and HEIGHT more and prints how much its list grew.
int Rows(const std::string& caption);
// The headings of a report-style list view's columns.
std::vector<std::string> ColumnHeadings(HWND list);
int ColumnWidths(const std::string& caption);
int Grow(const std::string& caption, int width, int height);

}  // namespace windriver
