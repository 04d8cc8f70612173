#pragma once

#include "base/category.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace wed {

// Which of an item's two pictures is shown: the small one or the large one.
enum class PictureSize { Small, Large };

// The file name of an item's picture, formed from its VidMENU value V: A = characters 1-4,
// B = characters 5-8 (empty where V is shorter). B is written with at least four digits when
// it reads as a number ("5" -> "0005"), else as it is. The small picture is A_B.tga with A as
// written; the large one is (A as a number minus 1)_B.tga, so 12340005 gives 1234_0005.tga
// and 1233_0005.tga. For the bare-hands item (see bareHands) the name is 1598.tga for both.
// None when no name can be formed: a large picture whose A is not a number, or a name that
// would hold a path separator.
std::optional<QString> pictureFileName(QStringView vidMenu, PictureSize size, bool heand);

// The bare-hands weapon, "heand", has its own picture whatever its VidMENU says: the one place
// that decides it, for the window and the folder check alike.
bool bareHands(CategoryId category, QStringView id);

} // namespace wed
