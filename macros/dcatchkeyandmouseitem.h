#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One line of the macro editor's event list: the kind of event, press or
// release, the caption and the delay. It never touches the macro store; the
// editor reads its values back through the getters.
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setEventData(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setHighlighted(bool on);
    void setSelected(bool on);
    void setDelay(int ms);

    QString getMark() const { return m_mark; }
    QString getDelay() const { return m_delay; }
    QString getType() const { return m_type; }
    QString getKeyCode() const { return m_keyCode; }
    QString getCodeName() const { return m_codeName; }
    QString getOperateExplain() const { return m_operateExplain; }

    // What the row shows, for owners and tests.
    QString delayText() const;
    QString captionText() const;
    QString kindPictureSheet() const;
    QString statePictureSheet() const;
    bool isDeleteButtonShown() const;

Q_SIGNALS:
    void sigDeleteKeyAndMouseEvent();
    void sigKeyOrMouseEventClick(QString, QString, QString, QString, QString);
    void sigMouseEnter(QString, QString);
    void sigMouseLeave(QString, QString);

private Q_SLOTS:
    void on_pushButton_Delete_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyLook(const QString &background, const QString &labelColor);
    void describeForTools();

    Ui::DCatchKeyAndMouseItem *ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
    QString m_borderColor = "52,52,86";
    QString m_selectedBgColor = "42,42,65";
    QString m_centerBgColor = "32,32,55";
    QString m_textColor = "175,175,175";
    QString m_selectedTextColor = "255,143,31";
    QString m_fontFamily = "Microsoft YaHei";
};
