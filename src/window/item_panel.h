#pragma once

#include "data/item_ref.h"
#include "data/record_scan.h"

#include <QString>
#include <vector>

namespace wed {

class GameData;
struct FilesChanged;

// The item a category panel shows: its reference, and where its header line stands (the line's
// first byte, followed through writes). The header line and each field's key line follow from
// the document as it is now; only the text each field shows is the panel's own.
class ItemPanel {
  public:
    // header: -1 when the record was not found, and every field shows "无".
    ItemPanel(const GameData& game, const ItemRef& item, qsizetype header);

    const ItemRef& item() const { return item_; }
    qsizetype headerLine() const;
    // Per field of the category's table, its value and key line in the record.
    std::vector<KeyHit> fields() const;
    // The field's key line number (from 1); 0 when the record lacks the key.
    int fieldLine(int field) const;
    // What the field shows: the value read, or the text last written.
    const QString& text(int field) const { return texts_[size_t(field)]; }
    void setText(int field, const QString& text) { texts_[size_t(field)] = text; }

    // Follows a write of the item file; false when the record's header line went with it.
    bool follow(const FilesChanged& changed);

  private:
    const GameData* game_;
    ItemRef item_;
    qsizetype headerOffset_ = -1;
    std::vector<QString> texts_;
};

} // namespace wed
