#pragma once

#include <QByteArray>
#include <QString>

// Why the last store call failed, so that callers can tell the user more than
// "failed". Each call that touches a store file on disk starts with a clean
// record; a call that fails for a reason of its own (an index that is taken, a
// profile that does not exist) leaves it at None.
enum class CTavrixXMLFailureKind
{
    None,
    Missing,      // the file does not exist
    CannotOpen,   // the file exists but cannot be read (permissions, a folder, ...)
    CannotWrite,  // the file or its folder cannot be written
    DiskFull,     // the disk (or the user's quota) has no room for the new file
    Damaged,      // the file is not a readable store; line says where it stops
    TooLarge,     // the file (line 0) or a text in it (at line) is larger than any store's
};

// What is wrong in a file that is not a readable store, for the words the user
// is told (Damaged and TooLarge).
enum class CTavrixXMLDamage
{
    Unknown,
    NotXml,          // the XML is not well-formed
    CutShort,        // the document ends before its root element does
    Declarations,    // a document type declaration, which may declare entities
    NulBytes,        // NUL bytes: binary data
    BadEncoding,     // bytes that are not UTF-8
    WrongRoot,       // another root element: no store at all
    NewerVersion,    // a store version above the program's
    UnknownElement,  // an element where none of that name belongs (also nesting)
    MissingValue,    // a required attribute is missing or its Base64 is invalid
    BadValue,        // no number, or a number out of its range
    Twice,           // an index, id or key that must be unique appears twice
    TooMany,         // more profiles or advanced keys than allowed
    LongText,        // a text over the text limit (kind TooLarge)
};

// True for the kinds of a file that is there but holds no readable store.
inline bool CTavrixXML_IsDamaged(CTavrixXMLFailureKind kind)
{
    return kind == CTavrixXMLFailureKind::Damaged || kind == CTavrixXMLFailureKind::TooLarge;
}

struct CTavrixXMLFailure
{
    CTavrixXMLFailureKind kind = CTavrixXMLFailureKind::None;
    QByteArray path;  // local 8-bit encoding, as handed to the store
    int line = 0;     // Damaged: the line at which reading stopped (0: unknown)
    QString detail;   // the system's or the reader's own words, for the debug output
    CTavrixXMLDamage damage = CTavrixXMLDamage::Unknown;  // Damaged, TooLarge: what is wrong
    int systemError = 0;  // CannotOpen, CannotWrite, DiskFull: the errno value, when known

    bool isSet() const { return kind != CTavrixXMLFailureKind::None; }
};

// The reason of the last failed store call of this thread; kind None when the
// last call did not fail on its file.
CTavrixXMLFailure CTavrixXML_LastFailure();
// A sentence for the user naming the file and the reason; empty for None.
QString CTavrixXML_FailureText(const CTavrixXMLFailure &failure);

// Moves a damaged store file aside, renamed "<name>.damaged-<yyyyMMdd-hhmmss>"
// (with "-2", "-3", ... when that name is taken), so that the caller can start a
// new one at path. False, and nothing moved, when the file is not damaged or
// cannot be renamed. *movedTo receives the new path.
bool CTavrixXML_MoveDamagedAside(const QByteArray &path, QByteArray *movedTo = nullptr);
// Removes the temporary files that a save interrupted by a crash or a kill left
// beside the store files of folder and its subfolders (the store's own temporary
// names only, never a file a user could have named).
// Returns how many were removed. Call it at start, before any store is written.
int CTavrixXML_RemoveLeftoverTempFiles(const QByteArray &folder);
