#pragma once

#include "base/outcome.h"

#include <QString>
#include <functional>

namespace wed {

class Form1;

// The item actions as the user asks for them: an id asked for until the document takes it,
// a removal confirmed, the name record edited; each outcome reported by the window. Worded in
// the editor actions' words.
class ItemCommands {
  public:
    explicit ItemCommands(Form1& window) : window_(window) {}
    // Each on the item selected in the list (the names: the item shown, or else the selected).
    void copy();
    void rename();
    void remove();
    void editNames();

  private:
    void askIdAndRun(const QString& title, const QString& start,
                     const std::function<Outcome(const QString&)>& action);

    Form1& window_;
};

} // namespace wed
