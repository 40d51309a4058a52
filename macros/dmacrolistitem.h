#pragma once

#include "widgets/arrowwidget.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class DMacroListItem;
}

// One entry of the macro list: the macro's name, a click to choose it, a menu
// (export, delete, rename) and an in-place rename that writes the store itself.
class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    void setMacroXmlPath(const QByteArray &path) { m_macroXmlPath = path; }
    void setMacroInfo(QString index, QString name);
    void setSelected(bool on);

    QString macroIndex() const { return m_index; }
    QString macroName() const { return m_name; }
    bool isRenaming() const;
    ArrowWidget *popupFrame() const { return m_popup; }

Q_SIGNALS:
    void sigMacroItemMouseClicked(QString, QString);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The new name could not be stored; text names the file and the reason.
    void sigModifyMacroItemNameFailed(QString text);
    void sigExportMacroChildList(QString, QString);
    void sigDeleteMacro(QString, QString);

public Q_SLOTS:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();

private Q_SLOTS:
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Ui::DMacroListItem *ui;
    QByteArray m_macroXmlPath;
    QString m_name;
    QString m_index = "-1";
    QPointer<ArrowWidget> m_popup;
    QString m_borderColor = "52,52,86";
    QString m_selectedBgColor = "42,42,65";
    QString m_hoverBgColor = "37,37,60";
};
