// The main window in the operator's language: the choice in the Options menu, stored for the
// next start, and the German captions, each whole in its control.
#include "Forms/TForm1.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/Translations.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kBuilt = testenv::binaryDir() + "/src/translations";

class MainWindowLanguage : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(), testenv::freshWorkDir(), testenv::installSampleData(); }
    void TearDown() override { form.reset(), Translations::install("en", kBuilt), testenv::resetStore(); }
    QAction* action(const char* name) const { return testenv::control<QAction>(form.get(), name); }
    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    std::unique_ptr<TForm1> form;
};

// The translation of `english`, which must differ from it and be what `shown` begins with.
QString german(const char* context, const char* english, const QString& shown)
{
    const QString text = QCoreApplication::translate(context, english);
    EXPECT_NE(text, QString::fromUtf8(english)) << english << " is not translated";
    EXPECT_TRUE(shown.startsWith(text)) << english;
    return shown;
}
} // namespace

TEST_F(MainWindowLanguage, TheChoiceIsStoredForTheNextStartAndAFailedWriteIsTold)
{
    form = std::make_unique<TForm1>();
    EXPECT_TRUE(action("LanguageSystem")->isChecked());
    for (const bool diskFull : {false, true}) {
        msgs.clear();
        std::optional<testenv::FullDisk> full;
        if (diskFull)
            full.emplace();
        action(diskFull ? "LanguageFrench" : "LanguageGerman")->trigger();
        full.reset();
        // The store keeps German either way, and the menu shows what is stored.
        EXPECT_EQ(Translations::storedLanguage(), "de");
        EXPECT_TRUE(action("LanguageGerman")->isChecked());
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
    action("CommissionToobar")->trigger();   // the commission bar is laid out
    QCoreApplication::processEvents();
    const QMenuBar* bar = form->menuBar();
    for (const auto& [name, english] : {std::pair{"File1", "&File"}, {"View1", "&View"}, {"Options1", "&Options"},
                                        {"Tools1", "&Tools"}, {"Help1", "&Help"}}) {
        QAction* menu = testenv::control<QMenu>(form.get(), name)->menuAction();
        const QString text = german("TForm1", english, menu->text()).remove('&');
        EXPECT_GE(bar->actionGeometry(menu).width(), bar->fontMetrics().horizontalAdvance(text)) << english;
        EXPECT_LE(bar->actionGeometry(menu).right(), bar->contentsRect().right()) << english;
    }
    for (const auto& [name, english] : {std::pair{"Rcash", "Cash"}, {"Rcreditcard", "Credit Card"},
                                        {"Rtc", "Traveller's Cheques"}, {"Rbuy", "Buy"}, {"Rsell", "Sell"},
                                        {"Rbase", "Base"}, {"Rcommission", "Commission"}}) {
        // The style's size for the caption beside its indicator, from the button's font.
        const auto* b = testenv::control<QAbstractButton>(form.get(), name);
        german("CommissionBar", english, b->text());
        EXPECT_LE(b->sizeHint().width(), b->width()) << english;
    }
    for (const auto& [name, context, english] :
         {std::tuple{"UpdateLabel", "CurrencyPanes", "Update Currencies"}, {"StatusPanel0", "Vemox", "Todays date: "},
          {"StatusPanel1", "Vemox", "Awaiting update!"}}) {
        const auto* label = testenv::control<QLabel>(form.get(), name);
        const QString text = german(context, english, label->text());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width()) << english;
    }
}

// In each translation, an Alt letter opens one item of its menu, the menu bar included.
TEST_F(MainWindowLanguage, EachMenuKeepsItsMnemonicsApart)
{
    for (const char* language : {"de", "fr", "es"}) {
        ASSERT_EQ(Translations::install(language, kBuilt), language);
        form = std::make_unique<TForm1>();
        QList<QWidget*> menus{form->menuBar()};
        for (QMenu* menu : form->findChildren<QMenu*>())
            menus << menu;
        for (QWidget* menu : menus) {
            QMap<QChar, QString> taken;
            for (QAction* a : menu->actions()) {
                const qsizetype amp = a->text().indexOf(QRegularExpression("&[^&]"));
                if (a->isSeparator() || !a->isVisible() || amp < 0)
                    continue;
                const QChar key = a->text().at(amp + 1).toLower();
                EXPECT_FALSE(taken.contains(key)) << language << ": " << qPrintable(taken.value(key)) << " and "
                                                  << qPrintable(a->text()) << " share Alt+" << qPrintable(QString(key));
                taken.insert(key, a->text());
            }
        }
    }
}
