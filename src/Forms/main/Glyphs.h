#pragma once
// The pictures of the main window's icon-only buttons, drawn so that no image file is needed.
#include <QIcon>

namespace Glyphs {
QIcon printer();   // Quick Print
QIcon update();    // Update from the Web
} // namespace Glyphs
