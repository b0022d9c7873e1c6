#pragma once
// Pictures for the currency controls: a flag from the resource library, or the program's own
// banknote for a currency that has none.
#include "support/ResourceLibrary.h"
#include <QImage>

// A deep copy of a library picture as a 24-bit image; a null image for a null picture.
// Raises VemoxError when the picture's bytes do not fill its size.
QImage toImage(const ResourcePicture& picture);

// The default banknote picture, 35 x 20, 24-bit. Loaded once, then shared.
QImage defaultBanknote();
