#pragma once

#include "advancedkeys/seniorkeyinfo.h"

#include <QMap>
#include <QWidget>

namespace Ui {
class DSeniorKeyEventListItem;
}

// One row of the advanced-key list: the key's name and up to four key captions, a click on
// the row and on its delete button reported by signal.
class DSeniorKeyEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeyEventListItem(QWidget *parent = nullptr);
    ~DSeniorKeyEventListItem() override;

    void setAllKeysMap(QMap<int, QString> keysMap) { m_keysMap = keysMap; }
    void setInfo(SeniorKeyInfo info);
    SeniorKeyInfo info() const { return m_info; }
    void setSelected(bool selected);

Q_SIGNALS:
    void sigSeniorKeyEventItemClick(int bindingIndex);
    void sigDeleteSeniorKeyEventItem(int keyType, int bindingIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private Q_SLOTS:
    void on_pushButton_DeleteEvent_clicked();

private:
    Ui::DSeniorKeyEventListItem *ui;
    SeniorKeyInfo m_info;
    QMap<int, QString> m_keysMap;
};
