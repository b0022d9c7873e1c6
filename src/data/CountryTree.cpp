#include "data/CountryTree.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Translate.h"

#include <QSet>

namespace CountryTree {
namespace {

CountryNode regionNode(const QString& name, int picture, const QStringList& parts = {})
{
    CountryNode n;
    n.text = name;
    n.picture = picture;
    for (const QString& p : parts) {
        CountryNode sub;
        sub.text = p;
        sub.picture = CountryNode::SubRegion;
        n.children.push_back(std::move(sub));
    }
    return n;
}

// The node that takes a record of this region, or nullptr. Sub-regions are matched first,
// then the top-level regions; every comparison is exact.
CountryNode* parentOf(std::vector<CountryNode>& roots, const QString& region)
{
    for (CountryNode& top : roots)
        for (CountryNode& sub : top.children)
            if (sub.picture == CountryNode::SubRegion && sub.text == region)
                return &sub;
    // Only regions without sub-regions hold countries themselves: "Africa" and "America"
    // are no region of a record.
    for (CountryNode& top : roots)
        if (top.text == region && (top.children.empty() || top.children.front().picture != CountryNode::SubRegion))
            return &top;
    return nullptr;
}

// False when the set held the name already.
bool checkedInsert(QSet<QString>& names, const QString& name)
{
    const qsizetype before = names.size();
    names.insert(name);
    return names.size() != before;
}

} // namespace

QString nodeText(const CCurrencyData& record, Use use)
{
    if (record.GetRate() == 0.0 && use == Use::Selector)
        return record.GetCountryName();
    return record.GetCountryName() + QStringLiteral(" (") + Formats::floatToStr(record.GetRate()) +
           QLatin1Char(' ') + record.GetIsoCode() + QLatin1Char(')');
}

std::vector<CountryNode> skeleton()
{
    std::vector<CountryNode> roots;
    roots.push_back(regionNode(QStringLiteral("Africa"), CountryNode::Region,
                               {QStringLiteral("Central Africa"), QStringLiteral("East Africa"),
                                QStringLiteral("North Africa"), QStringLiteral("South Africa"),
                                QStringLiteral("West Africa")}));
    roots.push_back(regionNode(QStringLiteral("America"), CountryNode::Region,
                               {QStringLiteral("Central America"), QStringLiteral("North America"),
                                QStringLiteral("South America")}));
    for (const char* name : {"Antarctica", "Asia", "Caribbean", "Europe", "Middle East", "Oceania"})
        roots.push_back(regionNode(QString::fromLatin1(name), CountryNode::Region));
    roots.push_back(regionNode(QStringLiteral("User Defined"), CountryNode::UserRegion));
    return roots;
}

std::vector<CountryNode> build(const CurrencyTable& table, Use use)
{
    std::vector<CountryNode> roots = skeleton();
    QSet<QString> offered;
    trapWith(
        [&] {
            for (int i = 0; i < table.Count(); ++i) {
                const CCurrencyData& r = *table.At(i);
                // A later currency of a name already offered is one no lookup ever finds: the
                // selector leaves it out; the editor shows it, to be deleted.
                if (use == Use::Selector && !checkedInsert(offered, r.GetCountryName()))
                    continue;
                CountryNode* parent = parentOf(roots, r.GetRegion());
                if (!parent) {
                    messenger().messageBox(translated(kLocationError).arg(r.GetRegion()));
                    continue;
                }
                CountryNode n;
                n.text = nodeText(r, use);
                n.picture = r.GetRate() == 0.0 ? CountryNode::NoRate : CountryNode::Country;
                n.country = r.GetCountryName();
                n.record = &r;
                parent->children.push_back(std::move(n));
            }
        },
        [use](VemoxError& e) {
            if (use == Use::Selector)
                messenger().messageDialog(translated(kBuildError), Messenger::Icon::Error);
            else
                messenger().errorBox(e.message());
        });
    return roots;
}

} // namespace CountryTree
