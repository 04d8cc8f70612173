#include "window/control_layout.h"

#include <QString>
#include <array>

namespace wed {
namespace {

// In the order of the enumeration.
constexpr std::array<ControlLayout, 22> kControls = {{
    {"List1", {120, 1005, 2295, 8520}},
    {"Drive1", {8400, 1005, 2700, 300}},
    {"Dir1", {8400, 1320, 2700, 2190}},
    {"Combo4", {8400, 3600, 2655, 300}},
    {"File2", {8400, 3960, 1380, 810}},
    {"Frame1", {9840, 3960, 1815, 855}},
    {"Option1", {0, 0, 1335, 375}},
    {"Option2", {0, 480, 1335, 375}},
    {"Pic1", {8400, 4800, 2700, 2700}},
    {"Label32", {8280, 7560, 1935, 375}},
    {"Text29", {8880, 7560, 2295, 270}},
    {"Text28", {8280, 7920, 2895, 1575}},
    {"Frame3", {2520, 960, 5775, 8655}},
    {"Frame2", {0, 5640, 5655, 2895}},
    {"Frame4", {2520, 960, 5775, 8535}},
    {"Frame5", {2520, 960, 5775, 8535}},
    {"Command1", {360, 360, 1215, 375}},
    {"Text38", {1920, 360, 3615, 375}},
    {"Label15", {}},
    {"Timer1", {}},
    {"Timer2", {}},
    {"Timer3", {}},
}};
static_assert(kControls.size() == size_t(Control::FallingColourTimer) + 1);

} // namespace

const ControlLayout& layoutOf(Control control) {
    return kControls[size_t(control)];
}

QString objectNameOf(Control control) {
    return QLatin1String(layoutOf(control).name);
}

} // namespace wed
