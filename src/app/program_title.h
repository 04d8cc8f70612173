#pragma once

#include <QString>
#include <array>

namespace wed {

// The program's name, "武器装甲晶体数据编辑器" (the editor of weapon, armor and implant data),
// as the ten letters the window's title banner animates: the fifth is the two-character word.
inline constexpr int kTitleLetterCount = 10;
QString titleLetterText(int index);
// The whole title (also the program's name) and the window caption, which adds the version.
QString titleText();
QString windowCaption();

} // namespace wed
