// The modder's rules in the window: the rules dialog with its recipes run through the patch
// preview, each the bytes the command line's run writes and one undoable step; the rules'
// problems in the folder check; the rules read again when another program rewrites them.
#include "cli/cli_run.h"
#include "keys_fixture.h"
#include "window/editor_actions.h"
#include "window/patch_preview_dialog.h"
#include "window/problem_window.h"
#include "window/rules_dialog.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
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
  game:item("weapon/gun").name = "重机枪"
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
    // 工具 → 规则… with the keys: Alt, the menu before the last, down to the entry.
    RulesDialog* openRules() {
        activate(form);
        focus(form.itemList());
        press(Qt::Key_Alt);
        QTest::keyClick(form.menuBar(), Qt::Key_Left);
        QTest::keyClick(form.menuBar(), Qt::Key_Left);
        QTest::keyClick(form.menuBar(), Qt::Key_Down);
        QMenu* tools = nullptr;
        if (!QTest::qWaitFor(
                [&] { return (tools = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }))
            return nullptr;
        for (int i = 0; i < 10 && (!tools->activeAction() ||
                                   tools->activeAction()->text() != QStringLiteral("规则…"));
             ++i)
            QTest::keyClick(tools, Qt::Key_Down);
        QTest::keyClick(tools, Qt::Key_Return);
        RulesDialog* dialog = form.actions().rulesDialog();
        if (!dialog || !QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }))
            return nullptr;
        return dialog;
    }
    // The lines of the folder check as F7 shows them.
    QStringList checkWindowLines() {
        activate(form);
        focus(form.itemList());
        press(Qt::Key_F7);
        ProblemWindow* problems = form.actions().problemWindow();
        return problems && problems->isVisible() ? rows(problems->list()) : QStringList{};
    }

    TempGame twin; // the folder as it was opened, for the command line
};

// F7 lists the rules' problems as the command line's check words them, after the error of a
// rules file that did not load.
TEST_F(RulesWindow, F7ListsTheRulesProblemsAndABrokenRulesFileAsCheckDoes) {
    const Ran checked = run({"check", game.folder()});
    ASSERT_EQ(checked.status, 1);
    QStringList expected = checked.out.split(u'\n', Qt::SkipEmptyParts);
    // The window names the file, the command its path.
    const QString folder = QDir::toNativeSeparators(game.folder()) + QDir::separator();
    for (QString& line : expected)
        if (line.startsWith(folder))
            line.remove(0, folder.size());
    EXPECT_EQ(checkWindowLines(), expected);
    EXPECT_TRUE(expected.join(u'\n').contains(QStringLiteral("[rule-error]")));
    EXPECT_TRUE(expected.join(u'\n').contains(QStringLiteral("警告：weapon/rifle：not round")));

    const QString broken = game.writeFile("broken.lua", "check { \"weapon\", ");
    form.documentRules().setExtraFiles({broken});
    const Ran refused = run({"check", game.folder(), "--rules", broken});
    ASSERT_TRUE(refused.err.endsWith(u'\n'));
    const QStringList shown = checkWindowLines();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.front() + u'\n', refused.err);
    EXPECT_EQ(shown.mid(1), expected);
}
TEST_F(RulesWindow, ARecipeRunsThroughThePreviewAsOneStepNamedAfterIt) {
    const QString broken = game.writeFile("broken.lua", "column { \"weapon\", ");
    form.documentRules().setExtraFiles({broken});
    RulesDialog* opened = openRules();
    ASSERT_NE(opened, nullptr);
    RulesDialog& dialog = *opened;
    // What the rules command lists, its error too.
    const Ran listed = run({"rules", game.folder(), "--rules", broken});
    EXPECT_EQ(rows(dialog.list()).join(u'\n') + u'\n', listed.out);
    EXPECT_EQ(listed.status, 1);
    EXPECT_TRUE(dialog.filesLabel()->text().contains(QDir::toNativeSeparators(broken)));

    const QByteArray before = bytes(game);
    runFromRow(dialog, "dearer", [this](PatchPreviewDialog& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("配方 dearer"));
        EXPECT_EQ(preview.table()->rowCount(), 3);
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
// line says; item.base is the comparison's base.
TEST_F(RulesWindow, ARecipeThatFailsOrChangesNothingWritesNothingAndSaysSo) {
    RulesDialog* opened = openRules();
    ASSERT_NE(opened, nullptr);
    RulesDialog& dialog = *opened;
    const QByteArray before = bytes(game);
    for (const QString recipe : {"bad-class", "same", "from-base"}) {
        runFromRow(dialog, recipe);
        const QString said = run({"run", twin.folder(), recipe}).err;
        // The folder as the messages write it, in the system's form and in Qt's (Lua's own).
        const QString expected = QString(said)
                                     .replace(QDir::toNativeSeparators(twin.folder()),
                                              QDir::toNativeSeparators(game.folder()))
                                     .replace(twin.folder(), game.folder());
        EXPECT_EQ(lastMessage() + u'\n', expected);
    }
    EXPECT_EQ(bytes(game), before);
    EXPECT_EQ(bytes(twin), before);
    EXPECT_EQ(form.document().history().count(), 0);

    TempGame base;
    base.writeItems({"Weapon=gun", "Cost=400", kEnd});
    base.writeNames({"<gun>", ""});
    ASSERT_TRUE(form.compareWith(base.folder()).done());
    messages.texts.clear();
    runFromRow(dialog, "from-base", [this](PatchPreviewDialog&) { press(Qt::Key_Return); });
    EXPECT_TRUE(items().contains("Weapon=gun\r\nCost=401\r\n"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// Another program rewrites the rules file: the window says the rules were read again, the
// dialog lists the new rules, and the history is as it was: undo still takes the edit back.
TEST_F(RulesWindow, ARulesFileRewrittenByAnotherProgramIsReadAgainAndTheHistoryStays) {
    const QByteArray before = items();
    clickItem(1);
    retype(form.textBox("Text5"), QStringLiteral("60"));
    ASSERT_EQ(form.document().history().count(), 1);
    RulesDialog* dialog = openRules();
    ASSERT_NE(dialog, nullptr);
    const QString rewritten = twin.writeFile(
        "new-rules.lua", "recipe { \"cheaper\", \"every weapon for less\", function(game) end }\n");
#ifdef Q_OS_WIN
    const int copied =
        QProcess::execute("cmd", {"/c", "copy", "/y", QDir::toNativeSeparators(rewritten),
                                  QDir::toNativeSeparators(game.path("weapon-rules.lua"))});
#else
    const int copied = QProcess::execute("cp", {rewritten, game.path("weapon-rules.lua")});
#endif
    ASSERT_EQ(copied, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->list()->count() == 1; }, 5000));
    EXPECT_TRUE(dialog->list()->item(0)->text().contains(QStringLiteral("配方 cheaper")));
    EXPECT_EQ(form.actions().noticeLabel()->text(),
              QStringLiteral("规则文件已被修改，已重新读取。"));
    EXPECT_EQ(form.document().history().count(), 1);
    activate(form);
    focus(form.itemList());
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(items(), before);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
} // namespace wed::test
