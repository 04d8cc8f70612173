// Each sheet of the sample opened and saved unchanged by a real spreadsheet program (LibreOffice
// Calc, headless, with its default settings), then imported: no change. The program writes
// number-like cells in its own form and runs cells that look like formulas.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

// The sample's weapons, with values a spreadsheet rewrites: a price with a leading zero, a
// chance with a trailing zero, and an ammunition that reads as a formula.
QByteArray sampleItems() {
    QByteArray items = readBytes(QStringLiteral(WED_SAMPLE_DIR "/weapon.cfg"));
    const std::pair<QByteArray, QByteArray> changes[] = {
        {"\r\nCost=70\r\n", "\r\nCost=070\r\n"},
        {"\r\nExplosive=1\r\n", "\r\nExplosive=1.50\r\n"},
        {"=Ammo_hand\r\n", "==1+1\r\n"}};
    for (const auto& [from, to] : changes)
        items.replace(items.indexOf(from), from.size(), to);
    return items;
}

TEST(LibreOffice, SavesEachSheetOfTheSampleUnchangedAndImportFindsNoChange) {
    TempGame game;
    game.writeFile(QStringLiteral("weapon.cfg"), sampleItems());
    game.writeFile(QStringLiteral("Text/Weapon.txt"),
                   readBytes(QStringLiteral(WED_SAMPLE_DIR "/Text/Weapon.txt")));
    const QByteArray items = game.readFile(QStringLiteral("weapon.cfg"));
    ASSERT_TRUE(items.contains("\r\nCost=070\r\n") && items.contains("\r\nExplosive=1.50\r\n"));
    const QByteArray names = game.readFile(QStringLiteral("Text/Weapon.txt"));

    // A profile of its own, so that runs at the same time do not share one.
    QStringList arguments{"-env:UserInstallation=" +
                              QUrl::fromLocalFile(game.path("profile")).toString(),
                          "--headless",
                          "--infilter=CSV:44,34,76,1",
                          "--convert-to",
                          "csv:Text - txt - csv (StarCalc):44,34,76,1",
                          "--outdir",
                          game.path(QStringLiteral("saved"))};
    const QStringList categories{"weapon", "armor", "implant"};
    for (const QString& category : categories) {
        const QString sheet = game.path(category + ".csv");
        ASSERT_EQ(run({"export", game.folder(), category, sheet}).status, 0);
        arguments.append(sheet);
    }
    QProcess soffice;
    soffice.start(QStringLiteral(WED_SOFFICE), arguments);
    ASSERT_TRUE(soffice.waitForFinished(300000));
    ASSERT_EQ(soffice.exitCode(), 0) << soffice.readAllStandardError().constData();
    // The spreadsheet did write numbers in its own form.
    EXPECT_TRUE(game.readFile(QStringLiteral("saved/armor.csv")).contains(",1000012,"));

    for (const QString& category : categories) {
        const Ran imported =
            run({"import", game.folder(), category, game.path("saved/" + category + ".csv")});
        EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
        EXPECT_EQ(imported.out, QString()) << category.toStdString();
    }
    EXPECT_EQ(game.readFile(QStringLiteral("weapon.cfg")), items);
    EXPECT_EQ(game.readFile(QStringLiteral("Text/Weapon.txt")), names);
}

} // namespace
} // namespace wed::test
