#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// The questions the profile operations ask the user. The device page uses the
// real dialogs; tests answer them without opening a window.
class ProfileDialogs
{
public:
    virtual ~ProfileDialogs() = default;

    // An empty text: the user chose nothing.
    virtual QString chooseExportFolder(const QString &startFolder) = 0;
    virtual QString chooseImportFile(const QString &startFolder) = 0;
    virtual bool confirmReset() = 0;
    virtual bool confirmOverwrite(const QString &filePath) = 0;
};

// File dialogs and question boxes over the given parent widget.
class WidgetProfileDialogs : public ProfileDialogs
{
public:
    explicit WidgetProfileDialogs(QWidget *parent) : m_parent(parent) { }

    QString chooseExportFolder(const QString &startFolder) override;
    QString chooseImportFile(const QString &startFolder) override;
    bool confirmReset() override;
    bool confirmOverwrite(const QString &filePath) override;

    // A question with the buttons "Yes" and "No"; true for "Yes".
    static bool askYesNo(QWidget *parent, const QString &title, const QString &text);

private:
    QPointer<QWidget> m_parent;
};
