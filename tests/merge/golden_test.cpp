// The golden cases: each folder here is a mod list (`list`: the base, the mods, the choices),
// the folder `merge --into` must write (expected/) and the decisions `--json` must print
// (expected.json). WED_UPDATE_GOLDEN=1 writes them instead (to look at before committing).
#include "cli/command_line.h"
#include "merge/mod_list_file.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

struct Merged {
    int status = -1;
    QByteArray json;
    QString err;
};

Merged merge(const QString& caseFolder, const QString& out) {
    const QString listPath = caseFolder + QStringLiteral("/list");
    const ModListRead read = readModList(readBytes(listPath), listPath);
    EXPECT_TRUE(read.ok()) << listPath.toStdString();
    QStringList arguments{QStringLiteral("merge"), read.list.base};
    for (const ModSource& mod : read.list.mods)
        arguments.append(mod.path);
    TempGame temp;
    const QString choices =
        temp.writeFile(QStringLiteral("choices"), writeChoices(read.list.choices));
    arguments << QStringLiteral("--choices") << choices << QStringLiteral("--json")
              << QStringLiteral("--into") << out;
    cli::CommandOutput output;
    const int status = cli::runCommand(arguments, output);
    return {status, output.out, QString::fromUtf8(output.err)};
}

class Golden : public testing::TestWithParam<QString> {};

TEST_P(Golden, MergeWritesTheExpectedFolderAndDecisions) {
    const QString folder = QStringLiteral(WED_MERGE_CASES "/") + GetParam();
    TempGame temp;
    const QString out = temp.path(QStringLiteral("out"));
    const Merged merged = merge(folder, out);
    ASSERT_TRUE(merged.status == 0 || merged.status == 1) << merged.err.toStdString();
    // 1 exactly when a conflict is left to priority (or cannot be applied).
    bool open = false;
    for (const QJsonValue decision : QJsonDocument::fromJson(merged.json).array())
        open = open ||
               (decision[u"status"].toString() == u"conflict" && !decision[u"chosen"].toBool());
    EXPECT_EQ(merged.status, open ? 1 : 0);
    if (qEnvironmentVariableIsSet("WED_UPDATE_GOLDEN")) {
        QDir(folder + QStringLiteral("/expected")).removeRecursively();
        QDir().rename(out, folder + QStringLiteral("/expected"));
        QFile json(folder + QStringLiteral("/expected.json"));
        ASSERT_TRUE(json.open(QIODevice::WriteOnly));
        json.write(merged.json);
        return;
    }
    EXPECT_EQ(merged.json, readBytes(folder + QStringLiteral("/expected.json")));
    const auto written = filesUnder(out), expected = filesUnder(folder + "/expected");
    EXPECT_EQ(written.size(), expected.size());
    for (const auto& [path, bytes] : expected) {
        const auto at = written.find(path);
        ASSERT_NE(at, written.end()) << path.toStdString() << " not written";
        EXPECT_EQ(at->second, bytes) << path.toStdString();
    }
}

std::vector<QString> cases() {
    std::vector<QString> names;
    for (const QString& name : QDir(QStringLiteral(WED_MERGE_CASES))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return QString(info.param).replace(u'-', u'_').toStdString();
                         });

} // namespace
} // namespace wed::test
