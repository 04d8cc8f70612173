// Stands in for weapon-editor.exe in the console program's tests: writes its current folder and
// the arguments it was given, one a line, to arguments.txt beside itself.
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList lines = QCoreApplication::arguments();
    lines[0] = QDir::toNativeSeparators(QDir::currentPath());
    QSaveFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/arguments.txt"));
    file.open(QIODevice::WriteOnly); // whole or not at all: the test waits for it to appear
    file.write(lines.join(u'\n').toUtf8());
    return file.commit() ? 0 : 1;
}
