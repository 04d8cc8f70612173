#pragma once
// The key changes: a key line's value three-way, or a typed value the field's rules write.
#include "game/plan_state.h"

namespace wed {

class KeyPass {
  public:
    explicit KeyPass(PlanState& state) : s_(state) {}

    // A value typed into the field of the key: the field's rules make the line.
    void typed(size_t i);
    void key(size_t i);

  private:
    bool follows(size_t i, const ItemRef& item, const QByteArray& key, int occurrence,
                 qsizetype header) const;
    qsizetype lastKeyLine(CategoryId category, qsizetype header) const;

    PlanState& s_;
    bool finalLineEnd_ = false; // the file's missing final line end is added, once
};

} // namespace wed
