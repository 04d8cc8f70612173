// The windows of change sets, driven with keys and clicks: the comparison with a base folder,
// a patch applied through its preview, and the table's CSV out and back in. Each writes the
// bytes the command line writes for the same job, and its undo the former bytes.
#include "app/comparison.h"
#include "app/outcome_text.h"
#include "cli/cli_run.h"
#include "keys_fixture.h"
#include "window/comparison_window.h"
#include "window/file_actions.h"
#include "window/patch_preview_dialog.h"
#include "window/sheet_import_dialog.h"
#include "window/table_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

namespace wed::test {
namespace {

class ChangeWindows : public KeysFixture {
  protected:
    void SetUp() override {
        KeysFixture::SetUp();
        if (!IsSkipped() && !HasFatalFailure())
            for (TempGame* copy : {&base, &twin})
                copyGameTo(*copy);
    }
    void copyGameTo(TempGame& copy) const {
        for (const QString file : {"weapon.cfg", "Text/Weapon.txt"})
            copy.writeFile(file, game.readFile(file));
    }
    static QByteArray bytes(const TempGame& folder) {
        return folder.readFile("weapon.cfg") + '|' + folder.readFile("Text/Weapon.txt");
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void clickRow(QTableWidget* table, int row, bool twice = false) {
        const QPoint at = table->visualItemRect(table->item(row, 0)).center();
        if (twice)
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    static QString cell(QTableWidget* table, int row, int column) {
        return table->item(row, column) ? table->item(row, column)->text() : QString();
    }

    TempGame base, twin; // the folder as it was opened: the base compared with, and a twin
};

TEST_F(ChangeWindows, RevertGivesTheBasesBytesBackInOneUndoableStep) {
    Document& document = form.document();
    const ItemRef gun{CategoryId::Weapon, "gun", 1};
    ASSERT_TRUE(document
                    .setField({CategoryId::Weapon, "rifle", 1},
                              fieldOfKey(CategoryId::Weapon, u"Cost"), "60", "50", EditKind::Pick)
                    .done());
    ASSERT_TRUE(document.copyItem(gun, "gun2").done());
    ASSERT_TRUE(document.removeItem({CategoryId::Armor, "vest", 1}).done());
    Comparison comparison(document);
    ASSERT_TRUE(comparison.setBase(base.folder()).done());
    ComparisonWindow window(document, comparison, &form);
    WED_ACTIVATE_OR_SKIP(window);
    activate(window);
    QTableWidget* table = window.table();
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << QStringList{cell(table, row, 0), cell(table, row, 1), cell(table, row, 2),
                            cell(table, row, 3)}
                    .join(u'|');
    EXPECT_EQ(rows, (QStringList{"weapon/gun2|新增|（无）|6 行", "weapon/rifle|价格|50|60",
                                 "armor/vest|删除|4 行|（无）",
                                 QStringLiteral("<gun2>|名字记录|（无）|名字“机关枪”，说明“”")}));

    std::vector<ItemRef> requested;
    QObject::connect(&window, &ComparisonWindow::itemRequested,
                     [&](const ItemRef& item) { requested.push_back(item); });
    clickRow(table, 2, true); // a removed item: nothing to show
    clickRow(table, 1);
    press(Qt::Key_Return);
    EXPECT_EQ(requested, (std::vector<ItemRef>{{CategoryId::Weapon, "rifle", 1}}));

    click(window.findChild<QPushButton*>("RevertButton"));
    EXPECT_TRUE(items().contains("Weapon=rifle\r\nCost=50\r\n"));
    EXPECT_EQ(table->rowCount(), 3) << "the rows follow the comparison";

    // The rest as a patch, as the command line's diff writes it; then all of it back.
    const QByteArray before = bytes(game) + bytes(base);
    for (const TempGame* folder : {&game, &base}) {
        messages.savePath = folder->path("Text/../WEAPON.cfg");
        EXPECT_EQ(exportPatchFile(&window, document.game(), comparison, messages).status,
                  Status::OutputIsGameFile);
    }
    EXPECT_EQ(bytes(game) + bytes(base), before);
    messages.savePath = game.path("mod.patch");
    EXPECT_TRUE(exportPatchFile(&window, document.game(), comparison, messages).done());
    EXPECT_EQ(game.readFile("mod.patch"),
              run({"diff", base.folder(), game.folder(), "--patch"}).out.toUtf8());
    const QByteArray partly = bytes(game);
    focus(table);
    press(Qt::CTRL | Qt::Key_A);
    click(window.findChild<QPushButton*>("RevertButton"));
    EXPECT_EQ(bytes(game), bytes(base));
    EXPECT_EQ(table->rowCount(), 0);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(bytes(game), partly);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(ChangeWindows, APatchAppliedThroughItsPreviewWritesWhatTheCommandLineWrites) {
    const QString patch = game.writeFile(
        "mod.patch", QStringLiteral("weapon-editor patch 1\n"
                                    "key\tweapon/gun\tCost\t700\t750\n"
                                    "key\tarmor/vest\tHp\t99\t120\n" // the folder holds 80
                                    "key\tweapon/rifle\tClip\t10\t12\n"
                                    "names\tgun\t-\t<gun>\\n1\\n名称：      机关枪\t"
                                    "<gun>\\n1\\n名称：      重机枪\n")
                         .toUtf8());
    const QByteArray before = bytes(game);
    whenShown<PatchPreviewDialog>([this](PatchPreviewDialog& preview) {
        QTableWidget* table = preview.table();
        EXPECT_EQ(cell(table, 1, 0), QStringLiteral("冲突"));
        EXPECT_EQ(QStringList({cell(table, 1, 2), cell(table, 1, 3), cell(table, 1, 4)}),
                  (QStringList{"80", "99", "120"}));
        EXPECT_EQ(cell(table, 2, 0), QStringLiteral("已是新的值"));
        EXPECT_FALSE(preview.applyButton()->isEnabled());
        press(Qt::Key_Return); // cancels, with a conflict
    });
    messages.openPaths = {patch};
    EXPECT_EQ(applyPatchFile(&form, form.document(), messages).status, Status::Ignored);
    EXPECT_EQ(bytes(game), before);

    whenShown<PatchPreviewDialog>([](PatchPreviewDialog& preview) { click(preview.skipButton()); });
    messages.openPaths = {patch};
    EXPECT_TRUE(applyPatchFile(&form, form.document(), messages).done());
    EXPECT_EQ(run({"apply", twin.folder(), patch, "--skip-conflicts"}).status, 1);
    EXPECT_EQ(bytes(game), bytes(twin));
    activate(form);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(bytes(game), before);

    // Without the conflict, Enter applies the whole patch.
    ASSERT_TRUE(form.document()
                    .setField({CategoryId::Armor, "vest", 1}, fieldOfKey(CategoryId::Armor, u"Hp"),
                              "99", "80", EditKind::Pick)
                    .done());
    copyGameTo(twin);
    whenShown<PatchPreviewDialog>([this](PatchPreviewDialog& preview) {
        EXPECT_FALSE(preview.skipButton()->isEnabled());
        press(Qt::Key_Return);
    });
    messages.openPaths = {patch};
    EXPECT_TRUE(applyPatchFile(&form, form.document(), messages).done());
    EXPECT_EQ(run({"apply", twin.folder(), patch}).status, 0);
    EXPECT_EQ(bytes(game), bytes(twin));

    // A malformed patch is told as the command line tells it.
    const QString bad = game.writeFile("bad.patch", "weapon-editor patch 1\nbogus\n");
    messages.openPaths = {bad};
    const Outcome malformed = applyPatchFile(&form, form.document(), messages);
    EXPECT_EQ(describe(malformed) + u'\n', run({"apply", twin.folder(), bad}).err);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(ChangeWindows, TheTablesCsvIsTheCommandLinesAndItsImportIsOneUndoableStep) {
    TableWindow table(form.document(), CategoryId::Weapon, messages, &form);
    WED_ACTIVATE_OR_SKIP(table);
    activate(table);
    focus(table.view());
    messages.savePath = game.path("out.csv");
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    ASSERT_EQ(run({"export", twin.folder(), "weapon", twin.path("out.csv")}).status, 0);
    const QByteArray csv = game.readFile("out.csv");
    EXPECT_EQ(csv, twin.readFile("out.csv"));

    // A header the category lacks: told by row and column, and nothing can be applied.
    messages.openPaths = {game.writeFile(
        "bad.csv", QByteArray(csv).replace(QStringLiteral("价格").toUtf8(), "Price"))};
    whenShown<SheetImportDialog>([this](SheetImportDialog& preview) {
        EXPECT_FALSE(preview.applyButton()->isEnabled());
        EXPECT_TRUE(preview.list()->item(0)->text().startsWith(QStringLiteral("第 1 行第 ")));
        press(Qt::Key_Escape);
    });
    const QByteArray before = bytes(game);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    EXPECT_EQ(bytes(game), before);
    activate(table); // back from the dialog

    // 50.0 is 50 as a spreadsheet may write it back: no change.
    const QString sheet = game.writeFile("in.csv", QByteArray(csv)
                                                       .replace(",700,", ",777,")
                                                       .replace(",50,", ",50.0,")
                                                       .replace(QStringLiteral("机关枪").toUtf8(),
                                                                QStringLiteral("重机枪").toUtf8()));
    messages.openPaths = {sheet};
    whenShown<SheetImportDialog>([this](SheetImportDialog& preview) {
        EXPECT_EQ(preview.list()->count(), 2);
        EXPECT_EQ(preview.list()->item(1)->text(), QStringLiteral("weapon/gun Cost：777"));
        press(Qt::Key_Return);
    });
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    EXPECT_EQ(run({"import", twin.folder(), "weapon", sheet}).status, 0);
    EXPECT_EQ(bytes(game), bytes(twin));
    EXPECT_NE(bytes(game), before);
    activate(table);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(bytes(game), before);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
} // namespace wed::test
