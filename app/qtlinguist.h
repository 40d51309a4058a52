#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTranslator>

// Knows the fifteen interface languages, finds the one of the system locale, and
// loads and installs the translation file of a chosen language. One loader per
// process; every load goes into the same translator, which stays installed.
class QtLinguist : public QObject
{
    Q_OBJECT

public:
    enum Language
    {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech
    };
    Q_ENUM(Language)

    // folder empty: "translation" beside the executable.
    explicit QtLinguist(const QString &folder = QString());

    int systemLanguage() const;
    static int languageForLocale(const QLocale &locale);

    // Loads and installs the translation of a Language value. False when the value
    // is unknown (nothing changes) or the file cannot be loaded (the translator is
    // then empty, so texts show in their source language).
    // Also turns the application's layout direction to the language's (right to
    // left for Arabic), so open windows mirror at once.
    bool loadLanguage(int language);

    // The direction a language's windows are laid out in.
    static Qt::LayoutDirection layoutDirection(int language);

    QString folder() const { return m_folder; }
    QString fileName(int language) const { return m_languageFiles.value(language); }

private:
    static void setApplicationDirection(Qt::LayoutDirection direction);

    QTranslator m_translator;
    QMap<int, QString> m_languageFiles;
    QString m_folder;
};
