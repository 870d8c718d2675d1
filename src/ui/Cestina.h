// The program speaks Czech: Qt's own texts (standard buttons "Ano"/"Ne", file dialogs) come
// from Qt's Czech translation, and the windows format numbers and dates by the user's
// locale, Czech when the system has none configured.
#pragma once

class QCoreApplication;

// Installs the translation into `aplikace` and sets the default locale. Returns false when
// Qt's Czech translation is not installed (the standard texts then stay English).
bool NastavCestinu(QCoreApplication& aplikace);
