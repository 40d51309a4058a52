#include "app/qtlinguist.h"

#include "app/ddatamanager.h"

#include <QCoreApplication>
#include <QMetaEnum>

QtLinguist::QtLinguist(const QString &folder)
    : m_folder(folder.isEmpty() ? DDataManager::getAppDirPath() + QStringLiteral("/translation") : folder)
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_languageFiles.insert(languages.value(i), QStringLiteral("%1.qm").arg(languages.key(i)));
}

int QtLinguist::systemLanguage() const
{
    return languageForLocale(QLocale::system());
}

int QtLinguist::languageForLocale(const QLocale &locale)
{
    static const QMap<QLocale::Language, int> table = {
        {QLocale::English, English},     {QLocale::Japanese, Japanese}, {QLocale::Korean, Korean},
        {QLocale::Russian, Russian},     {QLocale::Arabic, Arabic},     {QLocale::Spanish, Spanish},
        {QLocale::Portuguese, Portugal}, {QLocale::German, German},     {QLocale::Italian, Italian},
        {QLocale::Polish, Polish},       {QLocale::French, French},     {QLocale::Ukrainian, Ukrainian},
        {QLocale::Czech, Czech},
    };
    if (locale.language() == QLocale::Chinese)
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    return table.value(locale.language(), English);
}

bool QtLinguist::loadLanguage(int language)
{
    if (!m_languageFiles.contains(language))
        return false;
    if (!m_translator.load(m_folder + '/' + m_languageFiles.value(language)))
        return false;
    // Installing twice would list the translator twice; take it out first.
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::installTranslator(&m_translator);
    return true;
}
