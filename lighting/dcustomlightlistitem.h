#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCustomLightListItem;
}

// One row of the lighting page's custom light list: a check box that puts the light
// into use, its name, and renaming in place. The page decides which row looks chosen
// and which lights are in use; the row itself only stores a new name.
class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setCustomLightInfo(QString index, QString name, QString usingText, int usingState);
    void applyTheme();
    void setSelected(bool selected);
    void setUsingChecked(bool checked);
    QString lightIndex() const { return m_index; }
    QString lightName() const { return m_name; }
    QString usingText() const { return m_usingText; }
    int usingState() const { return m_usingState; }
    void setUsingText(QString text) { m_usingText = text; }
    void setUsingState(int state) { m_usingState = state; }
    bool isSelected() const { return m_selected; }

Q_SIGNALS:
    void sigCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    // The new name could not be stored; text names the file and the reason.
    void sigModifyCustomLightItemNameFailed(QString text);
    void sigCustomLightUsingStatus(bool isUsing);

private Q_SLOTS:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Ui::DCustomLightListItem *ui = nullptr;
    bool m_selected = false;
    QString m_index = QStringLiteral("-1");
    QString m_name;
    QString m_usingText;
    int m_usingState = -1;
    QString m_selectedBg = QStringLiteral("42,42,65");
    QString m_hoverBg = QStringLiteral("37,37,60");
    QString m_normalBg;
    QString m_textColour;
    QString m_selectedTextColour;
    QString m_fontFamily;
};
