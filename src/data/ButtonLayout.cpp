#include "data/ButtonLayout.h"

#include "Defs.h"
#include "support/DataFolder.h"
#include "data/CurrencyTable.h"
#include "data/Regions.h"
#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/SettingsStore.h"
#include "support/Trap.h"
#include "support/Translate.h"

#include <QCollator>
#include <algorithm>
#include <optional>

namespace {

const RegionDef* findRegion(const QString& region)
{
    for (const RegionDef& r : kRegions)
        if (region == QLatin1String(r.name))
            return &r;
    return nullptr;
}

// The parts a region command stands for; any other region is matched as it is.
QStringList regionParts(const QString& region)
{
    QStringList parts;
    if (const RegionDef* r = findRegion(region))
        for (const char* part : r->parts)
            if (part)
                parts << QString::fromLatin1(part);
    return parts.isEmpty() ? QStringList{region} : parts;
}

// How many tabs a region names ("Europe 1" ... "Europe 4"); a region of one tab is named
// without a number. Nothing for a region outside the table.
std::optional<int> namedTabs(const QString& region)
{
    if (const RegionDef* r = findRegion(region))
        return r->namedTabs;
    return std::nullopt;
}

} // namespace

const QStringList& ButtonLayout::Regions()
{
    static const QStringList regions = [] {
        QStringList names;
        for (const RegionDef& r : kRegions)
            names << QString::fromLatin1(r.name);
        return names;
    }();
    return regions;
}

QString ButtonLayout::RegionOfTag(int tag)
{
    if (tag < 1 || tag > Regions().size())
        return QStringLiteral("America");
    return Regions().at(tag - 1);
}

ButtonLayout::ButtonLayout() { ResetTabNames(); }

void ButtonLayout::checkTab(int tab) const
{
    if (tab < 0 || tab >= kTabs)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "List index out of bounds (%1)")).arg(tab));
}

void ButtonLayout::checkSlot(int tab, int slot) const
{
    checkTab(tab);
    if (slot < 1 || slot > kSlots)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "List index out of bounds (%1)")).arg(slot));
}

QString ButtonLayout::at(int tab, int slot) const
{
    checkSlot(tab, slot);
    return ButtonAssignments.value(index(tab, slot));
}

void ButtonLayout::assign(int tab, int slot, const QString& country)
{
    checkSlot(tab, slot);
    const int i = index(tab, slot);
    while (ButtonAssignments.size() <= i)
        ButtonAssignments.append(QString());
    ButtonAssignments[i] = country;
}

bool ButtonLayout::remove(int tab, int slot)
{
    checkSlot(tab, slot);
    const int i = index(tab, slot);
    if (i >= ButtonAssignments.size())
        return false;
    ButtonAssignments[i].clear();
    return true;
}

void ButtonLayout::clearTab(int tab)
{
    checkTab(tab);
    const int end = std::min<qsizetype>(index(tab, kSlots) + 1, ButtonAssignments.size());
    for (int i = index(tab, 1); i < end; ++i)
        ButtonAssignments[i].clear();
    tabNames_[tab] = QString::number(tab + 1);
}

void ButtonLayout::clearAll()
{
    ButtonAssignments.clear();
    ResetTabNames();
}

bool ButtonLayout::CollectRegionCountries(const CurrencyTable& table, const QString& region)
{
    return trapped(translated(kCollectSuffix), [&] {
        const QStringList parts = regionParts(region);
        for (int i = 0; i < table.Count(); ++i) {
            const CCurrencyData* record = table.At(i);
            if (parts.contains(record->GetRegion()))
                ButtonAssignments.append(record->GetCountryName());
        }
        QCollator collator;   // the current locale's
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(ButtonAssignments.begin(), ButtonAssignments.end(),
                         [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    });
}

void ButtonLayout::LoadRegionDefaults(const CurrencyTable& table, const QString& region,
                                      const std::function<void()>& showFirstTab)
{
    ButtonAssignments.clear();
    CollectRegionCountries(table, region);
    if (showFirstTab)
        showFirstTab();
    ResetTabNames();
    const auto tabs = namedTabs(region);
    if (!tabs) {
        messenger().messageDialog(translated(kBadSelection), Messenger::Icon::Error);
        return;
    }
    if (*tabs == 1)
        tabNames_[0] = region;
    else
        for (int t = 0; t < *tabs; ++t)
            tabNames_[t] = QStringLiteral("%1 %2").arg(region).arg(t + 1);
}

const QString& ButtonLayout::tabName(int tab) const
{
    checkTab(tab);
    return tabNames_.at(tab);
}

void ButtonLayout::setTabName(int tab, const QString& name)
{
    checkTab(tab);
    tabNames_[tab] = name;
}

void ButtonLayout::ResetTabNames()
{
    tabNames_.clear();
    for (int t = 0; t < kTabs; ++t)
        tabNames_.append(QString::number(t + 1));
}

ButtonLayout::TabView ButtonLayout::tabSlots(int tab, const CurrencyTable& table) const
{
    checkTab(tab);
    TabView view;
    for (int slot = 1; slot <= kSlots; ++slot) {
        SlotView& s = view[slot - 1];
        s.caption = ButtonAssignments.value(index(tab, slot));
        if (s.caption.isEmpty())
            continue;
        if (const CCurrencyData* record = table.FindByCountry(s.caption))
            s.picture = record->GetResourceIndex();
    }
    return view;
}

void ButtonLayout::openLibrary(ResourceLibrary& library)
{
    library.Open(translated(kLibraryError));
}

bool ButtonLayout::loadAssignments(SettingsStore& store)
{
    ButtonAssignments +=
        store.readList(Defs::kKeyCountries, translated(QT_TRANSLATE_NOOP("Vemox", "Currency button"))).entries;
    return !ButtonAssignments.isEmpty();
}

void ButtonLayout::loadTabNames(SettingsStore& store)
{
    for (int t = 0; t < kTabs; ++t) {
        QString name;
        if (store.read(Defs::kKeyTabs, QString::number(t), name,
                       translated(QT_TRANSLATE_NOOP("Vemox", "Tab caption %1")).arg(t)))
            tabNames_[t] = name;
    }
}

bool ButtonLayout::save(SettingsStore& store) const
{
    bool ok = store.writeList(Defs::kKeyCountries, ButtonAssignments);
    for (int t = 0; t < kTabs; ++t)
        ok = store.write(Defs::kKeyTabs, QString::number(t), tabNames_.at(t)) && ok;
    return ok;
}
