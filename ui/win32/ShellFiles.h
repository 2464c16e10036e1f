#pragma once
// What the Windows shell hands the program: its command line, and files dropped on a
// window. Names may hold any letter and arrive as UTF-8.

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace ui::win32 {

// The program's arguments, its own name first, split as Windows splits a command line.
std::vector<std::string> CommandLineArguments();

// Lets files be dropped on `window`, also from an Explorer that runs without the
// administrator rights this program asks for.
void AcceptDroppedFiles(HWND window);

// The files of a drop, in the order given; the drop is released.
std::vector<std::string> DroppedFiles(HDROP drop);

}  // namespace ui::win32
