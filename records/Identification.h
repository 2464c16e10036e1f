#pragma once
// The identification steps that the read and program workflows share, on an open
// connection of the main window.

#include <optional>

#include "app/MajorForm.h"
#include "records/UnitIdentity.h"

namespace records {

// Reads the unit-type and version keys. Empty, after the "Fail to read pskey" prompt,
// when the unit type cannot be read; an unreadable version counts as version 0.
std::optional<TUnitIdentity> ReadUnitIdentity(app::TMajorForm& form);

// The unit kind whose pages are on show.
const TUnitKind& KindOnShow(const app::TMajorForm& form);

// The version text to the log and to the kind's label; the other label is emptied.
void ShowVersion(app::TMajorForm& form, const TUnitKind& kind, const TUnitIdentity& unit);

}  // namespace records
