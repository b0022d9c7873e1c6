#include "data/UserCurrencies.h"
#include "support/Translate.h"
#include "Defs.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Zymregistry.h"

#include <QRegularExpression>
#include <algorithm>
#include <unordered_set>

using namespace Defs;

namespace UserCurrencies {

QString NextCountryName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("1");
    const QChar last = name.back();
    if (last >= QLatin1Char('0') && last <= QLatin1Char('9'))
        return name + QString::number(last.digitValue() + 1);
    return name + QLatin1Char('1');
}

QStringList IsoCodes(const CurrencyTable& table)
{
    QStringList codes;
    codes.reserve(table.Count());
    for (int i = 0; i < table.Count(); ++i)
        codes << table.At(i)->GetIsoCode();
    // A stable sort keeps the first of the codes that differ only in case in front.
    std::stable_sort(codes.begin(), codes.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QStringList once;
    for (const QString& c : codes)
        if (once.isEmpty() || once.back().compare(c, Qt::CaseInsensitive) != 0)
            once << c;
    return once;
}

QString RateFieldText(double rate)
{
    QString text = QString::number(rate, 'f', 6);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (point - sign < 4)
        text.insert(sign, QString(4 - (point - sign), QLatin1Char('0')));
    return text;
}

double ParseRate(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(' '), QLatin1Char('0'));
    if (t.isEmpty() || t == QLatin1String("."))
        return 0.0;
    SeparatorScope dot;
    return Formats::strToFloat(t);
}

QString FileLine(const CCurrencyData& record)
{
    SeparatorScope dot;
    return kIsoOpen + record.GetIsoCode() + kIsoClose + kDataOpen + Formats::floatToStr(record.GetRate()) +
           kDataClose + kCountryOpen + record.GetCountryName() + kCountryClose + kDenomOpen +
           record.GetDenomination() + kDenomClose;
}

Session::Session(const CurrencyTable& table) : table_(table)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table.At(i)->GetRegion() == kRegion)
            list_.push_back(table.At(i));
    fromFile_ = list_;
}

bool Session::Listed(const QString& key, bool byIso) const
{
    if (byIso ? table_.FindByIso(key) != nullptr : table_.FindByCountry(key) != nullptr)
        return true;
    for (const auto& r : added_)
        if ((byIso ? r->GetIsoCode() : r->GetCountryName()) == key &&
            std::find(list_.begin(), list_.end(), r.get()) != list_.end())
            return true;
    return false;
}

AddCheck Session::Check(const AddInput& input) const
{
    AddCheck c;
    auto fail = [&c](const QString& message, AddCheck::Field focus) {
        c.message = message;
        c.focus = focus;
        return c;
    };
    // The record is one line of single-byte text between tags: what it cannot hold would
    // split or cut it, and every later load of the currency data would fail.
    const auto unstorable = [](const QString& s) {
        static const QRegularExpression breaking(QStringLiteral("[\\x00-\\x1f<>]"));
        return s.contains(breaking) || QString::fromLatin1(s.toLatin1()) != s;
    };
    if (input.name.isEmpty())
        return fail(translated(kNoName), AddCheck::Field::EName);
    if (unstorable(input.name))
        return fail(translated(kUnstorable).arg(translated(QT_TRANSLATE_NOOP("Vemox", "Country Name"))),
                    AddCheck::Field::EName);
    if (Listed(input.name, false))
        return fail(translated(kNameExists), AddCheck::Field::EName);
    c.iso = input.iso.toUpper();
    if (!input.useIso && Listed(c.iso, true))
        return fail(translated(kIsoInUse), AddCheck::Field::EISO);
    static const QRegularExpression threeLetters(QStringLiteral("^[A-Z]{3}$"));
    if (!input.useIso && !threeLetters.match(c.iso).hasMatch())
        return fail(translated(kIsoLetters), AddCheck::Field::EISO);
    // The field shows a copy rounded to six decimals and cut to its width; an existing
    // currency keeps its own rate.
    const CCurrencyData* chosen = input.useIso ? table_.FindByIso(input.iso) : nullptr;
    const double rate = chosen ? chosen->GetRate() : ParseRate(input.rate);
    if (rate == 0.0)
        return fail(translated(kZeroRate), AddCheck::Field::ER);
    if (input.denomination.isEmpty())
        return fail(translated(kNoDenomination), AddCheck::Field::EDenom);
    if (unstorable(input.denomination))
        return fail(translated(kUnstorable).arg(translated(QT_TRANSLATE_NOOP("Vemox", "Denomination"))),
                    AddCheck::Field::EDenom);
    c.rate = rate;
    return c;
}

std::unique_ptr<CCurrencyData> Session::Record(const AddInput& input, const AddCheck& check)
{
    return std::make_unique<CCurrencyData>(check.rate, kRegion, input.name, check.iso, input.denomination,
                                           NoResourceIndex);
}

const CCurrencyData* Session::Add(std::unique_ptr<CCurrencyData> record)
{
    added_.push_back(std::move(record));
    list_.push_back(added_.back().get());
    return added_.back().get();
}

bool Session::Remove(const CCurrencyData* record)
{
    const auto it = std::find(list_.begin(), list_.end(), record);
    if (it == list_.end())
        return false;
    list_.erase(it);
    return true;
}

void Session::Save(const QString& path) const
{
    if (!fileWhole())
        throw VemoxError(kNotReadWhole);
    DataFiles::writeLines(path, FileLines());
}

QStringList Session::FileLines() const
{
    const std::unordered_set<const CCurrencyData*> listed(list_.begin(), list_.end());
    const std::vector<CurrencyTable::UnreadLine>& unread = table_.UnreadUserLines();
    auto next = unread.begin();
    QStringList lines;
    for (size_t i = 0; i < fromFile_.size(); ++i) {
        for (; next != unread.end() && next->after <= static_cast<int>(i); ++next)
            lines << next->text;
        if (listed.count(fromFile_[i]))
            lines << FileLine(*fromFile_[i]);
    }
    for (; next != unread.end(); ++next)
        lines << next->text;
    for (const auto& r : added_)
        if (listed.count(r.get()))
            lines << FileLine(*r);
    return lines;
}

EditorSettings EditorSettings::load()
{
    EditorSettings s;
    ZYMAPI::ReadGeneral(kValExpandTreeView, s.expandTree);
    ZYMAPI::ReadGeneral(kValCurrencyEditorUsed, s.disableUpdateButton);
    return s;
}

bool EditorSettings::save() const
{
    ZYMAPI::StoreChange change;
    bool ok = ZYMAPI::WriteGeneral(kValExpandTreeView, expandTree);
    ok = ZYMAPI::WriteGeneral(kValCurrencyEditorUsed, disableUpdateButton) && ok;
    return change.commit() && ok;
}

} // namespace UserCurrencies
