#include "keyboardview/keytippopup.h"

#include "widgets/arrowwidget.h"

#include <QWidget>

KeyTipPopup::KeyTipPopup(QObject *parent)
    : QObject(parent), m_popup(new ArrowWidget(ArrowWidget::ArrowBottom)), m_tip(new DCustomEventTipExplain)
{
    m_popup->setFixedSize(kWidth, kHeight);
    m_popup->setArrowPosX(kArrowX);
    m_popup->setCenterWidget(m_tip);
    connect(m_popup, &ArrowWidget::sigArrowWidgetMouseEnter, this, &KeyTipPopup::sigMouseEnter);
    // The pop-up hides itself when the user clicks elsewhere.
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, [this] { m_shown = false; });
}

KeyTipPopup::~KeyTipPopup()
{
    delete m_popup;
}

QPoint KeyTipPopup::positionAbove(const QWidget *key)
{
    const QPoint bottomCentre = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
    return bottomCentre - QPoint(kWidth / 2, key->height() + kHeight);
}

void KeyTipPopup::showAbove(QWidget *key, const CustomEventTipInfo &content)
{
    m_content = content;
    m_anchor = key;
    m_shown = true;
    m_tip->setInfo(content);
    m_popup->move(positionAbove(key));
    m_popup->setPopupShown(true);
    m_popup->show();
}

void KeyTipPopup::hide()
{
    m_shown = false;
    m_anchor = nullptr;
    m_popup->setPopupShown(false);
    m_popup->hide();
}
