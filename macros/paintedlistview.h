#pragma once

class QListView;
class QString;

namespace PaintedListView {

// Sets a list view up as the macro editor's painted lists want it: one delegate paints
// each row at a fixed height, the view selects, edits and scrolls nothing of its own
// (the page does), scrolls by pixels half a row at a time, and shows the panel behind it.
void setUp(QListView *view, const QString &objectName, int rowHeight);

}  // namespace PaintedListView
