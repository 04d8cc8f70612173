// The mod list window, driven with keys and clicks in an active window: the tree's roles follow
// the list's order at once, keeping what the user folded and stood on, a losing value is taken
// and given back, and the merge written, applied or exported is what the merge command makes of
// the same list.
#include "cli/cli_run.h"
#include "keys_fixture.h"
#include "window/editor_actions.h"
#include "window/merge_tree.h"
#include "window/mod_list_pane.h"
#include "window/mod_list_window.h"
#include "window/patch_preview_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <optional>

namespace wed::test {
namespace {

class MergeWindow : public KeysFixture {
  protected:
    void SetUp() override {
        KeysFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // Two mods of the folder: both price the gun, one the rifle's clip, one the vest.
        for (TempGame* mod : {&modA, &modB})
            for (const QString file : {"weapon.cfg", "Text/Weapon.txt"})
                mod->writeFile(file, game.readFile(file));
        ASSERT_EQ(run({"set", modA.folder(), "weapon/gun", "Cost", "800"}).status, 0);
        ASSERT_EQ(run({"set", modA.folder(), "weapon/rifle", "Clip", "20"}).status, 0);
        ASSERT_EQ(run({"set", modB.folder(), "weapon/gun", "Cost", "900"}).status, 0);
        ASSERT_EQ(run({"set", modB.folder(), "armor/vest", "Hp", "90"}).status, 0);
        activateForm();
        press(Qt::CTRL | Qt::Key_M);
        window = form.actions().mergeWindow();
        ASSERT_TRUE(window && window->isVisible());
        // The platform may call it active while the editor's window still has the keys.
        activate(*window);
        if (HasFatalFailure())
            return;
        messages.folders = {modA.folder(), modB.folder()};
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(button("AddFolderButton"), Qt::LeftButton);
    }
    void activateForm() {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }));
    }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    // A row of the tree, read as the tree shows it.
    struct Row {
        QModelIndex index;
        QVariant data(int column, int role) const {
            return index.siblingAtColumn(column).data(role);
        }
        QString text(int column) const { return data(column, Qt::DisplayRole).toString(); }
        QBrush background(int column) const {
            return data(column, Qt::BackgroundRole).value<QBrush>();
        }
        std::optional<Row> parent() const { return Row{index.parent()}; }
    };
    // The field row of the item and field, as the tree shows them.
    std::optional<Row> row(const QString& item, const QString& field) const {
        const QAbstractItemModel* rows = window->tree()->model();
        for (const QModelIndex& found : rows->match(rows->index(0, 0), Qt::DisplayRole, item, -1,
                                                    Qt::MatchExactly | Qt::MatchRecursive))
            for (int i = 0; i < rows->rowCount(found); ++i)
                if (Row child{rows->index(i, 0, found)}; child.text(0) == field)
                    return child;
        return std::nullopt;
    }
    // A cell's role, by its accessible description and colour.
    static QString described(const std::optional<Row>& row, int column) {
        return row ? row->data(column, Qt::AccessibleDescriptionRole).toString() : "no such row";
    }
    void clickCell(const std::optional<Row>& row, int column) {
        ASSERT_TRUE(row);
        MergeTree* tree = window->tree();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualRect(row->index.siblingAtColumn(column)).topLeft() +
                              QPoint(4, 4));
        ASSERT_EQ(tree->currentIndex().column(), column);
    }
    QByteArray folderBytes(const QString& folder) const {
        return readBytes(folder + "/weapon.cfg") + '|' + readBytes(folder + "/Text/Weapon.txt");
    }

    TempGame modA, modB, out;
    ModListWindow* window = nullptr;
};

TEST_F(MergeWindow, TheTreeShowsEachModsRoleAndFollowsTheOrderAtOnce) {
    EXPECT_EQ(window->pane()->base(), game.folder()) << "the open folder is the base";
    auto price = row("weapon/gun", "价格");
    ASSERT_TRUE(price);
    EXPECT_EQ(QStringList({price->text(1), price->text(2), price->text(3), price->text(4)}),
              (QStringList{"700", "800", "900", "900"}));
    EXPECT_EQ(described(price, 2), "冲突中落选");
    EXPECT_EQ(described(price, 3), "冲突中胜出");
    EXPECT_EQ(price->background(2).color(), MergeTree::roleColour(MergeCellRole::Loses));
    EXPECT_EQ(described(row("weapon/rifle", "弹夹装弹数"), 2), "只有这个模组修改");
    EXPECT_EQ(described(row("weapon/rifle", "弹夹装弹数"), 3), "与原版相同");
    EXPECT_EQ(described(price->parent(), 0), "冲突中落选") << "an item carries its worst";

    // Alt+Up on the second mod puts it first: the other one wins now.
    QListWidget* list = window->pane()->list();
    focus(list);
    list->setCurrentRow(1);
    press(Qt::ALT | Qt::Key_Up);
    EXPECT_EQ(window->pane()->mods(), (QStringList{modB.folder(), modA.folder()}));
    price = row("weapon/gun", "价格");
    EXPECT_EQ(described(price, 2), "冲突中落选");
    EXPECT_EQ(price->text(4), "800");

    QTest::mouseClick(window->findChild<QCheckBox*>("ConflictsOnly"), Qt::LeftButton);
    EXPECT_FALSE(row("weapon/rifle", "弹夹装弹数"));
    EXPECT_TRUE(row("weapon/gun", "价格"));
    focus(list);
    press(Qt::Key_Delete); // the one moved, still selected
    EXPECT_EQ(window->pane()->mods(), QStringList{modA.folder()});
    EXPECT_FALSE(row("weapon/gun", "价格")) << "one mod: no conflict left";
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();

    // The base itself, a folder that is no game folder and a malformed patch are each told,
    // and the list stays as it was.
    messages.folders = {game.folder(), out.folder()};
    QTest::mouseClick(button("AddFolderButton"), Qt::LeftButton);
    QTest::mouseClick(button("AddFolderButton"), Qt::LeftButton);
    messages.openPaths = {out.writeFile("bad.patch", "weapon-editor patch 1\nbogus\n")};
    QTest::mouseClick(button("AddPatchButton"), Qt::LeftButton);
    ASSERT_EQ(messages.texts.size(), 3);
    EXPECT_TRUE(messages.texts[2].contains("bad.patch:2")) << messages.texts[2].toStdString();
    EXPECT_EQ(window->pane()->mods(), QStringList{modA.folder()});
}

TEST_F(MergeWindow, AMoveOrTheFilterKeepsTheFoldedItemsAndTheCurrentCell) {
    MergeTree* tree = window->tree();
    const auto isShown = [&](const QString& item, const QString& field) {
        return tree->isExpanded(row(item, field)->parent()->index);
    };
    clickCell(row("weapon/rifle", "弹夹装弹数")->parent(), 0);
    press(Qt::Key_Minus); // folds the rifle's item
    ASSERT_FALSE(isShown("weapon/rifle", "弹夹装弹数"));
    clickCell(row("weapon/gun", "价格"), 3);
    const auto shownAgain = [&](const char* after) {
        EXPECT_FALSE(isShown("weapon/rifle", "弹夹装弹数")) << after;
        EXPECT_TRUE(isShown("weapon/gun", "价格")) << after;
        EXPECT_EQ(tree->currentIndex(), row("weapon/gun", "价格")->index.siblingAtColumn(3))
            << after;
    };
    QListWidget* list = window->pane()->list();
    focus(list);
    list->setCurrentRow(1);
    press(Qt::ALT | Qt::Key_Up);
    shownAgain("a move");
    auto* filter = window->findChild<QCheckBox*>("ConflictsOnly");
    QTest::mouseClick(filter, Qt::LeftButton);
    QTest::mouseClick(filter, Qt::LeftButton);
    shownAgain("the filter on and off");
}

TEST_F(MergeWindow, ALosingValueTakenWinsAndCanBeGivenBack) {
    clickCell(row("weapon/gun", "价格"), 2);
    press(Qt::Key_Return);
    auto price = row("weapon/gun", "价格");
    EXPECT_EQ(price->text(4), "800（已选择 1）");
    EXPECT_EQ(described(price, 2), "冲突中胜出（已选择）");
    EXPECT_TRUE(described(price, 4).contains("已选择"));
    ASSERT_TRUE(button("TakeBackButton")->isEnabled());
    QTest::mouseClick(button("TakeBackButton"), Qt::LeftButton);
    EXPECT_EQ(row("weapon/gun", "价格")->text(4), "900");

    // The choice goes with the list file, by the mod's number, and comes back with it.
    clickCell(row("weapon/gun", "价格"), 2);
    QTest::mouseClick(button("TakeButton"), Qt::LeftButton);
    messages.savePath = out.path("mods.txt");
    QTest::mouseClick(button("SaveListButton"), Qt::LeftButton);
    window->pane()->setMods({});
    messages.openPaths = {out.path("mods.txt")};
    QTest::mouseClick(button("OpenListButton"), Qt::LeftButton);
    EXPECT_EQ(window->pane()->mods(), (QStringList{modA.folder(), modB.folder()}));
    EXPECT_EQ(row("weapon/gun", "价格")->text(4), "800（已选择 1）");
    EXPECT_EQ(run({"merge", game.folder(), modA.folder(), modB.folder(), "--patch", "--choices",
                   out.path("mods.txt")})
                  .status,
              1)
        << "a list file is no choices file";

    // A list whose mod is gone is refused with the mod's path, and changes nothing.
    QDir(modB.folder()).removeRecursively();
    messages.openPaths = {out.path("mods.txt")};
    QTest::mouseClick(button("OpenListButton"), Qt::LeftButton);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QDir::toNativeSeparators(modB.folder())));
    EXPECT_EQ(window->pane()->mods(), (QStringList{modA.folder(), modB.folder()}));
}

TEST_F(MergeWindow, TheMergeWrittenAppliedOrExportedIsTheCommandsOne) {
    const QByteArray before = folderBytes(game.folder());
    messages.folders = {out.path("merged")};
    QTest::mouseClick(button("WriteFolderButton"), Qt::LeftButton);
    ASSERT_EQ(run({"merge", game.folder(), modA.folder(), modB.folder(), "--into",
                   out.path("by-command")})
                  .status,
              1);
    EXPECT_EQ(folderBytes(out.path("merged")), folderBytes(out.path("by-command")));
    messages.folders = {out.path("merged")};
    QTest::mouseClick(button("WriteFolderButton"), Qt::LeftButton);
    ASSERT_EQ(messages.texts.size(), 2) << "written, then refused: not empty";

    messages.savePath = out.path("merged.patch");
    QTest::mouseClick(button("ExportPatchButton"), Qt::LeftButton);
    EXPECT_EQ(out.readFile("merged.patch"),
              run({"merge", game.folder(), modA.folder(), modB.folder(), "--patch"}).out.toUtf8());

    QTimer::singleShot(0, [this] {
        auto* preview = qobject_cast<PatchPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(QTest::qWaitFor([&] {
            preview = qobject_cast<PatchPreviewDialog*>(QApplication::activeModalWidget());
            return preview && preview->isAncestorOf(QApplication::focusWidget());
        })) << "no preview";
        press(Qt::Key_Return);
    });
    QTest::mouseClick(button("ApplyButton"), Qt::LeftButton);
    EXPECT_EQ(folderBytes(game.folder()), folderBytes(out.path("merged")));
    activateForm();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(folderBytes(game.folder()), before) << "one step of the history";
}

} // namespace
} // namespace wed::test
