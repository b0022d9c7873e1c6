// Messages through the one messenger, whatever they quote.
#include "support/Trap.h"

#include <gtest/gtest.h>

// 10 MB of digits, of NUL bytes and of line breaks reach the box as a few short lines that
// still name the file and give the reason; a short value is told as it stands.
TEST(MessagesTest, AMessageIsBoundedWhateverItQuotes)
{
    ScriptedMessenger shown;
    MessengerScope scope{&shown};
    for (const QString& value : {QString(10 << 20, u'7'), QString(10 << 20, QChar()), QString(10 << 20, u'\n'), QString("1,5")}) {
        trapped(" zym", [&] { throw VemoxError("UserDefined.dat, line 2: '" + value + "' is not a valid floating point value"); });
        const QString told = shown.errors().constLast();
        EXPECT_TRUE(told.startsWith("UserDefined.dat, line 2: '") && told.endsWith("' is not a valid floating point value zym."));
        const qsizetype most = value.contains('\n') ? kMostLines * (kLongestLine + 1) : 2 * kLongestWord;
        EXPECT_TRUE(told.size() <= most && !told.contains(QChar())) << told.size();
    }
    EXPECT_EQ(shown.errors().constLast(), "UserDefined.dat, line 2: '1,5' is not a valid floating point value zym.");
}
