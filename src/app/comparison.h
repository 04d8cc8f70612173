#pragma once

#include "game/game_data.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace wed {

class Document;

// The document's folder compared with a base folder (the game as shipped): the change set
// that makes the base into the folder, kept in step with every write and undo of the
// document, and what it means for an item or a field.
class Comparison : public QObject {
    Q_OBJECT
  public:
    explicit Comparison(Document& document, QObject* parent = nullptr);

    // Reads the base folder's weapon.cfg and name file; nothing changes when it cannot be read.
    Outcome setBase(const QString& folder);
    bool active() const { return base_.isOpen(); }
    const GameData& base() const { return base_; }

    // The changes of the folder against the base, in the base's file order.
    const ChangeSet& changes() const { return changes_; }

    enum class Mark { Same, Modified, Added };
    // Added: the base lacks the item; Modified: its record, or its id's name record, differs.
    Mark mark(const ItemRef& item) const;
    // The base's value of the key in the item's record (its last line, as a field shows it);
    // none when the base lacks the item or the key.
    std::optional<QByteArray> baseValue(const ItemRef& item, QByteArrayView key) const;
    bool baseHas(const ItemRef& item) const { return base_.headerOf(item) >= 0; }

    // The change set that takes the changes of those rows back to the base: a changed value
    // or record gets the base's, an added item or name record goes, a removed one comes back
    // after the record it followed in the base.
    ChangeSet revert(const std::vector<size_t>& rows) const;

  signals:
    void changed();
    // Another base was read (after changed()).
    void baseSet();

  private:
    void recompute();

    Document& document_;
    GameData base_;
    ChangeSet changes_;
    std::vector<QString> modified_; // references of items whose record or name record differ
    std::vector<QString> added_;
};

} // namespace wed
