#pragma once

#include "base/category.h"
#include "base/line_buffer.h"

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

namespace wed {

// Where the records of weapon.cfg begin: the line index of every record header line, per
// category, in file order. Found in one pass when the file is read, so that listing the items
// and showing one need no further scan of the file.
class ItemIndex {
  public:
    void rebuild(const LineBuffer& items);
    // Follows a change of the buffer: only the lines it replaced are looked at again.
    void follow(const LineBuffer& items, const LineChange& change);
    const std::vector<qsizetype>& headers(CategoryId category) const {
        return headers_[size_t(category)];
    }

    bool operator==(const ItemIndex&) const = default;

  private:
    std::array<std::vector<qsizetype>, 3> headers_;
};

// Where the name records of the name file begin: the first line "<id>" of every id, compared as
// text. The index keeps line indexes only: it is asked with the buffer it was built on, or one
// whose "<id>" lines stand where they stood.
class NameIndex {
  public:
    void rebuild(const LineBuffer& names);
    // The line index of the first line "<id>", or -1 when the file has none.
    qsizetype opening(const LineBuffer& names, QStringView id) const;

  private:
    struct Slot {
        size_t hash = 0;
        qsizetype line = -1; // -1: an empty slot
    };
    // Open addressing by the hash of the id's text; a power of two, at most half full.
    std::vector<Slot> slots_;
};

// Every record's header line, to find the records a header line opens with a probe or two
// instead of a pass over the records, and which of them a record is. It keeps line indexes: it
// is asked with the buffer it was made from, or one whose header lines stand where they stood.
class HeaderTable {
  public:
    HeaderTable(const LineBuffer& items, const ItemIndex& index);
    // The line index of the occurrence-th record (from 1, in file order) that the line opens;
    // -1 for none.
    qsizetype find(const LineBuffer& items, QByteArrayView line, int occurrence) const;
    // How many records the header line at the index opens, up to and including its own: which
    // of them it is (from 1); 0 when no record's header line is the same line.
    int occurrenceAt(const LineBuffer& items, qsizetype header) const;
    // The same for many lines, each with its occurrence (an empty line finds none). The
    // table's and the file's bytes are asked for ahead of their use: one lookup at a time
    // waits for each of them in turn.
    struct Query {
        QByteArrayView line;
        int occurrence = 1;
    };
    std::vector<qsizetype> findAll(const LineBuffer& items,
                                   const std::vector<Query>& queries) const;

    bool operator==(const HeaderTable&) const = default;

  private:
    struct Slot {
        size_t hash = 0;
        qsizetype line = -1; // the first record's header line; -1: an empty slot
        qsizetype group = 0; // its records in groupStart_ and lines_
        bool operator==(const Slot&) const = default;
    };
    // The slot of the line, or none.
    const Slot* slotOf(const LineBuffer& items, QByteArrayView line) const;

    // Open addressing by the hash of the line, one slot for each different header line; a
    // power of two, at most half full.
    std::vector<Slot> slots_;
    // The header lines of the records, those of one line together and in file order: the
    // group-th line's records are lines_[groupStart_[group]] up to lines_[groupStart_[group + 1]].
    // Many records of one id cost a probe all the same, and finding which of them one is, a
    // binary search.
    std::vector<qsizetype> groupStart_;
    std::vector<qsizetype> lines_;
};

} // namespace wed
