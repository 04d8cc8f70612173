#pragma once

#include <QWidget>

namespace wed {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
};

} // namespace wed
