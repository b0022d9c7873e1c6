// The country tree's content: regions in their order, countries under their exact region,
// node texts and pictures, and what is reported.
#include "data/CountryTree.h"
#include "support/Formats.h"
#include "support/Messenger.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const std::vector<CountryNode>& nodes)
{
    QStringList out;
    for (const CountryNode& n : nodes)
        out << n.text;
    return out;
}

const CountryNode& node(const std::vector<CountryNode>& nodes, const QString& text)
{
    for (const CountryNode& n : nodes)
        if (n.text == text)
            return n;
    throw std::runtime_error(("no node " + text).toStdString());
}

} // namespace

TEST(CountryTree, CountriesGoUnderTheirExactRegionAndOthersAreReported)
{
    ScriptedMessenger said;
    MessengerScope scope(&said);
    CurrencyTable table;
    auto add = [&](const char* country, const char* region, double rate) {
        table.Append(new CCurrencyData(rate, region, country, "EUR", "Units", 0));
    };
    add("Chad", "Central Africa", 600);
    add("France", "Europe", 1.1);
    add("Spain", "europe", 1.1);           // the case differs
    add("Ghana", "West Africa", 0.0);
    add("Mali", "Africa", 600);            // the parent of sub-regions holds no country
    add("Austria", "Europe", 2);
    add("Moonland", "User Defined", 2);
    add("Moonland", "User Defined", 3);    // a name taken before: lookups never reach it
    const auto roots = CountryTree::build(table);

    // Every region, empty or not, in its order, with its picture.
    EXPECT_EQ(texts(roots), QStringList({"Africa", "America", "Antarctica", "Asia", "Caribbean", "Europe",
                                         "Middle East", "Oceania", "User Defined"}));
    EXPECT_EQ(texts(roots[0].children), QStringList({"Central Africa", "East Africa", "North Africa",
                                                     "South Africa", "West Africa"}));
    EXPECT_EQ(texts(roots[1].children), QStringList({"Central America", "North America", "South America"}));
    EXPECT_TRUE(node(roots, "Antarctica").children.empty());
    EXPECT_EQ(node(roots, "User Defined").picture, CountryNode::UserRegion);
    EXPECT_EQ(roots[1].children[0].picture, CountryNode::SubRegion);

    // Central Africa is listed, although the region defaults leave it out.
    EXPECT_EQ(node(roots[0].children, "Central Africa").children.at(0).country, "Chad");
    EXPECT_EQ(texts(node(roots, "Europe").children), QStringList({"France (1.1 EUR)", "Austria (2 EUR)"}));
    EXPECT_EQ(texts(node(roots, "User Defined").children), QStringList{"Moonland (2 EUR)"});
    // No rate: the bare name and the picture that cannot be dragged.
    const CountryNode& ghana = node(roots[0].children, "West Africa").children.at(0);
    EXPECT_EQ(ghana.text, "Ghana");
    EXPECT_EQ(ghana.country, "Ghana");
    EXPECT_FALSE(ghana.draggable());
    EXPECT_TRUE(node(roots, "Europe").children[0].draggable());

    EXPECT_EQ(said.texts(ScriptedMessenger::Kind::MessageBox),
              QStringList({"Error on Location: europe", "Error on Location: Africa"}));
    EXPECT_EQ(said.shown.size(), 2u);
    EXPECT_EQ(node(CountryTree::build(table, CountryTree::Use::Editor), "User Defined").children.size(), 2u);
}

TEST(CountryTree, RateInShortestFormWithTheCurrentDecimalSeparator)
{
    const CCurrencyData half(1.5, "Europe", "Freedonia", "FRD", "Units", 0);
    const CCurrencyData big(1234567.25, "Europe", "Bigland", "BIG", "Units", 0);
    EXPECT_EQ(CountryTree::nodeText(half), "Freedonia (1.5 FRD)");
    EXPECT_EQ(CountryTree::nodeText(big), "Bigland (1234567.25 BIG)");   // no thousands separator
    // The currency editor shows the rate also when it is 0; the selector shows the bare name.
    const CCurrencyData none(0.0, "Europe", "Nowhere", "NWH", "Units", 0);
    EXPECT_EQ(CountryTree::nodeText(none, CountryTree::Use::Editor), "Nowhere (0 NWH)");
    FormatSettings& f = FormatSettings::current();
    const FormatSettings saved = f;
    f.decimalSeparator = QLatin1Char(',');
    f.thousandSeparator = QLatin1Char('.');
    EXPECT_EQ(CountryTree::nodeText(half), "Freedonia (1,5 FRD)");
    f = saved;
}
