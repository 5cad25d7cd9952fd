#pragma once

class QCoreApplication;
class QTranslator;

namespace veldora {

// Qt's own texts (message box buttons, file dialogs, descriptions of file errors)
// in Russian, whatever the system's language: loads Qt's Russian translation from
// where Qt keeps its translations (Debian: qt6-translations-l10n) and keeps the
// dialogs Qt's own, since the desktop's native ones speak the desktop's language.
// Returns the installed translator, owned by `app`, or nullptr when the
// translation is not installed (Qt's texts then stay English).
QTranslator *installRussianQtTexts(QCoreApplication &app);

}  // namespace veldora
