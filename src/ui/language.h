#pragma once

#include <QString>

class QCoreApplication;

namespace zantrel {

// Installs the program's translation into the language code (and Qt's own, for its dialogs
// and buttons, where the system has it) into the application; an empty code, or one with no
// translation, keeps the program's own texts. Installed before the windows are built: their
// texts are set once. Returns whether the program's translation was found.
bool installLanguage(QCoreApplication& app, const QString& code);

// Takes the translations installLanguage put in away again.
void removeLanguage(QCoreApplication& app);

} // namespace zantrel
