#include "widgets/dtooltipexplain.h"

#include <QLabel>
#include <QVBoxLayout>

DToolTipExplain::DToolTipExplain(QWidget *parent) : QWidget(parent), m_label(new QLabel(this))
{
    m_label->setText(QStringLiteral("ABC66666666666"));
    m_label->setMinimumHeight(40);
    m_label->setStyleSheet(QStringLiteral(
        "border: 0px solid rgb(46, 47, 80); color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";"));
    m_label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
}

void DToolTipExplain::setText(QString text)
{
    m_label->setText(text);
}

QString DToolTipExplain::text() const
{
    return m_label->text();
}
