#include "edit/file_commit.h"

#include "base/file_bytes.h"
#include "edit/save_lock.h"
#include "edit/whole_file.h"

#include <QStringList>

namespace wed {
namespace {

Outcome guard(const FileWrite& write) {
    const FileMatch file = fileHolds(write.path, write.held);
    if (!file.outcome.done())
        return file.outcome;
    // Writing over a file that another program changed would silently undo that change.
    if (!file.same)
        return Outcome::of(Status::ExternalChange, write.path);
    if (write.bytes != write.held && isWriteProtected(write.path))
        return Outcome::of(Status::ReadOnly, write.path);
    return {};
}

} // namespace

Outcome commitFiles(std::span<const FileWrite> writes) {
    // Another of the editor's processes could otherwise save between this one's check and its
    // rename, and this one's save would silently undo that one's change.
    QStringList files;
    for (const FileWrite& write : writes)
        files.append(write.path);
    const SaveLock lock(files, savePatience());
    if (!lock.busy().isEmpty())
        return Outcome::of(Status::SaveBusy, lock.busy(),
                           QString::number(double(savePatience().count()) / 1000));
    for (const FileWrite& write : writes)
        if (Outcome checked = guard(write); !checked.done())
            return checked;
    for (size_t i = 0; i < writes.size(); ++i) {
        if (writes[i].bytes == writes[i].held)
            continue;
        Outcome saved = saveWholeFile(writes[i].path, writes[i].bytes);
        if (saved.done())
            continue;
        if (i > 0)
            saved.effect = Effect::FirstRestored;
        for (size_t j = 0; j < i; ++j)
            if (writes[j].bytes != writes[j].held &&
                !saveWholeFile(writes[j].path, writes[j].held).done())
                saved.effect = Effect::Reloaded;
        return saved;
    }
    return {};
}

Outcome commitFile(const FileWrite& write) {
    return commitFiles(std::span(&write, 1));
}

} // namespace wed
