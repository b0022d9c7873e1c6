#include "calc/Drops.h"
#include "Defs.h"
#include "support/DataFolder.h"
#include "support/Messenger.h"
#include "support/Trap.h"

namespace {
// Releases the library on every path out of a drop.
struct LibraryUse {
    ResourceLibrary library;
    ~LibraryUse() { library.Release(); }
};
} // namespace

CountryDrops::CountryDrops(const CurrencyTable& table, MainState& state, ButtonLayout& layout, View view)
    : table_(table), state_(state), layout_(layout),
      view_(std::move(view))
{
}

void CountryDrops::openLibrary(ResourceLibrary& library, const QString& failure) const
{
    library.Open(failure, libraryPath);
}

template <typename Show>
ResourcePicture CountryDrops::showFlag(const ResourceLibrary& library, const CCurrencyData& record, Show&& show) const
{
    const int index = record.GetResourceIndex();
    ResourcePicture picture;
    const bool ok = trapWith(
        [&] {
            if (index != NoResourceIndex)
                picture = library.ReadPicture(ResourceLibrary::FlagId(index));
            show(index, picture);
        },
        [](VemoxError&) {});
    if (!ok)
        throw VemoxError(kIncomplete + kPictureError);
    return picture;
}

void CountryDrops::fail(const QString& message)
{
    messenger().errorBox(message);
    // The operator's choices of the day are kept: the window closes as it always does.
    if (view_.closeMainWindow)
        view_.closeMainWindow();
}

CountryDrops::Outcome CountryDrops::dropOnPane(Pane pane, const QString& country)
{
    const CCurrencyData* record = table_.FindByCountry(country);
    if (!record)
        return Outcome::Refused;
    const bool home = pane == Pane::Home;
    const bool ok = trapWith(
        [&] {
            LibraryUse use;
            openLibrary(use.library, home ? kHomeLibraryError : kForeignLibraryError);
            ResourcePicture flag = showFlag(use.library, *record, [&](int index, const ResourcePicture& picture) {
                if (view_.setPanePicture)
                    view_.setPanePicture(pane, index, picture);
            });
            PaneState& p = home ? state_.home : state_.foreign;
            p.picture = record->GetResourceIndex();
            p.flag = std::move(flag);
            p.iso = record->GetIsoCode();
            p.currency = record->GetDenomination();
            p.country = record->GetCountryName();
            if (home)
                state_.displayCurrency = record->GetIsoCode();
            if (view_.onCancel)
                view_.onCancel();
            state_.announce();
        },
        [&](VemoxError& e) {
            e.appendMessage(kIncomplete);
            state_.announce();
            fail(e.message());
        });
    return ok ? Outcome::Taken : Outcome::Failed;
}

CountryDrops::Outcome CountryDrops::dropOnSlot(int tab, int slot, const QString& country)
{
    const CCurrencyData* record = table_.FindByCountry(country);
    if (!record || slot < 1 || slot > ButtonLayout::kSlots || tab < 0 || tab >= ButtonLayout::kTabs)
        return Outcome::Refused;
    const bool ok = trapWith(
        [&] {
            LibraryUse use;
            openLibrary(use.library, kButtonLibraryError);
            showFlag(use.library, *record, [&](int index, const ResourcePicture& picture) {
                if (view_.setSlotPicture)
                    view_.setSlotPicture(slot, index, picture);
            });
            if (view_.setSlotCaption)
                view_.setSlotCaption(slot, record->GetCountryName());
            layout_.assign(tab, slot, record->GetCountryName());
            if (view_.onCancel)
                view_.onCancel();
            state_.announce();
        },
        [&](VemoxError& e) {
            state_.announce();
            fail(e.message());
        });
    return ok ? Outcome::Taken : Outcome::Failed;
}
