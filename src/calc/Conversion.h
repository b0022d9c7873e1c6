#pragma once
// One conversion as its results leave the counter: the amounts, the log line, the receipt
// cells and the record waiting for the account file; and what a report is prepared from.
#include "calc/MainState.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The receipt table's cells; their designed captions until the first conversion.
struct ReceiptCells {
    QString Currency1 = QStringLiteral("None"), Details1 = QStringLiteral("0.0");   // home currency, amount
    QString Details2 = QStringLiteral("0.0");                                      // cross rate
    QString Currency3 = QStringLiteral("None"), Details3 = QStringLiteral("0.0");   // foreign currency, converted
    QString Currency4 = QStringLiteral("None"), Details4 = QStringLiteral("0.0");   // duty
    QString Currency5 = QStringLiteral("None"), Details5 = QStringLiteral("0.0");   // fee
    QString Currency6 = QStringLiteral("None"), Details6 = QStringLiteral("0.0");   // total
    bool operator==(const ReceiptCells&) const = default;
};

struct Conversion {
    double SourceAmount = 0;   // before conversion, in the source currency
    double CrossRate = 0;
    double Converted = 0;      // after the cross rate, before charges
    double DutyTotal = 0;      // duty fee + duty charge
    double FeeTotal = 0;       // commission fee + commission charge + retail charge
    double Total = 0;          // the converted amount with the charges of the options
    QString LogLine;           // "100.00 Dollar(USD) Converts to 55.00 Pound (GBP)"
    ReceiptCells cells;
    // The cells Currency1, Details1, Details2, Currency3, Details3 to Details6 joined by ","
    // and ended by one carriage return; emptied once the account file has it.
    QString PendingAccountRecord;
};

// What a report is prepared from besides the store: the receipt cells of the last
// conversion, the rate and payment choices, the transaction log and the moment of printing.
struct ReportSources {
    ReceiptCells cells;
    Payment payment = Payment::Cash;
    RateKind rateKind = RateKind::Base;
    QStringList log;
    QDateTime now = QDateTime::currentDateTime();
};
