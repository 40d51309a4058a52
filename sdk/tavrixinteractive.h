#pragma once

#include <QList>
#include <QPoint>

// Key presses handed to the light computation for the key-reactive effects: the
// grid place (row 0..5, column 0..21) of each key pressed while such an effect
// runs, kept until the computation takes them.

// Queues one press; returns 1, or 0 for a place outside the grid (dropped).
int CTavrixHid_keyClickedSendXY(int keyRow, int keyColumn);
// The presses queued since the last call, oldest first (x = row, y = column).
QList<QPoint> CTavrixHid_takeClickedKeyPoints();
