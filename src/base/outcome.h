#pragma once

#include <QString>

namespace wed {

// What became of an operation on the user's files or values. The core says what happened and
// gives the details; the user's words for it are made in one place above the core, so that
// the window and the command line say the same.
enum class Status {
    Done,    // carried out, or there was nothing to change
    Ignored, // nothing to do: the edit gate is closed, or the field has no key line

    // A value the field cannot take; nothing was written.
    ClassOutOfRange,  // the weapon class is not from 0 to 5
    NumberTooLarge,   // the number does not fit a double
    LineBreakInValue, // a CR or LF would split the line
    Unencodable,      // detail: the first character the code page cannot hold

    // The folder or drive cannot be browsed.
    FolderUnreadable, // path: the folder
    DriveNotReady,    // path: the drive's root

    // The file refused; it keeps its bytes.
    NoFileChosen,    // no weapon.cfg is selected in the folder
    UnknownCategory, // the category box holds none of the three words
    NoSuchLine,      // line: the line addressed, which the file does not have
    EmptyFile,       // the file has no line to replace
    FileMissing,     // the file does not exist
    IsFolder,        // a folder stands where the file should be
    NotReadable,     // no permission to read the file
    ReadFailed,      // detail: the system's reason
    ReadOnly,        // the file's permission bits forbid writing
    TemporaryFailed, // no temporary file could be made beside the file
    DiskFull,        // the disk ran out of space while saving
    RenameFailed,    // the new file could not replace the old one
    WriteFailed,     // detail: the system's reason
    ExternalChange,  // another program changed the file since the editor read or wrote it

    // The command line: what the user asked for is not there, or was not asked right.
    NoSuchItem,     // detail: the item as the user named it
    NoSuchKey,      // detail: the key, which the item's record has no line of
    NotAField,      // detail: the key, which is no field of the item's category
    UnknownCommand, // detail: the word given where a command was expected
    BadArguments,   // detail: the command whose arguments are not as its usage says
    BadItemName,    // detail: the text given, which is not CATEGORY/ID
    BadCategory,    // detail: the text given, which is no category name
    BadCount,       // detail: the text given for --nth, which is no number from 1 up

    // Problems a check of the game folder finds; path and line say where.
    DuplicateId,      // detail: the id, which an earlier record of the category has too
    ClassNotDigit,    // detail: the key line, whose value is not one digit from 0 to 5
    NotANumber,       // detail: the key line, whose value is not a number
    PairWithoutBlank, // detail: the key line, whose two numbers lack the blank between them
    NoEndLine,        // detail: the id, whose record ends at the next record or the file's end
    NoName,           // detail: the id, which has no name record or no name line in it
    PictureMissing,   // detail: the picture file, which does not exist
    PictureUnnamed,   // detail: the VidMENU value, from which no picture name can be made
    PictureBroken,    // detail: the picture file, which does not decode
    Undecodable,      // the line holds bytes the code page cannot decode
};

// What the user should know happened as a result, beside what went wrong.
enum class Effect {
    NothingWritten, // the files are as they were
    ListKept,       // the item list and both buffers are as they were
    NamesEmpty,     // the list was built, but without names (the name file is missing)
    Reloaded,       // the files were read again and the history of changes was cleared
    FirstRestored,  // the second file failed; the first got its former bytes back
    Noted,          // a problem found or a request not understood; no file is at stake
};

struct Outcome {
    Status status = Status::Done;
    QString path;       // the file concerned, when there is one
    qsizetype line = 0; // the line concerned, when there is one
    QString detail;     // the character refused, or the system's own words
    Effect effect = Effect::NothingWritten;

    bool done() const { return status == Status::Done; }
    // Neither done nor ignored: the user must be told.
    bool refused() const { return status != Status::Done && status != Status::Ignored; }

    static Outcome of(Status status, QString path = {}, QString detail = {}) {
        return {status, std::move(path), 0, std::move(detail), Effect::NothingWritten};
    }
};

} // namespace wed
