#include "Forms/FlagImage.h"
#include "data/CurrencyData.h"
#include "support/Errors.h"
#include "support/Trap.h"
#include "support/Translate.h"
#include <cstring>

QImage toImage(const ResourcePicture& picture)
{
    if (picture.isNull())
        return {};
    const qsizetype rowBytes = qsizetype(picture.width) * 3;
    if (picture.width < 0 || picture.height < 0 || picture.rgb.size() != rowBytes * picture.height)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The picture's pixels do not fill %1 x %2"))
                             .arg(picture.width)
                             .arg(picture.height));
    QImage img(picture.width, picture.height, QImage::Format_RGB888);
    if (img.isNull())
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "No memory for a %1 x %2 picture"))
                             .arg(picture.width)
                             .arg(picture.height));
    // The image pads its rows to four bytes; the library's rows are packed.
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(img.scanLine(y), picture.rgb.constData() + y * rowBytes, rowBytes);
    return img;
}

namespace {
QImage loadBanknote()
{
    QImage img(QStringLiteral(":/images/banknote.bmp"));
    return img.convertToFormat(QImage::Format_RGB888);
}
} // namespace

QImage defaultBanknote()
{
    // The resources live in a static library: naming them here keeps the linker from
    // dropping them.
    static const QImage picture = [] {
        Q_INIT_RESOURCE(vemox);
        return loadBanknote();
    }();
    return picture;
}

QPixmap flagPixmap(const ResourceLibrary& library, int resourceIndex)
{
    if (resourceIndex < 0)
        return {};
    if (resourceIndex == NoResourceIndex)
    {
        static const QPixmap note = QPixmap::fromImage(defaultBanknote());
        return note;
    }
    const ResourcePicture picture = library.ReadPicture(ResourceLibrary::FlagId(resourceIndex));
    QPixmap out;
    trapWith([&] { out = QPixmap::fromImage(toImage(picture)); },
             [](VemoxError&) { throw VemoxError(QStringLiteral("Bad mem")); });
    return out;
}
