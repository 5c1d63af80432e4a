// The language of the desktop. At start the program takes the first of the user's
// languages, as Qt reads them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), that is English
// or has a translation of the program, and installs that translation together with Qt's
// own for the same language (file dialogs, standard buttons), from the folder Debian
// keeps them in, read only once Qt first asks for one of its texts. English is the
// program's own language: nothing is loaded for it, so a start in English reads no file.
#pragma once

#include <QString>
#include <QStringList>

namespace rula {

// Installs the translations for the first of `languages` ("de-DE", "pt-BR", "en-US", as
// QLocale::uiLanguages gives them) that is English, or has rula_<language>.qm in
// `folder` (rula_de_DE.qm, else rula_de.qm). Returns the translation's name ("de",
// "pt_BR"), or nothing where the program speaks English. The translators belong to the
// application object.
QString InstallTranslations(const QStringList& languages, const QString& folder);

} // namespace rula
