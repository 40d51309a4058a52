#include "widgets/mirrorsafestyle.h"

#include <QPainter>

MirrorSafeStyle::MirrorSafeStyle() : QProxyStyle()
{ }

void MirrorSafeStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                                   bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    // The widgets and the styles make their alignments visual (QStyle::visualAlignment
    // marks them absolute); the push button label's right alignment is visual too.
    if (painter->layoutDirection() == Qt::RightToLeft && (flags & Qt::AlignHorizontal_Mask) == Qt::AlignRight)
        flags |= Qt::AlignAbsolute;
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}
