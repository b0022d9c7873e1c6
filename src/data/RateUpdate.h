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
// window closes) abandons the transfer and changes nothing.
#include "data/RateUpdateTransfer.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <functional>

class CurrencyTable;
class MainState;
class QNetworkCookieJar;

class RateUpdate : public QObject {
    Q_OBJECT
public:
    static constexpr int kReadTimeoutMs = 50000;
    static constexpr qint64 kMaxReplySize = 16 * 1024 * 1024;

    RateUpdate(MainState& state, CurrencyTable& table, QObject* parent = nullptr);
    ~RateUpdate() override;

    // Clears the calculator before the new rates are loaded.
    std::function<void()> onCancel;
    // The clock of `Vl` and of panel 1; tests fix it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    int readTimeoutMs = kReadTimeoutMs;      // set before every request
    qint64 maxReplySize = kMaxReplySize;
    int defaultProxyPort = 8080;             // a proxy whose port was not read
    QList<QSslCertificate> extraCaCertificates;   // trusted beside the system's store

    // The handlers. Each reports its own errors and ends with one announce of the state.
    void GoUpdateFromTheWeb();
    void RollBack1Click();

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

private:
    void runUpdate();
    QString firstHost() const;
    TransferOptions transferOptions() const;
    void applyProxy(TransferOptions& options) const;
    bool reload(const QStringList& lines, const QString& source);
    void progress(const QString& text);

    MainState& state_;
    CurrencyTable& table_;
    QNetworkCookieJar* cookies_;
    UpdateTransfer transfer_;
    bool busy_ = false;
    Timing timing_;
};
