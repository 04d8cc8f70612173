#pragma once
// The key changes: a key line's value three-way, or a typed value the field's rules write.
#include "game/plan_state.h"

namespace wed {

class KeyPass {
  public:
    // `typedLines`: per typed change, the line its field's rules make (by the set's check).
    KeyPass(PlanState& state, std::vector<QByteArray> typedLines)
        : s_(state), typedLines_(std::move(typedLines)) {}

    // A value typed into the field of the key: the line the field's rules made of it.
    void typed(size_t i);
    void key(size_t i);

  private:
    bool follows(size_t i, const ItemRef& item, const QByteArray& key, int occurrence,
                 qsizetype header) const;
    qsizetype lastKeyLine(CategoryId category, qsizetype header) const;

    PlanState& s_;
    std::vector<QByteArray> typedLines_;
    bool finalLineEnd_ = false; // the file's missing final line end is added, once
};

} // namespace wed
