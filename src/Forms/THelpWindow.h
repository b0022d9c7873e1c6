#pragma once
// The help window: the pages of the help folder, one per topic identifier.
#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* owner);
    // Shows a topic ("IDH_transactionlog") or the contents ("CALCHELP"); raises VemoxError
    // when the topic has no page.
    void showTopic(const QString& topic);
    QString currentTopic() const { return topic_; }
    QTextBrowser* Browser = nullptr;

private:
    QString topic_;
    bool placed_ = false;
};
