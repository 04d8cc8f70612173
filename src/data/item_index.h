#pragma once

#include "base/category.h"
#include "base/line_buffer.h"

#include <QHash>
#include <QString>
#include <array>
#include <vector>

namespace wed {

// Where the records of weapon.cfg begin: the line index of every record header line, per
// category, in file order. Found in one pass when the file is read, so that listing the items
// and showing one need no further scan of the file.
class ItemIndex {
  public:
    void rebuild(const LineBuffer& items);
    const std::vector<qsizetype>& headers(CategoryId category) const {
        return headers_[size_t(category)];
    }

  private:
    std::array<std::vector<qsizetype>, 3> headers_;
};

// Where the name records of the name file begin: the first line "<id>" of every id.
class NameIndex {
  public:
    void rebuild(const LineBuffer& names);
    // The line index of the first line "<id>", or -1 when the file has none.
    qsizetype opening(const QString& id) const { return openings_.value(id, -1); }

  private:
    QHash<QString, qsizetype> openings_;
};

// The category whose record header line this is, or none.
const Category* headerCategory(QByteArrayView line);

} // namespace wed
