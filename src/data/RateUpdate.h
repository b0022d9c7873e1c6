#pragma once
// The update of the rates from the server, and the rollback to the rates the program
// started with.
//
// GoUpdateFromTheWeb sends one GET to the first stored host (`Hs` "0"), with "?" + `Un` +
// "+" + `Uo` when both are stored, through the stored proxy when `po` is set. The reply
// becomes "currency.dat" (replaced atomically, CR LF line ends), the calculator is cleared
// and the table is loaded again from the new file. A host stored with "https://" or
// "http://" in front is asked as it stands; any other host over "http://".
//
// Rates are money, so nothing is ever half done:
// - a failed transfer, a refused reply or a failed save leaves "currency.dat", the table
//   and `Vl` as they were;
// - the table is loaded into a fresh table and takes its place only when the load succeeds,
//   so a failed load keeps the rates in force before it, never a mix of old and new.
//
// The request runs in a local event loop: the window keeps repainting, and commands given
// meanwhile run. A second update or a rollback asked for meanwhile is ignored. abort() (the
// window closes) abandons the transfer and changes nothing. Besides the read time-out, the
// whole transfer has an overall limit, so a server that trickles a byte now and then still
// ends as a time-out.
//
// What the operator is to see comes out as signals (the third panel's text, the date of the
// rates in force, the hourglass); the layer above shows them. Before any failure is told in
// a box the third panel is cleared, so no progress text stands behind the box.
//
// The rollback file is the copy of the data the program started with, made once at start
// (KeepStartData). Only data that loaded with rates of its own is copied, so a file without
// rates never replaces a good copy; "UserDefined.dat" has no say in it. A copy that cannot be written is told and the program goes
// on; a rollback in that session then says there is no copy.
#include "data/RateUpdateTransfer.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <functional>

class CurrencyTable;
class QNetworkCookieJar;

class RateUpdate : public QObject {
    Q_OBJECT
public:
    static constexpr int kReadTimeoutMs = 50000;
    static constexpr qint64 kMaxReplySize = 16 * 1024 * 1024;
    static constexpr int kTransferLimitMs = 120000;

    explicit RateUpdate(CurrencyTable& table, QObject* parent = nullptr);
    ~RateUpdate() override;

    // Clears the calculator before the new rates are loaded.
    std::function<void()> onCancel;
    // The clock of `Vl` and of panel 1; tests fix it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    int readTimeoutMs = kReadTimeoutMs;      // set before every request
    int transferLimitMs = kTransferLimitMs;  // the whole transfer, however it trickles
    qint64 maxReplySize = kMaxReplySize;
    int defaultProxyPort = 8080;             // a proxy whose port was not read
    QList<QSslCertificate> extraCaCertificates;   // trusted beside the system's store

    // The update reports its own errors; it gives true when new rates are in force.
    bool GoUpdateFromTheWeb();
    // Returns to the rollback file; raises what went wrong, for the command's trap to tell.
    // Does nothing while an update waits.
    void Rollback();

    // At start: copies the data file to the rollback file when the table loaded from it
    // holds rates. A failed copy is told; false then, and a rollback has nothing to return to.
    bool KeepStartData(bool loaded);

    bool busy() const { return busy_; }
    // Abandons a running transfer; the update then changes nothing and says nothing.
    void abort();

    // Figures of the last update that reached the load, in nanoseconds.
    struct Timing {
        qint64 transferNs = 0;
        qint64 loadNs = 0;
    };
    Timing lastTiming() const { return timing_; }

    // The address asked for: host and query as they stand, "http://" in front unless the
    // host names its own scheme.
    static QUrl UpdateUrl(const QString& host, const QString& query);
    // "?" + Un + "+" + Uo, each percent-encoded; empty unless both are stored.
    static QString QueryText();
    // What panel 1's tool tip says of loaded data: the date field of its first line and
    // where it came from.
    static QString RatesHint(const QStringList& lines, const QString& source);

signals:
    // The third status panel's text; empty clears it.
    void message(const QString& text);
    // New rates are in force: the second panel's text and its tool tip.
    void ratesReplaced(const QString& lastUpdate, const QString& ratesHint);
    // An update waits: the hourglass.
    void busyChanged(bool busy);

private:
    bool runUpdate();
    QString firstHost() const;
    TransferOptions transferOptions();
    void applyProxy(TransferOptions& options);
    bool reload(const QStringList& lines, const QString& source);

    enum class StartCopy { Earlier, Made, Failed };
    CurrencyTable& table_;
    StartCopy startCopy_ = StartCopy::Earlier;
    QString startCopyFailure_;
    QNetworkCookieJar* cookies_;
    UpdateTransfer transfer_;
    bool busy_ = false;
    Timing timing_;
};
