#pragma once
// The one error trap of every handler. A handler's body runs inside it; a failure stops the
// body at that step, and what the body changed before it stays.
//
//   trapped(suffix, body)      the error's text with the handler's suffix appended, directly
//                              and with no separator, in the standard error box
//   trapWith(body, onError)    the same trap with the handler's own way of telling, such as
//                              the calculator's error display
//
// Both give true when the body ran to its end. Running out of memory is trapped too, as the
// text "Bad mem", so that a handler never ends the program with an uncaught exception.
#include "support/Errors.h"
#include "support/Messenger.h"

#include <exception>
#include <new>
#include <utility>

template <typename Body, typename OnError>
bool trapWith(Body&& body, OnError&& onError)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (VemoxError& e) {
        onError(e);
    } catch (const std::bad_alloc&) {
        VemoxError e(QStringLiteral("Bad mem"));
        onError(e);
    }
    return false;
}

template <typename Body>
bool trapped(const QString& suffix, Body&& body)
{
    return trapWith(std::forward<Body>(body), [&](VemoxError& e) {
        e.appendMessage(suffix);
        messenger().errorBox(e.message());
    });
}
