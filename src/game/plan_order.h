#pragma once
// The order a change set is planned in: the rule that keeps added and moved records in their
// places and their occurrences.
#include "game/change_set.h"

#include <vector>

namespace wed {

// The order the changes are planned in: the set's, except that a record (or name record) the
// set adds or moves comes after the one it follows, where the set adds or moves that one, and an
// added record after those of its id added or moved with an earlier occurrence; with moves,
// after every change that adds or moves nothing. Each then finds where those go, and an added
// record's reference names it after the set too.
std::vector<size_t> planningOrder(const ChangeSet& changes);

} // namespace wed
