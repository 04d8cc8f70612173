#pragma once

#include "game/change_set.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// What the patch reader and writer share: the first line, the kind names and the escapes of a
// column (the grammar is in patch_file.h).
namespace wed::patch {

inline constexpr QByteArrayView kFirstLine = "weapon-editor patch 1";

// The kind's word in the first column ("move" for both moves).
const char* kindName(ChangeKind kind);
// The kind a first column names (Move for "move"), or none.
std::optional<ChangeKind> kindNamed(QStringView word);

// The character an escape stands for, given the character after its backslash ("\\", "\t",
// "\n", "\r", "\#", "\-"); none for any other. "\e" stands for no character at all.
std::optional<QChar> escapedCharacter(QChar letter);

} // namespace wed::patch
