#pragma once

#include <QByteArray>

// A keyboard's profiles live in two layer files (Default and FN), each with its own current
// profile. What belongs to the keyboard as a whole rather than to one layer (the Win-lock
// choices, the sleep times) is kept in the Default layer's current profile, and a key's host
// function is looked up in the Default layer and then the FN layer, whichever layer the user
// happens to be looking at.
namespace KeyboardWideProfile {

constexpr const char *DefaultLayerFile = "appProfile_Default.xml";
constexpr const char *FnLayerFile = "appProfile_FN.xml";

struct Ref
{
    QByteArray path;
    QByteArray index;  // decimal text
    bool isValid() const { return !path.isEmpty() && !index.isEmpty(); }
};

// The Default layer at its current profile, found from the layer file shown and its
// profile index. A file that is not the FN layer file stands for the Default layer itself.
Ref defaultLayer(const QByteArray &shownPath, int shownIndex);
// The FN layer at its current profile; invalid when there is none beside the file shown.
Ref fnLayer(const QByteArray &shownPath, int shownIndex);

}  // namespace KeyboardWideProfile
