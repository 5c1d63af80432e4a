#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <mutex>

namespace rula {
namespace {

// Qt's own words (a file dialog's, a message box's buttons, a text box's menu): a file of
// some 200 KB that no screen needs until one of Qt's windows or menus opens, so that it
// is read only when Qt first asks for one of its texts. Texts are asked for from any
// thread (a photo decodes on a worker), hence the lock.
class QtWordsOnDemand final : public QTranslator {
public:
    explicit QtWordsOnDemand(QString file)
        : QTranslator(QCoreApplication::instance())
        , file_(std::move(file)) {}

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        // Asked as soon as any translation is installed; none of the program's languages
        // is written right to left.
        if (qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        std::call_once(loaded_, [this] {
            words_ = std::make_unique<QTranslator>();
            if (!words_->load(file_))
                words_.reset();
        });
        return words_ ? words_->translate(context, source, disambiguation, n) : QString();
    }

private:
    const QString file_;
    mutable std::once_flag loaded_;
    mutable std::unique_ptr<QTranslator> words_;
};

// qtbase_pt_BR.qm, else qtbase_pt.qm, as QTranslator::load() would find it.
QString QtWordsFile(QString language) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (;;) {
        const QString file = folder + QLatin1String("/qtbase_") + language + QLatin1String(".qm");
        if (QFileInfo::exists(file))
            return file;
        const qsizetype cut = language.lastIndexOf(u'_');
        if (cut < 0)
            return {};
        language.truncate(cut);
    }
}

} // namespace

QString TranslationsFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(RULA_TRANSLATIONS));
}

std::unique_ptr<QTranslator> ProgramWords(const QStringList& languages, const QString& folder,
                                          QString* language) {
    for (QString name : languages) {
        name.replace(u'-', u'_');
        // An unknown name reads as the C locale: English too.
        const QLocale::Language spoken = QLocale(name).language();
        if (spoken == QLocale::English || spoken == QLocale::C)
            return nullptr;
        // rula_pt_BR.qm, else rula_pt.qm: load() drops the name's last part in turn.
        auto words = std::make_unique<QTranslator>();
        if (words->load(QLatin1String("rula_") + name, folder)) {
            if (language)
                *language = name;
            return words;
        }
    }
    return nullptr;
}

QString InstallTranslations(const QStringList& languages, const QString& folder) {
    QString language;
    std::unique_ptr<QTranslator> program = ProgramWords(languages, folder, &language);
    if (!program)
        return {};
    // Qt's own words in the same language, where Debian has them, installed before the
    // program's so that the program's are asked first.
    if (const QString qtFile = QtWordsFile(language); !qtFile.isEmpty())
        QCoreApplication::installTranslator(new QtWordsOnDemand(qtFile));
    QTranslator* words = program.release();
    words->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(words);
    // "de", "pt_BR": the name of the file found.
    return QFileInfo(words->filePath()).completeBaseName().mid(5);
}

} // namespace rula
