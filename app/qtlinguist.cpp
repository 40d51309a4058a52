#include "app/qtlinguist.h"

#include "app/ddatamanager.h"
#include "widgets/joinedscriptweight.h"

#include <QGuiApplication>
#include <QMetaEnum>

namespace {

// Qt turns the application's layout direction whenever the language changes, by
// this text of the installed translation: "RTL" lays windows out right to left,
// anything else left to right. Every translation carries it, so Qt's turn agrees
// with layoutDirection().
struct SourceText
{
    const char *source;
    const char *comment;
};
[[maybe_unused]] const SourceText kLayoutDirectionText
    = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                         "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                         "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

}  // namespace

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

Qt::LayoutDirection QtLinguist::layoutDirection(int language)
{
    return language == Arabic ? Qt::RightToLeft : Qt::LeftToRight;
}

bool QtLinguist::loadLanguage(int language)
{
    if (!m_languageFiles.contains(language))
        return false;
    const bool loaded = m_translator.load(m_folder + '/' + m_languageFiles.value(language));
    // A failed load leaves the translator empty: the texts are then the English
    // sources, which read left to right.
    setApplicationDirection(loaded ? layoutDirection(language) : Qt::LeftToRight);
    // Arabic's letters join, and thin weights draw them apart.
    JoinedScriptWeight::setActive(loaded && language == Arabic);
    if (!loaded)
        return false;
    // Installing twice would list the translator twice; take it out first.
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::installTranslator(&m_translator);
    return true;
}

void QtLinguist::setApplicationDirection(Qt::LayoutDirection direction)
{
    // Every widget that has no direction of its own follows at once; a process
    // without a GUI (a command-line run) has no layout to turn.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(direction);
}
