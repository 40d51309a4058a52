#include "devicepage/profiledialogs.h"
#include "widgets/questiondialog.h"

#include <QDir>
#include <QFileDialog>

QString WidgetProfileDialogs::chooseExportFolder(const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, QObject::tr("Save directory"), startFolder,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QString WidgetProfileDialogs::chooseImportFile(const QString &startFolder)
{
    return QFileDialog::getOpenFileName(m_parent, QObject::tr("Open profile file"), startFolder,
                                        QObject::tr("Profile files(*.xml)"));
}

bool WidgetProfileDialogs::confirmReset()
{
    return askYesNo(m_parent, QObject::tr("Tip"), QObject::tr("Whether to reset the current profile?"));
}

bool WidgetProfileDialogs::confirmOverwrite(const QString &filePath)
{
    return askYesNo(
        m_parent, QObject::tr("Tip"),
        QObject::tr("%1 already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(filePath)));
}

bool WidgetProfileDialogs::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QuestionDialog::ask(parent, title, text);
}
