#pragma once

class QWidget;

// Return and Escape in a dialog's fields (line edits, spin boxes, sliders, drop-down
// lists) act on the field alone and never reach the dialog, whose default button or
// reject() would close it: Return confirms the field (a line edit has said so with
// returnPressed and editingFinished; a slider moved by keys reports the end of a drag,
// when its owner takes the value), Escape takes back what was typed or chosen since
// the field got the focus. Elsewhere in the dialog both keys keep
// their meaning. A field may handle the keys itself first (a name field that saves or
// cancels a rename).
namespace FieldKeys {

void keepInFields(QWidget *dialog);

}  // namespace FieldKeys
