#include "support/BannerSettings.h"
#include "Defs.h"
#include "support/Translate.h"
#include "support/Zymregistry.h"

using namespace Defs;

namespace {
const QString kPrintCols = QStringLiteral("PrC");
const QString kUseTitle = QStringLiteral("UTs");
const QString kUseName = QStringLiteral("UNs");
const QString kUseDate = QStringLiteral("UDs");
const QString kUseAddress = QStringLiteral("UAs");

template <typename T>
void readStatus(const QString& name, T& out)
{
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyPrintStatus, name, out, KEY_READ);
}

template <typename T>
bool writeStatus(const QString& name, const T& in)
{
    return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyPrintStatus, name, in, KEY_WRITE);
}
} // namespace

void BannerSettings::loadForReport()
{
    *this = BannerSettings{};
    readStatus(kPrintCols, printCols);
    readStatus(kUseTitle, useTitle);
    readStatus(kUseName, useName);
    readStatus(kUseDate, useDate);
    readStatus(kUseAddress, useAddress);
    for (int i = 0; i < kTexts; ++i) {
        // A value of the wrong type is reported by the read and leaves the text empty.
        QString value;
        if (ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyBanner, QString::number(i), value, KEY_READ))
            texts[static_cast<size_t>(i)] = value;
    }
}

BannerSettings::DialogRead BannerSettings::loadForDialog()
{
    useTitle = true;
    useDate = true;
    useName = false;
    useAddress = kAddressByDefault;
    readStatus(kUseTitle, useTitle);
    readStatus(kUseDate, useDate);
    readStatus(kUseName, useName);
    readStatus(kUseAddress, useAddress);
    QStringList stored;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyBanner, stored, KEY_READ);
    if (stored.isEmpty())
        return {};
    // A shorter list than the fourteen texts leaves the missing boxes empty.
    for (int i = 0; i < kTexts; ++i)
        texts[static_cast<size_t>(i)] = stored.value(i);
    int cols = kFullWidth;
    readStatus(kPrintCols, cols);
    // The dialog shows what would print: any value but full width is the 40 columns.
    printCols = cols == kFullWidth ? kFullWidth : 0;
    return {true};
}

bool BannerSettings::save() const
{
    ZYMAPI::StoreChange change;
    bool ok = writeStatus(kPrintCols, printCols);
    ok = writeStatus(kUseTitle, useTitle) && ok;
    ok = writeStatus(kUseDate, useDate) && ok;
    ok = writeStatus(kUseName, useName) && ok;
    ok = writeStatus(kUseAddress, useAddress) && ok;
    for (int i = 0; i < kTexts; ++i)
        ok = ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyBanner, QString::number(i),
                                   texts[static_cast<size_t>(i)], KEY_WRITE) && ok;
    return change.commit() && ok;
}

QStringList BannerSettings::col40Warnings() const
{
    static const struct {
        Text text;
        const char* name;
    } tested[] = {{Title, QT_TRANSLATE_NOOP("Vemox", "Title")},
                  {Name, QT_TRANSLATE_NOOP("Vemox", "Company")},
                  {Branch, QT_TRANSLATE_NOOP("Vemox", "Branch")},
                  {Street1, QT_TRANSLATE_NOOP("Vemox", "Address 1")},
                  {Street2, QT_TRANSLATE_NOOP("Vemox", "Address 2")},
                  {City, QT_TRANSLATE_NOOP("Vemox", "City")},
                  {State, QT_TRANSLATE_NOOP("Vemox", "State")},
                  {Country, QT_TRANSLATE_NOOP("Vemox", "Country")},
                  {Email, QT_TRANSLATE_NOOP("Vemox", "Email")},
                  {Web, QT_TRANSLATE_NOOP("Vemox", "Web site")},
                  {Info, QT_TRANSLATE_NOOP("Vemox", "Info")}};
    QStringList out;
    if (printCols != 0)
        return out;
    for (const auto& t : tested)
        if (text(t.text).size() > 40)
            out << translated(QT_TRANSLATE_NOOP("Vemox", "%1 is larger than 40 characters long. "
                                                         "Truncation will apply."))
                       .arg(translated(t.name));
    return out;
}
