#pragma once
// Where each control of the settings pages stands, in pixels of its tab sheet or group
// frame, and the row and column headings of the two grids.

namespace editor {

class TSettingsEditor;

void LayOutPages(TSettingsEditor& editor);

}  // namespace editor
