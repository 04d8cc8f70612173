// The modder's rules in the window: the rules dialog with its recipes run through the patch
// preview, each the bytes the command line's run writes and one undoable step; the rules'
// problems in the folder check; the rules read again when another program rewrites them.
#include "app/folder_rules.h"
#include "app/rule_text.h"
#include "cli/cli_run.h"
#include "keys_fixture.h"
#include "window/patch_preview_dialog.h"
#include "window/rules_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace wed::test {
namespace {

const QByteArray kRules = R"(
column { "weapon", "double", "Cost * 2" }
check { "weapon", "cheap", "too dear", key = "Cost", function(item) return item.Cost < 500 end }
check { "weapon", "round", "not round", severity = "warning",
        function(item) return item.Cost % 100 == 0 end }
check { "armor", "throws", "never", function(item) error("boom") end }
recipe { "dearer", "every weapon 10% dearer", function(game)
  for item in game:items("weapon/*") do item.Cost = item.Cost * 1.1 end
end }
recipe { "same", "the price it has", function(game)
  local gun = game:item("weapon/gun"); gun.Cost = gun.Cost
end }
recipe { "bad-class", "a class out of range", function(game)
  game:item("weapon/gun").Cost = 1; game:item("weapon/gun").Class = 9
end }
recipe { "from-base", "the shipped price plus one", function(game)
  local gun = game:item("weapon/gun"); gun.Cost = gun.base.Cost + 1
end }
)";

class RulesWindow : public KeysFixture {
  protected:
    void SetUp() override {
        game.writeFile("weapon-rules.lua", kRules);
        KeysFixture::SetUp();
        if (!IsSkipped() && !HasFatalFailure())
            for (const QString file : {"weapon.cfg", "Text/Weapon.txt", "weapon-rules.lua"})
                twin.writeFile(file, game.readFile(file));
    }
    QByteArray bytes(const TempGame& folder) const {
        return folder.readFile("weapon.cfg") + '|' + folder.readFile("Text/Weapon.txt");
    }
    static QStringList rows(QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    // Chooses the recipe's row and presses Enter on it; `preview` answers the preview.
    void runFromRow(RulesDialog& dialog, const QString& recipe,
                    std::function<void(PatchPreviewDialog&)> preview = {}) {
        QListWidget* list = dialog.list();
        const QList<QListWidgetItem*> found =
            list->findItems(QStringLiteral(": 配方 ") + recipe + u'：', Qt::MatchContains);
        ASSERT_EQ(found.size(), 1) << recipe.toStdString();
        list->setCurrentItem(found.front());
        activate(dialog);
        focus(list);
        if (preview)
            whenShown(std::move(preview));
        press(Qt::Key_Return);
    }
    QString lastMessage() const {
        return messages.texts.isEmpty() ? QString() : messages.texts.back();
    }

    TempGame twin; // the folder as it was opened, for the command line
};

TEST_F(RulesWindow, ARecipeRunsThroughThePreviewAsOneStepNamedAfterIt) {
    const QString broken = game.writeFile("broken.lua", "column { \"weapon\", ");
    FolderRules rules = readFolderRules(game.folder(), {broken});
    RulesDialog dialog(form.document(), messages, &form);
    dialog.setRules(rules.rules.get(), rules.files, nullptr);
    WED_ACTIVATE_OR_SKIP(dialog);
    activate(dialog);
    // What the rules command lists, its error too.
    const Ran listed = run({"rules", game.folder(), "--rules", broken});
    EXPECT_EQ(rows(dialog.list()).join(u'\n') + u'\n', listed.out);
    EXPECT_EQ(listed.status, 1);
    EXPECT_TRUE(dialog.filesLabel()->text().contains(QDir::toNativeSeparators(broken)));

    const QByteArray before = bytes(game);
    runFromRow(dialog, "dearer", [this](PatchPreviewDialog& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("配方 dearer"));
        EXPECT_EQ(preview.table()->rowCount(), 2);
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(bytes(game), before) << "cancelled";
    runFromRow(dialog, "dearer", [this](PatchPreviewDialog&) { press(Qt::Key_Return); });
    ASSERT_EQ(run({"run", twin.folder(), "dearer"}).status, 0);
    EXPECT_EQ(bytes(game), bytes(twin));
    ASSERT_EQ(form.document().history().count(), 1);
    EXPECT_EQ(form.document().step(0).text, QStringLiteral("配方 dearer"));
    activate(form);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(bytes(game), before);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// A recipe that fails, is refused or changes nothing writes nothing and says what the command
// line says; item.base is the base given.
TEST_F(RulesWindow, ARecipeThatFailsOrChangesNothingWritesNothingAndSaysSo) {
    FolderRules rules = readFolderRules(game.folder(), {});
    RulesDialog dialog(form.document(), messages, &form);
    dialog.setRules(rules.rules.get(), rules.files, nullptr);
    WED_ACTIVATE_OR_SKIP(dialog);
    activate(dialog);
    const QByteArray before = bytes(game);
    for (const QString recipe : {"bad-class", "same", "from-base"}) {
        runFromRow(dialog, recipe);
        const QString said = run({"run", twin.folder(), recipe}).err;
        EXPECT_EQ(lastMessage() + u'\n', QString(said).replace(twin.folder(), game.folder()));
    }
    EXPECT_EQ(bytes(game), before);
    EXPECT_EQ(bytes(twin), before);
    EXPECT_EQ(form.document().history().count(), 0);

    TempGame base;
    base.writeItems({"Weapon=gun", "Cost=400", kEnd});
    messages.texts.clear();
    GameData shipped;
    ASSERT_TRUE(shipped.read(base.path("weapon.cfg"), false).done());
    dialog.setRules(rules.rules.get(), rules.files, &shipped);
    runFromRow(dialog, "from-base", [this](PatchPreviewDialog&) { press(Qt::Key_Return); });
    EXPECT_TRUE(items().contains("Weapon=gun\r\nCost=401\r\n"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
} // namespace wed::test
