#pragma once

#include <QProxyStyle>

// The application's style, mending what right to left does to a push button with
// an icon and a text: Qt's style places them side by side, mirrored, and then hands
// the text a right alignment that is already the visual one but not marked so; the
// painter mirrors it a second time and the text lands at the far edge, away from its
// icon. A right alignment that comes unmarked is taken as meant. Everything else is
// the base style's.
class MirrorSafeStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MirrorSafeStyle();

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};
