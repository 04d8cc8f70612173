#pragma once

#include <QWidget>
#include <vector>

namespace wed {

// Widgets in reading order: row by row from the top, left to right in a row, as the eye reads
// them in the window.
std::vector<QWidget*> inReadingOrder(std::vector<QWidget*> widgets, const QWidget* window);
// Tab goes from each widget to the next.
void chainTabOrder(const std::vector<QWidget*>& chain);

} // namespace wed
