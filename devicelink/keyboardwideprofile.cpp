#include "devicelink/keyboardwideprofile.h"

#include "sdk/tavrixxml.h"

#include <QFile>

namespace {

bool isLayerFile(const QByteArray &path, const char *name)
{
    return path.endsWith(QByteArray("/") + name);
}

// The file of the other layer in the same folder, at the profile it last made current.
KeyboardWideProfile::Ref sibling(const QByteArray &shownPath, const char *shownName, const char *otherName)
{
    const QByteArray path = shownPath.left(shownPath.size() - int(qstrlen(shownName))) + otherName;
    if (!QFile::exists(QFile::decodeName(path)))
        return {};
    const int index = CTavrixXML_GetCreateXMLFileProfileIndex(path);
    if (index <= 0)
        return {};
    return {path, QByteArray::number(index)};
}

}  // namespace

KeyboardWideProfile::Ref KeyboardWideProfile::defaultLayer(const QByteArray &shownPath, int shownIndex)
{
    if (shownPath.isEmpty())
        return {};
    if (isLayerFile(shownPath, FnLayerFile))
        return sibling(shownPath, FnLayerFile, DefaultLayerFile);
    return {shownPath, QByteArray::number(shownIndex)};
}

KeyboardWideProfile::Ref KeyboardWideProfile::fnLayer(const QByteArray &shownPath, int shownIndex)
{
    if (isLayerFile(shownPath, FnLayerFile))
        return {shownPath, QByteArray::number(shownIndex)};
    if (isLayerFile(shownPath, DefaultLayerFile))
        return sibling(shownPath, DefaultLayerFile, FnLayerFile);
    return {};
}
