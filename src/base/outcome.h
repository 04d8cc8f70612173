#pragma once

#include <QString>

namespace wed {

// What became of an operation on the user's files or values. The core says what happened and
// gives the details; the user's words for it are made in one place above the core, so that
// the window and the command line say the same. Each front end's own statuses are its own
// (cli/command_status.h, window/window_status.h).
enum class Status {
    Done,    // carried out, or there was nothing to change
    Ignored, // nothing to do: the edit gate is closed, or the field has no key line

    // A value the field cannot take; nothing was written.
    ClassOutOfRange,  // the weapon class is not from 0 to 5
    NumberTooLarge,   // the number does not fit a double
    LineBreakInValue, // a CR or LF would split the line
    ControlCharacter, // detail: the invisible character typed (U+0000 to U+001F but tab, U+007F,
                      // U+FEFF)
    Unencodable,      // detail: the first character the code page cannot hold (also in a
                      // patch's column, where line and column say where)

    // The file refused; it keeps its bytes.
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
    NotCrLf,         // the file's line ends are LF or CR alone, not CR LF
    SaveBusy,        // detail: the seconds waited for another process's save of the folder

    // An id or a name the item actions cannot take; nothing was written.
    IdEmpty,              // the new id is empty
    IdBlankEdge,          // the new id begins or ends with a blank
    IdLineBreak,          // the new id holds a line break
    IdTaken,              // detail: an id the category already has
    IdReserved,           // detail: an id kept for the game's special records
    EmptyDescriptionLine, // an empty line would end the name record
    NoNameRecord,         // detail: an id the name file has no record for

    // A table edit the cells cannot take; nothing was written.
    CellNotANumber, // detail: a value the arithmetic cannot read as a number

    // Told to the user beside an action that was carried out.
    NameRecordShared, // detail: the id whose existing name record the item now shares
    CellsSkipped,     // line: how many cells without a key line were left as they were

    // A change set the folder cannot take; nothing was written.
    NotOwnKey,          // detail: a key that is no key of its own line (empty, "=", a header)
    NotARecord,         // detail: a line that would break the record (or its name record) apart
    ChangeConflicts,    // line: how many changes conflict with what the folder holds now
    ChangedTwice,       // two changes of the set change one thing; detail: the earlier's line
    RecordNotItsItem,   // detail: the first line of a record text that names another item
    PatchCannotCarry,   // detail: the item whose bytes the code page cannot decode
    SheetMalformed,     // detail: what is wrong with the sheet's text at its row and column
    SheetUnknownColumn, // detail: the heading, which names no field of the category

    // What the user asked for is not there, or was not asked right (the command line's own
    // statuses are in cli/command_status.h).
    NoSuchItem,  // detail: the item as the user named it
    NoSuchKey,   // detail: the key, which the item's record has no line of
    NotAField,   // detail: the key, which is no field of the item's category
    BadItemName, // detail: the text given, which is not CATEGORY/ID

    // A command's output file; the game's files are not touched.
    OutputIsGameFile, // path: an output file that is one of the game folder's own files

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
    PictureTruncated, // detail: the picture file, which ends before its last pixel
    Undecodable,      // the line holds bytes the code page cannot decode
    LoneLineBreak,    // line: a line that holds a lone CR or LF; detail: its text before it
    NameRecordTwice,  // detail: the id, whose name record an earlier "<id>" opens already

    // What is wrong with a patch file's text; path, line and column say where.
    PatchNotUtf8,           // the text is not UTF-8
    PatchFirstLine,         // the first line is not the patch's own
    PatchCutOff,            // the last line has no line end: the file may be cut off
    PatchColumnCount,       // detail: how many columns the line has, where five are wanted
    PatchUnknownKind,       // detail: the kind
    PatchBadEscape,         // detail: the escape, a backslash and the character after it
    PatchTrailingBackslash, // a backslash ends the column
    PatchBadOccurrence,     // detail: what follows "#" in the key column
    PatchNoKey,             // a key change without its key
    PatchNotAReference,     // detail: the text given where an item's reference is wanted
    PatchBadPlace,          // detail: the third column, which no change of its kind takes
    PatchBaseWanted,        // detail: the kind, whose change wants a base and no new text
    PatchNewWanted,         // detail: the kind, whose change wants new text and no base
    PatchBothWanted,        // detail: the kind, whose change wants a base and new text
    PatchNamesEmpty,        // a names change with neither a base nor new text
    PatchBadMove,           // detail: the column that is not as a move change wants it
};

// What the user should know happened as a result, beside what went wrong.
enum class Effect {
    NothingWritten, // the files are as they were
    ListKept,       // the item list and both buffers are as they were
    NamesEmpty,     // the list was built, but without names (the name file is missing)
    Reloaded,       // the files were read again and the history of changes was cleared
    FirstRestored,  // the second file failed; the first got its former bytes back
    Noted,          // nothing to add: a notice, a problem found, a request not understood
};

struct Outcome {
    Status status = Status::Done;
    QString path;       // the file concerned, when there is one
    qsizetype line = 0; // the line concerned, when there is one
    QString detail;     // the character refused, or the system's own words
    Effect effect = Effect::NothingWritten;
    bool notice = false;  // carried out, and the status is something the user must know
    QString item;         // the item the outcome concerns, when one of several refused
    qsizetype column = 0; // the column (from 1) of the line concerned, when there is one

    bool done() const { return status == Status::Done || notice; }
    bool refused() const { return !done() && status != Status::Ignored; }
    // Whether the user must be told: a refusal, or a notice.
    bool tell() const { return refused() || notice; }

    static Outcome of(Status status, QString path = {}, QString detail = {}) {
        return {status, std::move(path), 0, std::move(detail), Effect::NothingWritten, false, {},
                0};
    }
    static Outcome noticeOf(Status status, QString path = {}, QString detail = {}) {
        Outcome outcome = of(status, std::move(path), std::move(detail));
        outcome.notice = true;
        outcome.effect = Effect::Noted;
        return outcome;
    }
};

} // namespace wed
