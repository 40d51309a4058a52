#pragma once

#include <QWidget>

class QLabel;

// One-line tip shown inside an ArrowWidget.
class DToolTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DToolTipExplain(QWidget *parent = nullptr);
    void setText(QString text);
    QString text() const;

private:
    QLabel *m_label = nullptr;
};
