#pragma once
// The picture at the top of the main window, a ZENTA handset beside its gateway, drawn
// with GDI. The program's icon, the handset alone, is drawn by tools/make-icon.py.

#include <windows.h>

namespace app::win32 {

HBITMAP DrawProductPicture(int width, int height);

}  // namespace app::win32
