#pragma once

#include "indexed_picture.h"

namespace wed::sample {

// Draws an item's picture: a vertical gradient in the item's own hue, a framed edge and one
// of several shapes in the opposite hue, so that pictures of different items look different
// at a glance. The large picture adds a highlight. Only integer arithmetic is used, so the
// pixels are the same on every machine.
IndexedPicture paintItemPicture(int serial, int width, int height, bool large);

} // namespace wed::sample
