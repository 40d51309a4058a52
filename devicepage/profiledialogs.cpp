#include "devicepage/profiledialogs.h"
#include "widgets/themeddialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    ThemedDialog::apply(&box);
    QPushButton *yes = box.addButton(QObject::tr("Yes"), QMessageBox::YesRole);
    box.addButton(QObject::tr("No"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}
