#pragma once

#include <QByteArrayView>
#include <QString>

namespace wed::fuzz {

// One run of the rules on arbitrary text: the bytes are read as a rules file (small budgets)
// against a copy of the sample game folder; every column and check is computed for a few
// weapons and every recipe is run and its change set planned.
//
// Holds when: nothing throws or crashes, every failure is an error with its file, and the
// folder's files keep their bytes (a rule writes nothing). A hang past the budget is the
// fuzzer's timeout. Returns what broke, or nothing. The sanitizers judge the rest.
QString checkRules(QByteArrayView input);

} // namespace wed::fuzz
