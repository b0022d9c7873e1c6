#pragma once
// The currency data loader: builds the currency table from "currency.dat" (a factory file
// or the update server's last reply), the resource library and "UserDefined.dat", takes over
// the update server's host list and shows the server's messages. All files are relative to
// the working directory.
//
// A factory file names three hosts on its first three lines and carries no rates. A reply
// starts with a date line; its lines carry messages, hosts, exceptions entries and the rates
// (<KRTISO>GBP</KRTISO><KRTDATA>0.79</KRTDATA>), "." as decimal separator.
#include <QList>
#include <QString>
#include <QStringList>

class CurrencyTable;
class ResourceLibrary;

namespace CurrencyLoader {

// Tag extraction. When text holds both tags, text becomes the part after the first opening
// tag, cut before the first closing tag that follows (empty when none follows), and the
// result is true. Otherwise text stays as it is and the result is false.
bool ExtractTag(QString& text, const QString& open, const QString& close);

// What one line of a reply is. The tests run on the message text when the line holds one.
struct ReplyLine {
    enum class Kind { Ignored, Host, Exceptions, Data };
    Kind kind = Kind::Ignored;
    bool hasMessage = false;
    QString message; // the message text, when hasMessage
    QString value;   // host, exceptions entry or rate text
    QString iso;     // for Data: the ISO code, taken from the line as read
    QString asOf;    // for Data: the date the rate is of, from the line as read; empty if none
};
ReplyLine ClassifyReplyLine(const QString& line);

// One line of "UserDefined.dat": each field cut from the whole line; a field whose tags are
// missing is the whole line.
struct UserDefinedLine {
    QString iso, rate, country, denomination;
};
UserDefinedLine ParseUserDefinedLine(const QString& line);

// A rate the table can convert with: a finite number no smaller than the smallest normal
// double, so that it neither turns a sum negative nor loses its digits. Any other text
// raises VemoxError saying why.
double RateValue(const QString& text);

// A line of a data file that cannot be used, told with its place:
// "UserDefined.dat, line 2: " and the reason.
QString LineFault(const QString& file, int line, const QString& reason);

// One position of the master list in the resource library.
struct MasterEntry {
    QString region, country, iso, denomination;
};
// Every position of the master list, in the library's order. A string that cannot be read is
// told in a plain box and stays empty; an unreadable count raises VemoxError.
QList<MasterEntry> ReadMasterList(const ResourceLibrary& library);

// The lines of a reply as the update server writes them, without their line ends.
QString DateLine(const QString& date);
QString MessageLine(const QString& message);
QString HostLine(const QString& host);
// The rate as given ("." as decimal separator; empty for no rate), with the country and the
// denomination for a reader of the file.
QString DataLine(const QString& iso, const QString& rate, const QString& country = {},
                 const QString& denomination = {});

// The factory content: what "currency.dat" holds when the update server sent nothing. Three
// host lines: the maker's update server, then the maker's web host twice. Loading it brings
// back those three hosts and the library's currencies without rates.
QStringList FactoryContent();

// The warning shown once when a reply does not list more than this many library currencies.
inline constexpr int kMissingDataWarningLimit = 20;
inline const char* const kMissingDataWarning = QT_TRANSLATE_NOOP(
    "Vemox", "Warning: More than 20 country currencies are missing data. One of the Exchange Servers could be down. "
             "Download again or try again later.");

} // namespace CurrencyLoader

// True when the table was built. Every error is shown here, in the standard error box; the
// records appended and the store values written before it stay. The number separators in
// force on entry are in force again on every way out.
//
// "UserDefined.dat" never stops a load: the operator's file costs only its own lines. Blank
// lines are skipped; a line that cannot be used, and one whose country name an earlier
// currency has, are told together in one box with their line numbers. The first kind stays
// out of the table and is kept with it (UnreadUserLines); the second stays in, where the
// currency editor can delete it, but no lookup and no selector ever reaches it.
bool LoadCurrencyData(CurrencyTable& table);
