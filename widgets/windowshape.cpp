#include "widgets/windowshape.h"

#include "platform/windowcompositing.h"

#include <QBitmap>
#include <QEvent>
#include <QGraphicsEffect>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace WindowShape {
namespace {

QHash<const QObject *, Outline> &outlines()
{
    static QHash<const QObject *, Outline> table;
    return table;
}

class Follower : public QObject
{
public:
    static Follower *instance()
    {
        static QPointer<Follower> follower;
        if (!follower)
            follower = new Follower;
        return follower;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize)
            update(static_cast<QWidget *>(watched));
        return false;
    }
};

}  // namespace

void follow(QWidget *window, Outline outline)
{
    if (!window || !outline)
        return;
    if (!outlines().contains(window)) {
        window->installEventFilter(Follower::instance());
        QObject::connect(window, &QObject::destroyed, [](QObject *gone) { outlines().remove(gone); });
    }
    outlines().insert(window, std::move(outline));
    if (window->isVisible())
        update(window);
}

void followRoundedRect(QWidget *window, qreal radius, int margin)
{
    follow(window, [radius, margin](const QSize &size) {
        QPainterPath path;
        path.addRoundedRect(QRectF(QPointF(margin, margin), QSizeF(size) - QSizeF(2 * margin, 2 * margin)), radius,
                            radius);
        return path;
    });
}

void update(QWidget *window)
{
    const Outline outline = outlines().value(window);
    if (!outline || window->size().isEmpty())
        return;
    const bool composed = WindowCompositing::isActive();
    // A drop shadow falls in the margin that the mask cuts away, so without a
    // compositor it could not show; worse, a graphics effect on a masked window
    // draws its picture shifted by the mask's offset, leaving the top and left of
    // the content cut and a see-through (black) band at the right and bottom.
    if (QGraphicsEffect *effect = window->graphicsEffect())
        effect->setEnabled(composed);
    if (composed) {
        if (!window->mask().isEmpty())
            window->clearMask();
        return;
    }
    // A bitmap of the filled outline, so the rounded corners keep their curve.
    QBitmap bits(window->size());
    bits.fill(Qt::color0);
    QPainter painter(&bits);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawPath(outline(window->size()));
    painter.end();
    window->setMask(bits);
}

}  // namespace WindowShape
