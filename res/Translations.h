#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts and Qt's own (its dialogs, the command-line parser's
// help) in the user's language, for as long as this object lives. The texts
// as written are English: where the user's languages name English before any
// language we have a translation for, nothing is installed.
class Translations {
public:
    // Installs the translations for the first of locale's UI languages that
    // has one (Qt takes these from LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).
    // The application object must exist already.
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed, as "de" or "fr"; empty when the texts stay
    // as written.
    const QString& Language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};
