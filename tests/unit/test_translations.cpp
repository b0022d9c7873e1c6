// The interface's languages: every text of each translation finished and in its .qm file,
// the language chosen from the store and the system's, and the data the program writes the
// same whatever language the interface speaks.
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

namespace {
const QString kBuilt = testenv::binaryDir() + "/src/translations";

struct Message {
    QString context, source, translation, type;
};

QList<Message> tsMessages(const QString& language)
{
    QList<Message> out;
    const QByteArray ts = testenv::readBytes(testenv::sourceDir() + "/translations/vemox_" + language + ".ts");
    QXmlStreamReader xml(ts);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            out.append({context, xml.readElementText(), {}, {}});
        else if (xml.name() == u"translation") {
            out.last().type = xml.attributes().value("type").toString();
            out.last().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}
} // namespace

TEST(Translations, EveryTextIsTranslatedAndInTheBuiltFile)
{
    for (const char* language : {"de", "fr", "es"}) {
        SCOPED_TRACE(language);
        QTranslator qm;
        ASSERT_TRUE(qm.load(QString("vemox_") + language, kBuilt));
        const QList<Message> messages = tsMessages(language);
        EXPECT_GT(messages.size(), 200);
        for (const Message& m : messages) {
            if (m.type == "vanished" || m.type == "obsolete")
                continue;
            EXPECT_EQ(m.type, "") << m.source.toStdString();
            EXPECT_FALSE(m.translation.isEmpty()) << m.source.toStdString();
            EXPECT_EQ(qm.translate(m.context.toUtf8(), m.source.toUtf8()), m.translation) << m.source.toStdString();
        }
    }
}

TEST(Translations, TheLanguageIsTheChoiceOrTheSystemsFirstKnownOne)
{
    const struct {
        QString choice;
        QStringList system;
        QString language;
    } cases[] = {
        {"", {"de-DE"}, "de"},          {"", {"C"}, "en"},       {"", {"en-US", "fr-FR"}, "en"},
        {"", {"pt-BR", "es-ES"}, "es"}, {"", {"pt-BR"}, "en"},   {"en", {"de-DE"}, "en"},
        {"fr", {"de-DE"}, "fr"},        {"", {}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translations::resolve(c.choice, c.system, kBuilt), c.language) << c.system.join(',').toStdString();
}

TEST(Translations, TheChoiceIsStoredWithTheGeneralSettings)
{
    testenv::resetStore();
    EXPECT_EQ(Translations::storedLanguage(), "");
    EXPECT_TRUE(Translations::storeLanguage("es"));
    EXPECT_EQ(Translations::storedLanguage(), "es");
    // A value no choice names is the system's language.
    ZYMAPI::WriteGeneral(Defs::kValLanguage, QString("Klingon"));
    EXPECT_EQ(Translations::storedLanguage(), "");
}

TEST(Translations, EnglishInstallsNoTranslator)
{
    const QString source = "Page %1 of %2";
    EXPECT_EQ(Translations::install("de", kBuilt), "de");
    EXPECT_EQ(Translations::installedLanguage(), "de");
    EXPECT_NE(QCoreApplication::translate("Vemox", "Page %1 of %2"), source);
    EXPECT_EQ(Translations::install("en", kBuilt), "");
    EXPECT_EQ(Translations::installedLanguage(), "");
    EXPECT_EQ(QCoreApplication::translate("Vemox", "Page %1 of %2"), source);
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
        log.Clear();
        ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
        calc.OnCancel();
        ex.Exchange("Unt. States");
        type("1234.5");
        ex.Exchange("Unt. Kingdom");
        QString panel;
        AccountingExport::AppendToAccounts(ex.PendingAccountRecord, "Base Rate", "Cash", data, panel,
                                           QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9)));
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
    const auto german = convertAndExport();
    EXPECT_EQ(german.first, english.first);
    EXPECT_EQ(german.second, english.second);
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
    for (const char* caption : {"Base Rate", "Credit Card", "CUSTOMER COPY"}) {
        EXPECT_FALSE(page.contains(caption)) << caption;
        EXPECT_TRUE(page.contains(QCoreApplication::translate("Receipt", caption))) << caption;
    }
}
