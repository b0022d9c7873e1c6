#pragma once
// The core a currency button's conversion goes through, without a window: the main state,
// the log, the currency table, the charges, the calculator and the exchanger, with every
// message the core shows kept in `shown`.
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/Exchange.h"
#include "data/CurrencyTable.h"
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
    MainState state;
    TransactionLog log;
    CurrencyTable table;
    CommissionTable charges;
    Calculator calc{state, log, charges};
    Exchanger ex{calc, table, charges};
};
