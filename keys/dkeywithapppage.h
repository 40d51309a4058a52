#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QFileInfo>

namespace Ui {
class DKeyWithAppPage;
}

// The "Launch Application" function page: the key opens a program, a desktop
// entry or a document on the PC. The file is picked in a file dialog that
// starts in the desktop folder, and stored at once by its path.
class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

    // Takes a path the file dialog returned and stores it when it names an
    // existing file; an empty or missing path changes nothing. Returns whether
    // it was stored.
    bool takeProgramPath(const QString &path);
    QString programPath() const { return m_programPath; }
    QString shownPath() const;
    // Where the file dialog starts.
    static QString startFolder();

public Q_SLOTS:
    void on_pushButton_selectAppPath_clicked();

private:
    bool saveKeyInfo();

    Ui::DKeyWithAppPage *ui;
    QString m_programPath;
    QFileInfo m_programFile;
};
