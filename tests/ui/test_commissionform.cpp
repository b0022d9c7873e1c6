// The commission settings dialog offscreen, driven through its named fields and actions.
#include "Defs.h"
#include "Forms/TCurrencyForm.h"
#include "calc/CommissionTable.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList storedCvx()
{
    QStringList l;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, l, KEY_READ);
    return l;
}

class CommissionFormTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void TearDown() override { testenv::resetStore(); }

    std::unique_ptr<TCurrencyForm> open(const QString& iso = "GBP")
    {
        return std::make_unique<TCurrencyForm>(CommissionHeader{QPixmap(), "Unt. Kingdom", iso}, table);
    }
    static MaskedNumberField* field(QWidget* form, const char* name)
    {
        return form->findChild<MaskedNumberField*>(QString::fromLatin1(name));
    }
    static void trigger(QWidget* form, const char* action)
    {
        form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    static void type(MaskedNumberField* f, const char* keys)
    {
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, QString::fromLatin1(keys));
    }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    CommissionTable table;
};

} // namespace

TEST_F(CommissionFormTest, FirstUseShowsTheDefaultsAndOkayStoresThirtyEntries)
{
    auto form = open();
    ASSERT_TRUE(form->ready());
    EXPECT_EQ(field(form.get(), "MRcashbuy")->maskedText(), "004.000");
    EXPECT_EQ(field(form.get(), "MRccsell")->maskedText(), "002.000");
    EXPECT_EQ(field(form.get(), "MaskEdit12")->maskedText(), "000.000");
    EXPECT_TRUE(storedCvx().isEmpty());   // nothing is stored before Okay

    trigger(form.get(), "ActionOkay");
    const QStringList stored = storedCvx();
    ASSERT_EQ(stored.size(), 30);
    EXPECT_EQ(stored.mid(0, 7), QStringList({"004.000", "004.000", "002.000", "002.000", "004.000", "004.000",
                                             "000.000"}));
    EXPECT_EQ(table.entry(2), 2.0);
    EXPECT_EQ(table.entry(5), 4.0);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(CommissionFormTest, TypingFillsTheWholePartFromTheRightAndNeverShiftsAcrossThePoint)
{
    auto form = open();
    form->show();
    MaskedNumberField* f = field(form.get(), "MCtcbuy");
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"4", "004.000"},     {"12", "012.000"},   {"123", "123.000"}, {"12345", "123.000"},
        {"4.5", "004.500"},   {"4,5", "004.500"},  {"12.25", "012.250"}, {"123456", "123.000"},
        {"123.456", "123.456"}, {"7a", "007.000"}, {"45\b", "004.000"}, {"4.\b", "000.000"}, {"4.56\b\b\b", "000.000"},
    };
    for (const auto& c : cases) {
        type(f, c.keys);
        EXPECT_EQ(f->maskedText(), c.shown) << c.keys;
    }
    // Okay stores what the field shows: 4 typed is a charge of 4 %.
    type(f, "4");
    trigger(form.get(), "ActionOkay");
    EXPECT_EQ(storedCvx().at(14), "004.000");
    EXPECT_EQ(table.entry(14), 4.0);
}

TEST_F(CommissionFormTest, ClearThenCancelChangesNothing)
{
    auto first = open();
    type(field(first.get(), "MCcashbuy"), "1.5");
    trigger(first.get(), "ActionOkay");
    const QStringList before = storedCvx();
    const auto entries = table.entries();

    auto form = open();
    EXPECT_EQ(field(form.get(), "MCcashbuy")->maskedText(), "001.500");
    trigger(form.get(), "ActionClear");
    EXPECT_EQ(field(form.get(), "MRcashbuy")->maskedText(), "000.000");
    trigger(form.get(), "ActionCancel");
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(storedCvx(), before);
    EXPECT_EQ(table.entries(), entries);

    trigger(form.get(), "ActionDefaults");
    EXPECT_EQ(field(form.get(), "MCcashbuy")->maskedText(), "000.000");
    EXPECT_EQ(field(form.get(), "MRtcsell")->maskedText(), "004.000");
}

TEST_F(CommissionFormTest, CashSaleFeeOfTwoIsSubtractedAfterOkay)
{
    auto form = open();
    trigger(form.get(), "ActionClear");
    type(field(form.get(), "MCcashsellmin"), "2.");
    EXPECT_EQ(field(form.get(), "MCcashsellmin")->maskedText(), "002.000");
    trigger(form.get(), "ActionOkay");
    EXPECT_EQ(storedCvx().at(9), "002.000");
    EXPECT_EQ(table.entry(9), 2.0);
    const ChargeOptions cashSale{Payment::Cash, RateKind::Sell, true};
    EXPECT_DOUBLE_EQ(double(table.ApplyCharges(100.0L, cashSale)), 98.0);
}

TEST_F(CommissionFormTest, StoredListOfTwentyNineIsNotOpened)
{
    QStringList list = CommissionTable::Defaults();
    list.removeLast();
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list, KEY_WRITE);
    auto form = open();
    EXPECT_FALSE(form->ready());
    EXPECT_EQ(msgs.texts(ScriptedMessenger::Kind::MessageBox),
              QStringList{"Error: Unable to Load Currency Values from Registry"});
}

TEST_F(CommissionFormTest, FeeLabelsNameTheCurrencyOfTheHeaderPaneWhoseNameShowsWhole)
{
    auto form = open("EUR");
    EXPECT_EQ(form->findChild<QLabel*>("cbcurrency")->text(), "(EUR)");
    EXPECT_EQ(form->findChild<QLabel*>("Label33")->text(), "(EUR)");
    EXPECT_EQ(form->findChild<QLabel*>("homecountry")->text(), "Unt. Kingdom");
    form->show();   // every name of the master list fits the header
    const QStringList rows = QString::fromUtf8(testenv::readBytes(testenv::sourceDir() + "/share/currencies.csv")).split('\n');
    ASSERT_GT(rows.size(), 100);
    const auto* label = form->findChild<QLabel*>("homecountry");
    for (const QString& row : rows)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(row.section(',', 2, 2)), label->contentsRect().width()) << row.toStdString();
}

TEST_F(CommissionFormTest, ItsKeysWorkInAFieldAndAFailedSaveKeepsItOpen)
{
    auto form = open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    MaskedNumberField* f = field(form.get(), "MCcashbuy");
    EXPECT_EQ(f->accessibleName(), "Commission, Cash, Buy (%)");
    EXPECT_EQ(field(form.get(), "MaskEdit12")->accessibleName(), "Duty, Traveller's Cheque, Sell Min. (GBP)");
    type(f, "9");
    QTest::keyClick(f, Qt::Key_E, Qt::ControlModifier);   // Clear Settings, though the field has the focus
    EXPECT_EQ(f->maskedText(), "000.000");
    EXPECT_EQ(field(form.get(), "MRcashbuy")->maskedText(), "000.000");

    {
        testenv::FullDisk full;   // the store cannot be written
        QTest::keyClick(f, Qt::Key_F7);
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(form->result(), QDialog::Accepted);
    EXPECT_EQ(msgs.texts(ScriptedMessenger::Kind::MessageBox), QStringList{TCurrencyForm::kWriteError});
    EXPECT_TRUE(storedCvx().isEmpty());
}

// Tab or a click selects a field's text, so typing replaces it; a second click or an arrow key
// edits inside it (T: Tab, C: click, A: Ctrl+A, L: Left). Cash sold: 3 % off 86.20 euros.
TEST_F(CommissionFormTest, AFieldEnteredByTabOrClickIsTypedOver)
{
    auto form = open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    MaskedNumberField *buy = field(form.get(), "MRcashbuy"), *sell = field(form.get(), "MRcashsell");
    EXPECT_EQ(buy->selectedText(), "004.000");   // the field the dialog opens in
    const struct { const char *steps, *keys, *shown; } cases[] = {
        {"T", "3", "003.000"}, {"C", "2.5", "002.500"}, {"CA", "4", "004.000"}, {"CC", "7", "047.000"},
        {"TL", "7", "004.007"}, {"T", "3", "003.000"}};
    for (const auto& c : cases) {
        trigger(form.get(), "ActionDefaults");
        QTest::mouseClick(buy, Qt::LeftButton, {}, QPoint(3, 9));
        for (const char* s = c.steps; *s; ++s)
            *s == 'C' ? QTest::mouseClick(sell, Qt::LeftButton, {}, QPoint(3, 9))
                      : QTest::keyClick(*s == 'T' ? buy : sell, *s == 'T' ? Qt::Key_Tab : *s == 'L' ? Qt::Key_Left : Qt::Key_A,
                                        *s == 'A' ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyClicks(sell, QString::fromLatin1(c.keys));
        EXPECT_EQ(sell->maskedText(), c.shown) << c.steps;
    }
    trigger(form.get(), "ActionOkay");
    EXPECT_EQ(storedCvx().value(1), "003.000");
    EXPECT_NEAR(double(table.ApplyCharges(86.20L, {Payment::Cash, RateKind::Sell, false})), 83.614, 1e-9);
}
