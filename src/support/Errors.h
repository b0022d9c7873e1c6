#pragma once
// The one error type of the program. Every failure is raised as a VemoxError; handlers
// trap it where the operator is to be told, and report it through the Messenger.
#include <QString>
#include <exception>

class VemoxError : public std::exception {
public:
    explicit VemoxError(QString message) : msg_(std::move(message)), utf8_(msg_.toUtf8()) {}
    const QString& message() const noexcept { return msg_; }
    // Handlers append their own fixed text to the message, with no separator.
    void appendMessage(const QString& suffix) { msg_ += suffix; utf8_ = msg_.toUtf8(); }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString msg_;
    QByteArray utf8_;
};
