#include "app/chart_points.h"
#include "app/comparison.h"
#include "document_fixture.h"

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

// A computed axis has its base point too: the rule run on the base's record of the item; an
// item the base lacks has none.
TEST(ChartBase, AComputedAxisIsComputedOnTheBasesRecord) {
    TempGame game, shipped;
    game.writeItems({"Weapon=a", "Cost=30", "Clip=1", kEnd, "Weapon=b", "Cost=40", "Clip=2", kEnd,
                     "Weapon=new", "Cost=50", "Clip=3", kEnd, ""});
    game.writeNames({""});
    shipped.writeItems({"Weapon=a", "Cost=10", "Clip=1", kEnd, "Weapon=b", "Clip=2", kEnd, ""});
    shipped.writeNames({""});
    Document document;
    ASSERT_FALSE(document.open(game.path(QStringLiteral("weapon.cfg"))).refused());
    Comparison comparison(document);
    ASSERT_TRUE(comparison.setBase(shipped.folder()).done());
    Rules rules;
    ASSERT_TRUE(rules.readText("mod.lua", "column { 'weapon', 'dear', 'Cost * 2' }"));
    ChartPoints chart(document, CategoryId::Weapon);
    chart.setRules(&rules);
    chart.setComparison(&comparison);
    const int clip = chart.table().columns().columnOf(fieldIndex(CategoryId::Weapon, "Clip"));
    chart.setAxes(clip, chart.table().columns().firstComputed());
    ASSERT_EQ(chart.points().size(), 3u);
    EXPECT_EQ(chart.points()[0].y, 60);
    EXPECT_EQ(chart.points()[0].baseY, 20);
    EXPECT_EQ(chart.points()[0].baseX, 1);
    EXPECT_FALSE(chart.points()[1].baseY) << "the base's b has no price: no number";
    EXPECT_FALSE(chart.points()[2].baseY) << "the base lacks the item";
}

} // namespace
} // namespace wed::test
