// The window's rules follow the folder: read when it opens, read again when another program
// changes a rules file (the history stays), and not read again for the editor's own saves.
#include "app/comparison.h"
#include "app/document_rules.h"
#include "document_fixture.h"

#include <QTest>

namespace wed::test {
namespace {

class DocumentRulesTest : public DocumentFixture {
  protected:
    void SetUp() override {
        game.writeItems({"Weapon=gun", "Cost=700", ";***", ""});
        game.writeNames({"<gun>", "x", ""});
    }
    size_t columns() { return rules.rules() ? rules.rules()->columns().size() : 0; }

    Comparison comparison{document};
    DocumentRules rules{document, comparison, 50};
    QSignalSpy onDisk{&rules, &DocumentRules::changedOnDisk};
    QSignalSpy reread{&rules, &DocumentRules::reread};
};

TEST_F(DocumentRulesTest, ARulesFileChangedOrAddedOnDiskIsReadAgainWithoutTouchingHistory) {
    open();
    EXPECT_EQ(rules.rules(), nullptr) << "no rules file yet";
    ASSERT_TRUE(type(item(CategoryId::Weapon, 0), "Cost", "710").done());

    game.writeFile("weapon-rules.lua", R"(column { "weapon", "a", "Cost" })");
    ASSERT_TRUE(QTest::qWaitFor([&] { return onDisk.count() == 1; }, 5000));
    EXPECT_EQ(columns(), 1u);

    game.writeFile("weapon-rules.lua", "column { \"weapon\", \"a\", \"Cost\" }\n"
                                       "column { \"weapon\", \"b\", \"Cost * 2\" }");
    ASSERT_TRUE(QTest::qWaitFor([&] { return onDisk.count() == 2; }, 5000));
    EXPECT_EQ(columns(), 2u);
    EXPECT_EQ(document.history().count(), 1) << "a rules file is not a game file";
    EXPECT_TRUE(document.undo().done());
}

TEST_F(DocumentRulesTest, TheEditorsOwnSavesAndTheExtraFilesInOrder) {
    game.writeFile("weapon-rules.lua", R"(column { "weapon", "a", "Cost" })");
    game.writeFile("more.lua", R"(column { "weapon", "b", "columns.a" })");
    rules.setExtraFiles({game.path("more.lua")});
    open();
    EXPECT_EQ(columns(), 2u);
    const int reads = int(reread.count());
    ASSERT_TRUE(type(item(CategoryId::Weapon, 0), "Cost", "710").done());
    QTest::qWait(300);
    EXPECT_EQ(reread.count(), reads) << "a save of weapon.cfg reads no rules";
    EXPECT_EQ(onDisk.count(), 0);
}

} // namespace
} // namespace wed::test
