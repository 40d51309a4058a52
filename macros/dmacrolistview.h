#pragma once

#include "macros/macronode.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QListView>
#include <QPointer>
#include <QString>

class ArrowWidget;
class MacroListModel;
class QLineEdit;

// The macro editor's macro list: one painted row per macro (its name and a menu
// button), so a file of a thousand macros costs a thousand model entries, not a
// thousand widget trees with style sheets of their own. A press on a row reports the
// macro; the menu button opens Export, Delete and Modify Name; Modify Name and a double
// click turn the row into a name field with Save and Cancel, and Save writes the new
// name into the macro file itself. Which row shows selected is the editor's choice.
class DMacroListView : public QListView
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 46;

    explicit DMacroListView(QWidget *parent = nullptr);

    void setMacroXmlPath(const QByteArray &path) { m_macroXmlPath = path; }
    void setMacros(const QList<MacroNode> &nodes);
    void clearMacros();
    void removeMacro(const QString &macroIndex);

    int macroCount() const;
    QString macroIndexAt(int row) const;
    QString macroNameAt(int row) const;
    int rowOfMacro(const QString &macroIndex) const;

    int selectedRow() const { return m_selectedRow; }
    void setSelectedRow(int row);

    // The row's place in the view's own coordinates, and its menu button's.
    QRect rowRect(int row) const;
    QRect menuButtonRect(int row) const;

    void openMenu(int row);
    ArrowWidget *popupFrame() const;
    void startRename(int row);
    // The row being renamed, or -1; its name field while it is.
    int renamingRow() const;
    QLineEdit *nameField() const;
    void saveRename();
    void cancelRename();

Q_SIGNALS:
    void sigMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The new name could not be stored; text names the file and the reason.
    void sigModifyMacroItemNameFailed(QString text);
    void sigExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void sigDeleteMacro(QString strMacroIndex, QString strMacroName);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class MacroRowDelegate;
    struct Look
    {
        QColor border;
        QColor selected;
        QColor hover;
        QColor text;
        QFont font;
    };

    QRect viewportButtonRect(const QRect &row) const;
    void setHover(int row, bool onButton);
    void publishRows();
    QWidget *makeNameEditor(const QString &name);

    MacroListModel *m_model = nullptr;
    Look m_look;
    QByteArray m_macroXmlPath;
    int m_selectedRow = -1;
    int m_hoverRow = -1;
    bool m_hoverOnButton = false;
    int m_pressedButtonRow = -1;
    QPersistentModelIndex m_renaming;
    QPointer<QWidget> m_nameEditor;
    QPointer<ArrowWidget> m_popup;
};
