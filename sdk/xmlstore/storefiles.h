#pragma once

#include "sdk/xmlstore/storedocument.h"

#include <QByteArray>

#include <functional>
#include <memory>

// Store files on disk and their parsed copies in memory.
namespace xmlstore {

using DocPtr = std::shared_ptr<const StoreDocument>;

enum class FileState
{
    Missing,  // no file, or the path is empty
    Empty,    // a file of 0 bytes: nothing in it to keep
    Broken,   // a file that is not a readable store
    Valid,
};

// Reads the store at path (local 8-bit encoding). The parsed copy is kept and
// reused until the file changes on disk (identity, size or times). A broken file
// is reported once per change by a debug line naming it.
FileState readStore(const QByteArray &path, DocPtr *doc = nullptr);
// The document of a valid store, nullptr otherwise.
DocPtr loadStore(const QByteArray &path);

// What a change made of the document it was given.
enum class Change
{
    Refused,
    Unchanged,
    Changed
};

// Applies change to a copy of the valid store at path and writes the result back.
// True when the change was made (or needed no write) and the file holds it.
bool updateStore(const QByteArray &path, const std::function<Change(StoreDocument &)> &change);
// Writes doc as the whole content of path through QSaveFile.
bool writeStore(const QByteArray &path, const StoreDocument &doc);

// Forgets every parsed copy (for tests and benchmarks that measure a first read).
void clearStoreCache();

}  // namespace xmlstore
