// The currency editor and its add dialog, reached from the main window (F4): what Okay writes
// and in which order, what Cancel and Delete leave, and the reload after every close.
#include "Defs.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/common/DialogKit.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "data/UserCurrencies.h"
#include "support/Formats.h"
#include "support/Messenger.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using testenv::control;

namespace {

const QByteArray kMoonland =
    "<KRTISO>MNL</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Moonland</KRTCOUNTRY><KRTDENOM>Moons</KRTDENOM>\r\n";

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
        testenv::writeBytes(Defs::kUserDefinedFile, kMoonland);
        form = std::make_unique<TForm1>();
        // Each dialog that opens takes the next step of the script.
        setModalRunner([this](QDialog& shown) {
            EXPECT_FALSE(steps.empty()) << shown.objectName().toStdString();
            const auto step = steps.empty() ? [](QDialog&) {} : steps.front();
            if (!steps.empty())
                steps.pop_front();
            step(shown);
            return shown.result();
        });
    }
    void TearDown() override
    {
        setModalRunner({});
        FormatSettings::current() = saved;
    }
    static void select(QDialog& d, const QString& text)
    {
        auto* tv = control<QTreeWidget>(&d, "TV");
        tv->setCurrentItem(tv->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0));
    }
    static QStringList userCountries(const CurrencyTable& t)
    {
        QStringList names;
        for (const CCurrencyData* r : t.InRegion(UserCurrencies::kRegion))
            names << r->GetCountryName();
        return names;
    }

    ScriptedMessenger said;
    MessengerScope scope{&said};
    FormatSettings saved = FormatSettings::current();
    std::unique_ptr<TForm1> form;
    std::deque<std::function<void(QDialog&)>> steps;
};

} // namespace

TEST_F(EditorTest, OkayWritesTheUserCurrenciesInOrderAndTheMainWindowReloads)
{
    Formats::applyPunctuationChoice(1);   // ',' as decimal separator
    steps = {
        [](QDialog& editor) {
            // The popup's "Add New Currency" adds, as the first tool bar button does.
            control<QAction>(&editor, "ActionAdd")->trigger();
            select(editor, "France (0,94 EUR)");
            control<QAction>(&editor, "ActionEdit")->trigger();
            auto* tv = control<QTreeWidget>(&editor, "TV");
            EXPECT_EQ(tv->currentItem()->text(0), "User Defined");
            EXPECT_EQ(tv->currentItem()->child(2)->text(0), "France1 (0,94 EUR)");
            control<QCheckBox>(&editor, "DisableCurrencyButtonCheckBox")->setChecked(true);
            control<QAction>(&editor, "ActionOkay")->trigger();
        },
        [](QDialog& d) {
            for (const auto& [name, text] : {std::pair{"EName", "Mars"}, {"EISO", "mrs"}, {"ER", "0001.500000"}, {"EDenom", "Marks"}})
                control<QLineEdit>(&d, name)->setText(text);
            control<QAction>(&d, "ActionOkay")->trigger();
        },
        [](QDialog& d) {
            EXPECT_EQ(control<QLineEdit>(&d, "EName")->text(), "France1");
            control<QAction>(&d, "ActionOkay")->trigger();
        },
    };
    form->command(Command::CurrencyEditor)->trigger();
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(testenv::readBytes(Defs::kUserDefinedFile),
              kMoonland +
                  "<KRTISO>MRS</KRTISO><KRTDATA>1.5</KRTDATA><KRTCOUNTRY>Mars</KRTCOUNTRY><KRTDENOM>Marks</KRTDENOM>\r\n"
                  "<KRTISO>EUR</KRTISO><KRTDATA>0.94</KRTDATA><KRTCOUNTRY>France1</KRTCOUNTRY><KRTDENOM>Euros</KRTDENOM>\r\n");
    EXPECT_EQ(userCountries(form->session().currencies()), QStringList({"Moonland", "Mars", "France1"}));
    EXPECT_FALSE(control<QToolButton>(form.get(), "UpdateTool")->isEnabled());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(EditorTest, CancelWritesNothingAndDeletingEveryOneLeavesAnEmptyFile)
{
    auto deleteAll = [](QDialog& editor) {
        select(editor, "France (0.94 EUR)");
        control<QAction>(&editor, "ActionDelete")->trigger();   // not a user-defined one
        select(editor, "Moonland (2 MNL)");
        control<QAction>(&editor, "ActionDelete")->trigger();
    };
    steps = {[&](QDialog& editor) {
                 deleteAll(editor);
                 control<QAction>(&editor, "ActionCancel")->trigger();
             },
             [&](QDialog& editor) {
                 deleteAll(editor);
                 control<QAction>(&editor, "ActionOkay")->trigger();
             }};
    form->command(Command::CurrencyEditor)->trigger();
    EXPECT_EQ(testenv::readBytes(Defs::kUserDefinedFile), kMoonland);
    EXPECT_EQ(userCountries(form->session().currencies()), QStringList({"Moonland"}));
    form->command(Command::CurrencyEditor)->trigger();
    EXPECT_EQ(testenv::readBytes(Defs::kUserDefinedFile), "");
    EXPECT_TRUE(userCountries(form->session().currencies()).isEmpty());
    EXPECT_EQ(said.texts(ScriptedMessenger::Kind::MessageDialog),
              QStringList(2, "Can only delete from User Defined currencies"));
}

// A line the load could not use leaves the list open to change, and goes back as it stood.
TEST_F(EditorTest, ALineTheLoadCouldNotUseIsWrittenBackAsItStood)
{
    testenv::writeBytes(Defs::kUserDefinedFile, "<KRTDATA>x</KRTDATA>\r\n" + kMoonland);
    form = std::make_unique<TForm1>();
    steps = {[](QDialog& editor) {
        select(editor, "Moonland (2 MNL)");
        control<QAction>(&editor, "ActionDelete")->trigger();
        control<QAction>(&editor, "ActionOkay")->trigger();
    }};
    form->command(Command::CurrencyEditor)->trigger();
    EXPECT_EQ(testenv::readBytes(Defs::kUserDefinedFile), "<KRTDATA>x</KRTDATA>\r\n");
}

// After a factory file the operator's file was not read: the editor says so, offers no
// change of the list, and its Okay keeps the file as it is.
TEST_F(EditorTest, AFileTheLoadDidNotReadIsKept)
{
    testenv::writeBytes(Defs::kCurrencyFile, "<KRTHOST>a</KRTHOST>\r\n<KRTHOST>b</KRTHOST>\r\n<KRTHOST>c</KRTHOST>\r\n");
    form = std::make_unique<TForm1>();
    steps = {[](QDialog& editor) {
        EXPECT_FALSE(control<QAction>(&editor, "ActionAdd")->isEnabled());
        control<QAction>(&editor, "ActionOkay")->trigger();
    }};
    form->command(Command::CurrencyEditor)->trigger();
    EXPECT_EQ(testenv::readBytes(Defs::kUserDefinedFile), kMoonland);
    EXPECT_EQ(said.texts(ScriptedMessenger::Kind::MessageDialog), QStringList{UserCurrencies::kNotReadWhole});
}
