#pragma once
// The picture at the top of the main window, a ZENTA handset beside its gateway, drawn
// with GDI. The program's icon, the handset alone, is drawn by tools/make-icon.py.

#include <windows.h>

namespace app::win32 {

// The picture of the 96-DPI size given, drawn at `dpi`: a bitmap of the scaled size.
HBITMAP DrawProductPicture(int width, int height, int dpi);

}  // namespace app::win32
