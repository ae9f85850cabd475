#pragma once

class QCoreApplication;
class QTranslator;

namespace glosbo::app {

// Makes Qt's own texts Swedish: the print preview, the printer and file
// dialogs and the menus of the inputs. Loads Qt's Swedish catalogue from
// the translations directory of the installed Qt (Debian package
// qt6-translations-l10n), with the print preview's buttons that it lacks.
// The translator installed, owned by the application (deleting it removes
// both); nothing, and Qt left in English, when the catalogue is missing.
QTranslator* installQtTranslations(QCoreApplication& application);

} // namespace glosbo::app
