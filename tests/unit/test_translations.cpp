// The interface's languages: every text translated and built, the language chosen, and the
// data the program writes the same whatever language the interface speaks.
#include "Defs.h"
#include "common/ConversionRig.h"
#include "common/TestEnv.h"
#include "data/AccountingExport.h"
#include "report/QuickReport.h"
#include "report/ReportPages.h"
#include "support/Translations.h"
#include "support/Zymregistry.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

static const QString kBuilt = testenv::binaryDir() + "/src/translations";

TEST(Translations, EveryTextIsTranslatedAndInTheBuiltFile)
{
    for (const QString language : {"de", "fr", "es"}) {
        SCOPED_TRACE(language.toStdString());
        QTranslator qm;
        ASSERT_TRUE(qm.load("vemox_" + language, kBuilt));
        QXmlStreamReader ts(testenv::readBytes(testenv::sourceDir() + "/translations/vemox_" + language + ".ts"));
        QString context, source;
        int finished = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"name")
                context = ts.readElementText();
            else if (ts.name() == u"source")
                source = ts.readElementText();
            else if (ts.name() == u"translation" && ts.attributes().value("type") != u"vanished") {
                EXPECT_EQ(ts.attributes().value("type").toString(), "") << source.toStdString();
                const QString text = ts.readElementText();
                EXPECT_FALSE(text.isEmpty()) << source.toStdString();
                EXPECT_EQ(qm.translate(context.toUtf8(), source.toUtf8()), text) << source.toStdString();
                ++finished;
            }
        }
        EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
        EXPECT_GT(finished, 200);
    }
}

TEST(Translations, TheLanguageIsTheChoiceOrTheSystemsFirstKnownOne)
{
    const struct { QString choice; QStringList system; QString language; } cases[] = {
        {"", {"de-DE"}, "de"},          {"", {"C"}, "en"},       {"", {"en-US", "fr-FR"}, "en"},
        {"", {"pt-BR", "es-ES"}, "es"}, {"", {"pt-BR"}, "en"},   {"en", {"de-DE"}, "en"},
        {"fr", {"de-DE"}, "fr"},        {"", {}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translations::resolve(c.choice, c.system, kBuilt), c.language) << c.system.join(',').toStdString();
}

TEST(Translations, TheChoiceIsStoredAndEnglishInstallsNoTranslator)
{
    testenv::resetStore();
    EXPECT_TRUE(Translations::storeLanguage("es"));
    EXPECT_EQ(Translations::storedLanguage(), "es");
    ZYMAPI::WriteGeneral(Defs::kValLanguage, QString("Klingon"));   // no choice: the system's
    EXPECT_EQ(Translations::storedLanguage(), "");

    EXPECT_EQ(Translations::install("de", kBuilt), "de");
    EXPECT_EQ(Translations::installedLanguage(), "de");
    EXPECT_NE(QCoreApplication::translate("Vemox", "Page %1 of %2"), "Page %1 of %2");
    EXPECT_EQ(Translations::install("en", kBuilt), "");
    EXPECT_EQ(Translations::installedLanguage(), "");
    EXPECT_EQ(QCoreApplication::translate("Vemox", "Page %1 of %2"), "Page %1 of %2");
}

namespace {
class WrittenData : public ::testing::Test, protected ConversionRig {
protected:
    // The log's lines and the account file after 1234.5 dollars in pounds.
    std::pair<QStringList, QByteArray> convertAndExport()
    {
        testenv::resetStore();
        const QString data = testenv::freshWorkDir();
        testenv::installSampleData();
        table.ClearTable();
        table.Append(new CCurrencyData(1, "North America", "Unt. States", "USD", "Dollars", 0));
        table.Append(new CCurrencyData(0.79, "Europe", "Unt. Kingdom", "GBP", "Pounds", 1));
        session.layout().assign(0, 1, "Unt. States");
        session.layout().assign(0, 2, "Unt. Kingdom");
        log.Clear();
        ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
        calc.OnCancel();
        session.convertSlot(0, 1);
        type("1234.5");
        session.convertSlot(0, 2);
        session.appendToAccounts(QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9)));
        return {log.Lines(), testenv::readBytes(data + "/" + AccountingExport::kDefaultFileName)};
    }
    void TearDown() override { Translations::install("en", kBuilt); }
};
} // namespace

TEST_F(WrittenData, TheLogAndTheAccountFileDoNotFollowTheLanguage)
{
    const auto english = convertAndExport();
    ASSERT_FALSE(english.second.isEmpty());
    ASSERT_EQ(Translations::install("de", kBuilt), "de");
    EXPECT_EQ(convertAndExport(), english);
}

// The receipt's rate and payment reach the account record too: the content keeps their
// English words, and only the printed page speaks the interface's language.
TEST_F(WrittenData, TheReceiptPrintsTranslatedWordsAndKeepsTheEnglishOnes)
{
    ASSERT_EQ(Translations::install("de", kBuilt), "de");
    TQuickReport1 report;
    ReportSources sources;
    sources.payment = Payment::CreditCard;
    report.PrepareReport(TQuickReport1::CustomerReceipt, sources);
    EXPECT_EQ(report.content().TypeLabel, "Base Rate");
    EXPECT_EQ(report.content().DescriptionLabel, "Credit Card");
    const QStringList page = Report::pageTexts(report.Pages().pages.first());
    for (const char* caption : {"Base Rate", "Credit Card", "CUSTOMER COPY"})
        EXPECT_TRUE(page.contains(QCoreApplication::translate("Receipt", caption))) << caption;
}
