#pragma once

class QCoreApplication;

namespace platform {

// Puts the program's texts, and Qt's own (the standard dialogs' buttons), into the
// user's language as the system names it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux;
// the display language on Windows). A language the program has no catalogue for leaves
// it in English. What it writes into files never depends on the language.
void installTranslations(QCoreApplication& application);

} // namespace platform
