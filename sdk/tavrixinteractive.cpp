#include "sdk/tavrixinteractive.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

// Presses arrive on the GUI thread; the computation may read them from its tick thread.
QMutex g_lock;
QList<QPoint> g_points;
// A computation that stops reading must not make the queue grow without end.
constexpr int kMaxQueued = 256;

}  // namespace

int CTavrixHid_keyClickedSendXY(int keyRow, int keyColumn)
{
    if (keyRow < 0 || keyRow > 5 || keyColumn < 0 || keyColumn > 21)
        return 0;
    QMutexLocker lock(&g_lock);
    if (g_points.size() >= kMaxQueued)
        g_points.removeFirst();
    g_points.append(QPoint(keyRow, keyColumn));
    return 1;
}

QList<QPoint> CTavrixHid_takeClickedKeyPoints()
{
    QMutexLocker lock(&g_lock);
    QList<QPoint> points;
    points.swap(g_points);
    return points;
}
