#pragma once
// The picture at the top of the main window, a ZENTA handset beside its gateway, and the
// program's icon, a handset alone: both drawn with GDI.

#include <windows.h>

namespace app::win32 {

// The picture of the 96-DPI size given, drawn at `dpi`: a bitmap of the scaled size.
HBITMAP DrawProductPicture(int width, int height, int dpi);
HICON DrawProgramIcon(int size);

}  // namespace app::win32
