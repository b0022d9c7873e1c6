// The main window in the operator's language: the choice in the Options menu, stored for the
// next start, and the German captions, each whole in its control.
#include "Forms/TForm1.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/Translations.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kBuilt = testenv::binaryDir() + "/src/translations";

class MainWindowLanguage : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
    }
    void TearDown() override
    {
        form.reset();
        Translations::install("en", kBuilt);
        testenv::resetStore();
    }
    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    std::unique_ptr<TForm1> form;
};

// The room a check box or radio button leaves its caption.
int captionRoom(const QAbstractButton* b)
{
    const bool radio = qobject_cast<const QRadioButton*>(b);
    const QStyle* s = b->style();
    return b->contentsRect().width() -
           s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, b) -
           s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
}
} // namespace

TEST_F(MainWindowLanguage, TheChoiceIsStoredForTheNextStartAndAFailedWriteIsTold)
{
    form = std::make_unique<TForm1>();
    EXPECT_TRUE(testenv::control<QAction>(form.get(), "LanguageSystem")->isChecked());
    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull);
        msgs.clear();
        std::optional<testenv::FullDisk> full;
        if (diskFull)
            full.emplace();
        testenv::control<QAction>(form.get(), diskFull ? "LanguageFrench" : "LanguageGerman")->trigger();
        full.reset();
        // The store keeps German either way, and the menu shows what is stored.
        EXPECT_EQ(Translations::storedLanguage(), "de");
        EXPECT_TRUE(testenv::control<QAction>(form.get(), "LanguageGerman")->isChecked());
        EXPECT_EQ(msgs.errors().size(), diskFull ? 1u : 0u);
        EXPECT_EQ(msgs.texts(ScriptedMessenger::Kind::MessageBox).size(), diskFull ? 0u : 1u);
    }
    EXPECT_EQ(Translations::installForStart(testenv::binaryDir() + "/src"), "de");
}

// German is the longest of the translations: its captions must show whole in the fixed window.
TEST_F(MainWindowLanguage, GermanCaptionsAreTranslatedAndFitTheirControls)
{
    ASSERT_EQ(Translations::install("de", kBuilt), "de");
    form = std::make_unique<TForm1>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    testenv::control<QAction>(form.get(), "CommissionToobar")->trigger();   // the bar is laid out
    QCoreApplication::processEvents();
    auto translatedIn = [](const char* context, const char* english, const QString& shown) {
        const QString german = QCoreApplication::translate(context, english);
        EXPECT_NE(german, QString::fromUtf8(english)) << english << " is not translated";
        EXPECT_EQ(shown, german) << english;
    };

    const QMenuBar* bar = form->menuBar();
    for (const auto& [name, english] : {std::pair{"File1", "&File"}, {"View1", "&View"}, {"Options1", "&Options"},
                                        {"Tools1", "&Tools"}, {"Help1", "&Help"}}) {
        QAction* menu = testenv::control<QMenu>(form.get(), name)->menuAction();
        translatedIn("TForm1", english, menu->text());
        const QRect room = bar->actionGeometry(menu);
        EXPECT_GE(room.width(), bar->fontMetrics().horizontalAdvance(QString(menu->text()).remove('&'))) << english;
        EXPECT_LE(room.right(), bar->contentsRect().right()) << english;
    }
    for (const auto& [name, english] : {std::pair{"Rcash", "Cash"}, {"Rcreditcard", "Credit Card"},
                                        {"Rtc", "Traveller's Cheques"}, {"Rbuy", "Buy"}, {"Rsell", "Sell"},
                                        {"Rbase", "Base"}, {"Rcommission", "Commission"}}) {
        const auto* b = testenv::control<QAbstractButton>(form.get(), name);
        translatedIn("CommissionBar", english, b->text());
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), captionRoom(b)) << english;
    }
    const auto* update = testenv::control<QLabel>(form.get(), "UpdateLabel");
    translatedIn("CurrencyPanes", "Update Currencies", update->text());
    EXPECT_LE(update->fontMetrics().horizontalAdvance(update->text()), update->contentsRect().width());
    for (const auto& [name, english] :
         {std::pair{"StatusPanel0", "Todays date: "}, {"StatusPanel1", "Awaiting update!"}}) {
        const auto* panel = testenv::control<QLabel>(form.get(), name);
        const QString german = QCoreApplication::translate("Vemox", english);
        EXPECT_NE(german, QString::fromUtf8(english)) << english << " is not translated";
        EXPECT_TRUE(panel->text().startsWith(german)) << english;
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width()) << english;
    }
}
