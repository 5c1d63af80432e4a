// The language of the desktop. At start the program takes the first of the user's
// languages, as Qt reads them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), that is English
// or has a translation of the program, and installs that translation together with Qt's
// own for the same language (file dialogs, standard buttons), from the folder Debian
// keeps them in, read only once Qt first asks for one of its texts. English is the
// program's own language: nothing is loaded for it, so a start in English reads no file.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace rula {

// The folder of the translations, beside the program's own folder, where the build tree
// and an installation both keep it.
QString TranslationsFolder();

// The program's own translation for the first of `languages` ("de-DE", "pt-BR", "en-US",
// as QLocale::uiLanguages gives them) that is English, or has rula_<language>.qm in
// `folder` (rula_de_DE.qm, else rula_de.qm); none where that language is English.
// `language`, where given, is set to the language it is for ("de_DE").
std::unique_ptr<QTranslator> ProgramWords(const QStringList& languages, const QString& folder,
                                          QString* language = nullptr);

// Installs the program's translation, as ProgramWords finds it, together with Qt's own
// for the same language. Returns the translation's name ("de", "pt_BR"), or nothing where
// the program speaks English. The translators belong to the application object.
QString InstallTranslations(const QStringList& languages, const QString& folder);

} // namespace rula
