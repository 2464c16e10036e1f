#pragma once
// The picture at the top of the main window, a ZENTA handset beside its gateway, and the
// program's icon, a handset alone: both drawn with GDI.

#include <windows.h>

namespace app::win32 {

HBITMAP DrawProductPicture(int width, int height);
HICON DrawProgramIcon(int size);

}  // namespace app::win32
