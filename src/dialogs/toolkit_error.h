#pragma once

#include <QString>
#include <stdexcept>

namespace wed {

// An error that a toolkit class raises to its caller, with the toolkit's error number and a
// description in the user's language.
class ToolkitError : public std::runtime_error {
  public:
    // The user cancelled a dialog that was told to report cancelling as an error.
    static constexpr int kUserInterrupt = 18;

    ToolkitError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number),
          description_(description) {}

    int number() const { return number_; }
    const QString& description() const { return description_; }

  private:
    int number_;
    QString description_;
};

} // namespace wed
