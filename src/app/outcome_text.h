#pragma once

#include "base/outcome.h"

#include <QString>
#include <QStringView>

namespace wed {

// The user's words (Chinese) for an outcome: what went wrong and what it means for the files.
// Every message of the window and of the command line is made here.
QString describe(const Outcome& outcome);
// What an outcome means for the files, as the end of its message; empty for a notice.
QString describe(Effect effect);

} // namespace wed
