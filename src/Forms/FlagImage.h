#pragma once
// Pictures for the currency controls: a flag from the resource library, or the program's own
// banknote for a currency that has none.
#include "support/ResourceLibrary.h"
#include <QImage>
#include <QPixmap>

// A deep copy of a library picture as a 24-bit image; a null image for a null picture.
// Raises VemoxError when the picture's bytes do not fill its size.
QImage toImage(const ResourcePicture& picture);

// The default banknote picture, 35 x 20, 24-bit. Loaded once, then shared.
QImage defaultBanknote();

// The picture of a currency control: nothing for a negative number, the banknote for
// NoResourceIndex, else the flag of that ResourceIndex from the library (nothing when the
// library has none). A flag that cannot be made into a picture raises VemoxError "Bad mem".
QPixmap flagPixmap(const ResourceLibrary& library, int resourceIndex);
