#pragma once

#include "base/category.h"
#include "base/line_buffer.h"

#include <QHash>
#include <QString>
#include <array>
#include <optional>
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

// Where the name records of the name file begin: the first line "<id>" of every id.
class NameIndex {
  public:
    void rebuild(const LineBuffer& names);
    // Follows a change of the buffer: the lines it replaced are looked at again, and the whole
    // file only for an id whose first record went.
    void follow(const LineBuffer& names, const LineChange& change);
    // The line index of the first line "<id>", or -1 when the file has none.
    qsizetype opening(const QString& id) const { return openings_.value(id, -1); }

    bool operator==(const NameIndex&) const = default;

  private:
    // The id of a line "<id>", or none.
    static std::optional<QString> openingId(const LineBuffer& names, qsizetype line);
    void note(const QString& id, qsizetype line);

    QHash<QString, qsizetype> openings_;
};

// The category whose record header line this is, or none.
const Category* headerCategory(QByteArrayView line);

} // namespace wed
