#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Where the program's own translations are compiled in (see CMakeLists.txt).
const QString kOwnFolder = QStringLiteral(":/i18n");

// "de-DE" as QTranslator names its files: "de_DE".
QString FileLanguage(const QString& uiLanguage) {
    return QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool IsSourceLanguage(const QString& language) {
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
           language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

} // namespace

Translations::Translations(const QLocale& locale) {
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QString language = FileLanguage(uiLanguage);
        if (IsSourceLanguage(language)) {
            return;
        }
        // QTranslator tries "quillmark_de_DE", then "quillmark_de".
        if (m_own.load(QStringLiteral("quillmark_") + language, kOwnFolder)) {
            m_language = m_own.language().section(QLatin1Char('_'), 0, 0);
            break;
        }
    }
    if (m_language.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&m_own);
    // Qt's own texts in the same language, where the system has them
    // (Debian: qt6-translations-l10n); without them Qt's dialogs stay English.
    if (m_qt.load(QStringLiteral("qtbase_") + m_language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

Translations::~Translations() {
    // Removing a translator that was never installed does nothing.
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}
