#pragma once

#include <QString>

namespace wed {

// What became of one attempt to change a file on disk. Every state except Written leaves the
// file exactly as it was and carries a message in Chinese for the user.
enum class FileStatus {
    Written,        // the file now holds the new bytes
    NoSuchLine,     // the line addressed does not exist (below 1, past the end, empty file)
    Missing,        // the file does not exist
    ReadOnly,       // the file's permission bits forbid writing: refused, left untouched
    ReadFailed,     // the file exists but could not be read
    WriteFailed,    // temporary file, write, flush or rename failed (disk full, no permission)
    ExternalChange, // another program changed the file since the editor last read or wrote it
};

struct FileOutcome {
    FileStatus status = FileStatus::Written;
    QString message; // empty when Written

    bool ok() const { return status == FileStatus::Written; }
};

} // namespace wed
