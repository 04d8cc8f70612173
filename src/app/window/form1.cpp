#include "app/window/form1.h"

namespace wed {

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
}

} // namespace wed
