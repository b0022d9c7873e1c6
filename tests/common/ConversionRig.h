#pragma once
// The counter a currency button's conversion goes through, without a window: the session,
// and its main state, log, currency table, charges, calculator and exchanger by name, with
// every message the core shows kept in `shown`.
#include "calc/CounterSession.h"
#include "support/Messenger.h"

struct ConversionRig {
    // Keys as the keyboard gives them: digits, ".", "+", "\r" for equals.
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            calc.FormKeyPress(QLatin1Char(*k));
    }

    ScriptedMessenger shown;
    MessengerScope scope{&shown};
    CounterSession session;
    MainState& state = session.state();
    TransactionLog& log = session.log();
    CurrencyTable& table = session.currencies();
    CommissionTable& charges = session.commission();
    Calculator& calc = session.calculator();
    Exchanger& ex = session.exchanger();
};
