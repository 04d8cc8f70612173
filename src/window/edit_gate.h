#pragma once

#include <QScopedValueRollback>

namespace wed {

// Whose a change of a field's text is: the user's while the gate is open, and then the
// document writes it. The gate opens once an item is shown, and closes when the list is read
// again, the filter hides the item shown, or a record is shown without being chosen. While the
// window puts text into fields itself, the gate is closed for that while only: a guard holds
// it closed and gives it back as it was.
class EditGate {
  public:
    bool isOpen() const { return open_; }
    void open() { open_ = true; }
    void close() { open_ = false; }
    // Closed for the guard's life.
    [[nodiscard]] QScopedValueRollback<bool> closedWhileFilling() {
        return QScopedValueRollback<bool>(open_, false);
    }

  private:
    bool open_ = false;
};

} // namespace wed
