#pragma once
// The in-memory log of every calculation step of this run. Lines are only added at the end
// or removed all at once; an open log window follows through the signals.
#include <QObject>
#include <QStringList>

class TransactionLog : public QObject {
    Q_OBJECT
public:
    void AppendLine(const QString& line)
    {
        lines_.append(line);
        emit lineAppended(line);
    }
    void Clear()
    {
        lines_.clear();
        emit cleared();
    }
    const QStringList& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

signals:
    void lineAppended(const QString& line);
    void cleared();

private:
    QStringList lines_;
};

// Writes the log as Latin-1 with CR LF after every line, the last one included, through a
// temporary file, so a failed save never destroys the file that was there.
// Raises VemoxError "Cannot create file %s" or "Stream write error".
void SaveTransactionLogFile(const QStringList& lines, const QString& fileName);
