#include "window/item_panel.h"

#include "base/byte_splice.h"
#include "game/game_data.h"

namespace wed {

ItemPanel::ItemPanel(const GameData& game, const ItemRef& item, qsizetype header)
    : game_(&game), item_(item), headerOffset_(header >= 0 ? game.items().lineStart(header) : -1) {
    for (const KeyHit& hit : fields())
        texts_.push_back(hit.lineNumber > 0 ? hit.value : QStringLiteral("无"));
}

qsizetype ItemPanel::headerLine() const {
    return headerOffset_ < 0 ? -1 : game_->items().lineAt(headerOffset_);
}

std::vector<KeyHit> ItemPanel::fields() const {
    return game_->record(item_.category, headerLine()).fields;
}

int ItemPanel::fieldLine(int field) const {
    return fields()[size_t(field)].lineNumber;
}

// Where lines came or went, the record's header line may stand elsewhere and its reference may
// count another occurrence of its id.
bool ItemPanel::follow(const FilesChanged& changed) {
    if (headerOffset_ < 0)
        return true;
    headerOffset_ = mapOffset(headerOffset_, changed.made[size_t(GameFile::Items)]);
    if (!changed.linesMoved[size_t(GameFile::Items)])
        return true;
    if (headerOffset_ < 0)
        return false;
    item_ = game_->refAt(item_.category, headerLine());
    return true;
}

} // namespace wed
