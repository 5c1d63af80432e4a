#include "app/languages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rula {

QString InstallTranslations(const QStringList& languages, const QString& folder) {
    for (QString language : languages) {
        language.replace(u'-', u'_');
        // An unknown name reads as the C locale: English too.
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::English || spoken == QLocale::C)
            return {};
        // rula_pt_BR.qm, else rula_pt.qm: load() drops the name's last part in turn.
        auto* program = new QTranslator(QCoreApplication::instance());
        if (!program->load(QLatin1String("rula_") + language, folder)) {
            delete program;
            continue;
        }
        QCoreApplication::installTranslator(program);
        // Qt's own words in the same language, where Debian has them.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QLatin1String("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return QFileInfo(program->filePath()).completeBaseName().mid(5);
    }
    return {};
}

} // namespace rula
