#pragma once
// The picture at the top of the main window: a ZENTA handset beside its gateway, drawn with
// GDI into a bitmap of the given size.

#include <windows.h>

namespace ui::win32 {

HBITMAP DrawProductPicture(int width, int height);

}  // namespace ui::win32
