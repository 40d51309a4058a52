#include "support/clickwhereshown.h"

#include <QScrollArea>
#include <QTest>
#include <QWidget>

QString clickWhereShown(QWidget *target)
{
    for (QWidget *up = target->parentWidget(); up; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(up))
            area->ensureWidgetVisible(target, 0, 0);
    }
    QWidget *window = target->window();
    const QPoint point = target->mapTo(window, target->rect().center());
    if (!window->rect().contains(point))
        return QStringLiteral("nothing: %1,%2 lies outside the %3x%4 window")
            .arg(point.x())
            .arg(point.y())
            .arg(window->width())
            .arg(window->height());
    QWidget *hit = window->childAt(point);
    if (!hit)
        hit = window;
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(window, point));
    if (hit == target)
        return QString();
    return QStringLiteral("%1 \"%2\" at %3,%4")
        .arg(QString::fromLatin1(hit->metaObject()->className()), hit->objectName())
        .arg(point.x())
        .arg(point.y());
}
