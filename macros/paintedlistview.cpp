#include "macros/paintedlistview.h"

#include <QListView>
#include <QScrollBar>
#include <QString>

namespace PaintedListView {

void setUp(QListView *view, const QString &objectName, int rowHeight)
{
    view->setObjectName(objectName);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFocusPolicy(Qt::NoFocus);
    view->setFrameShape(QFrame::NoFrame);
    view->setMouseTracking(true);
    view->verticalScrollBar()->setSingleStep(rowHeight / 2);
    view->viewport()->setAutoFillBackground(false);
    view->setStyleSheet(QStringLiteral("QListView#%1{background: transparent; border: none;}").arg(objectName));
}

}  // namespace PaintedListView
