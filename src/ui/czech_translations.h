#pragma once

class QCoreApplication;

namespace krizovky::ui {

// Qt's own Czech catalogue for its standard dialogs and buttons ("Ano", "Ne",
// "Uložit", "Otevřít", "Zrušit"), from Qt's translations folder. False when
// the catalogue is not installed: the standard texts stay English then.
bool installCzechTranslations(QCoreApplication& application);

}  // namespace krizovky::ui
