// The country tree's content: regions in their order, countries under their exact region,
// node texts and pictures, and what is reported.
#include "data/CountryTree.h"
#include "support/Formats.h"
#include "support/Messenger.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CCurrencyData> rec(const char* country, const char* region, double rate, const char* iso = "XXX")
{
    return std::make_unique<CCurrencyData>(rate, region, country, iso, "Units", 0);
}

QStringList texts(const std::vector<CountryNode>& nodes)
{
    QStringList out;
    for (const CountryNode& n : nodes)
        out << n.text;
    return out;
}

const CountryNode& child(const std::vector<CountryNode>& nodes, const QString& text)
{
    for (const CountryNode& n : nodes)
        if (n.text == text)
            return n;
    throw std::runtime_error(("no node " + text).toStdString());
}

class CountryTreeTest : public ::testing::Test {
protected:
    ScriptedMessenger said;
    MessengerScope scope{&said};
    CurrencyTable table;
};

} // namespace

TEST_F(CountryTreeTest, RegionsAndSubRegionsAlwaysPresentInOrder)
{
    const auto roots = CountryTree::build(table);
    EXPECT_EQ(texts(roots), QStringList({"Africa", "America", "Antarctica", "Asia", "Caribbean", "Europe",
                                         "Middle East", "Oceania", "User Defined"}));
    EXPECT_EQ(texts(roots[0].children), QStringList({"Central Africa", "East Africa", "North Africa",
                                                     "South Africa", "West Africa"}));
    EXPECT_EQ(texts(roots[1].children), QStringList({"Central America", "North America", "South America"}));
    // Empty regions stay, with their pictures.
    EXPECT_TRUE(child(roots, "Antarctica").children.empty());
    EXPECT_EQ(child(roots, "Antarctica").picture, CountryNode::Region);
    EXPECT_EQ(child(roots, "User Defined").picture, CountryNode::UserRegion);
    EXPECT_EQ(roots[0].children[0].picture, CountryNode::SubRegion);
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(CountryTreeTest, CountriesGoUnderTheirExactRegionInTableOrder)
{
    table.Append(rec("Chad", "Central Africa", 600));
    table.Append(rec("France", "Europe", 1.1, "EUR"));
    table.Append(rec("Brazil", "South America", 5));
    table.Append(rec("Ghana", "West Africa", 0.0));
    table.Append(rec("Austria", "Europe", 1.1, "EUR"));
    table.Append(rec("Moonland", "User Defined", 2));
    table.Append(rec("Base", "Antarctica", 1));
    const auto roots = CountryTree::build(table);

    // Central Africa is listed, although the region defaults leave it out.
    const CountryNode& chad = child(child(roots, "Africa").children, "Central Africa").children.at(0);
    EXPECT_EQ(chad.country, "Chad");
    EXPECT_EQ(texts(child(roots, "Europe").children), QStringList({"France (1.1 EUR)", "Austria (1.1 EUR)"}));
    EXPECT_EQ(child(child(roots, "America").children, "South America").children.size(), 1u);
    EXPECT_EQ(child(roots, "User Defined").children.at(0).country, "Moonland");
    EXPECT_EQ(child(roots, "Antarctica").children.size(), 1u);

    // No rate: the bare name, the picture that cannot be dragged.
    const CountryNode& ghana = child(child(roots, "Africa").children, "West Africa").children.at(0);
    EXPECT_EQ(ghana.text, "Ghana");
    EXPECT_EQ(ghana.country, "Ghana");
    EXPECT_EQ(ghana.picture, CountryNode::NoRate);
    EXPECT_FALSE(ghana.draggable());
    EXPECT_TRUE(chad.draggable());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(CountryTreeTest, UnknownRegionsAreReportedAndLeftOut)
{
    table.Append(rec("Spain", "europe", 1.1));
    table.Append(rec("Mali", "Africa", 600));         // the parent of sub-regions holds none
    table.Append(rec("Peru", "South America ", 3));    // no trimming
    table.Append(rec("Italy", "Europe", 1.1));
    const auto roots = CountryTree::build(table);
    ASSERT_EQ(said.texts(ScriptedMessenger::Kind::MessageBox),
              QStringList({"Error on Location: europe", "Error on Location: Africa",
                           "Error on Location: South America "}));
    EXPECT_EQ(texts(child(roots, "Europe").children), QStringList({"Italy (1.1 XXX)"}));
    EXPECT_TRUE(child(roots, "Africa").children.at(0).children.empty());
    EXPECT_EQ(child(roots, "Africa").children.size(), 5u);
}

TEST(CountryTreeText, RateInShortestFormWithTheCurrentDecimalSeparator)
{
    const CCurrencyData half(1.5, "Europe", "Freedonia", "FRD", "Units", 0);
    const CCurrencyData big(1234567.25, "Europe", "Bigland", "BIG", "Units", 0);
    const CCurrencyData tiny(0.000123, "Europe", "Tinyland", "TIN", "Units", 0);
    EXPECT_EQ(CountryTree::nodeText(half), "Freedonia (1.5 FRD)");
    EXPECT_EQ(CountryTree::nodeText(big), "Bigland (1234567.25 BIG)");   // no thousands separator
    EXPECT_EQ(CountryTree::nodeText(tiny), "Tinyland (0.000123 TIN)");
    FormatSettings& f = FormatSettings::current();
    const FormatSettings saved = f;
    f.decimalSeparator = QLatin1Char(',');
    f.thousandSeparator = QLatin1Char('.');
    EXPECT_EQ(CountryTree::nodeText(half), "Freedonia (1,5 FRD)");
    f = saved;
}
