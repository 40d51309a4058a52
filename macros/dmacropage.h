#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

// Stand-in for the macro editor dialog: the shape and signals the main window
// relies on, no editor yet. Frameless, fixed size, deletes itself when closed.
class DMacroPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);

    void setMacroXmlPath(const QByteArray &path) { m_macroXmlPath = path; }
    QByteArray macroXmlPath() const { return m_macroXmlPath; }

Q_SIGNALS:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QByteArray m_macroXmlPath;
};
