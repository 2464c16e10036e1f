#pragma once
// Puts every control of the settings pages where it stands, in pixels of its tab sheet or
// group frame: each setting at the place its row gives, the two grids row by row with
// their headings.

namespace editor {

class TSettingsEditor;

void LayOutPages(TSettingsEditor& editor);

}  // namespace editor
