// Commits one line of an item file over and over, switching between two values, the way a
// user typing into a field does. The crash-safety test kills it at random moments.
// Usage: commit_writer <file> <line number> <value A> <value B>
// With --hold, it takes the lock of the file's saves and holds it until it is killed, as a
// process hung in the middle of a save would.
// Usage: commit_writer --hold <file>
#include "edit/file_commit.h"
#include "edit/line_rewrite.h"
#include "edit/save_lock.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == std::string_view("--hold")) {
        const wed::SaveLock lock({QString::fromLocal8Bit(argv[2])}, std::chrono::seconds(5));
        if (!lock.busy().isEmpty())
            return 1;
        std::fputc('.', stdout);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::hours(1));
    }
    if (argc != 5)
        return 64;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qsizetype line = std::atoi(argv[2]);
    const QByteArray values[2] = {argv[3], argv[4]};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 66;
    QByteArray held = file.readAll();
    file.close();
    for (unsigned long round = 0;; ++round) {
        QByteArray next = *wed::rewriteLine(held, line, values[round % 2], false);
        if (!wed::commitFile({path, held, next}).done())
            return 1;
        held = std::move(next);
        // One byte per commit tells the test that the writer is busy.
        std::fputc('.', stdout);
        std::fflush(stdout);
    }
}
