#pragma once

#include <QStringView>

namespace wed {

// The interface's language: Chinese, in which every text is written, or English, from the
// translation built into the program. Chinese is the default, whatever the system's locale.
enum class Language { Chinese, English };

// Chooses the language by name ("zh" or "en", case ignored); false, and nothing changed, for
// any other. Once the application object exists the choice takes effect at once.
bool chooseLanguage(QStringView name);
Language chosenLanguage();

// Puts the chosen language's translation into the application, or takes it out. Needs the
// application object: a choice made before it exists is put in here.
void installLanguage();

} // namespace wed
