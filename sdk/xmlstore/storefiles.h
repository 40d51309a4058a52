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

// A batch collects the writes to one file in memory: from beginBatch to
// commitBatch, the calls on path read and change a document in memory, and
// commitBatch writes the file once, whole. A kill or a full disk before that
// leaves the file as it was. beginBatch returns false, and starts nothing, when
// path is batched already (the outer batch writes it). discardBatch forgets the
// collected changes. Batches are meant for one call chain of the GUI thread.
bool beginBatch(const QByteArray &path);
bool commitBatch(const QByteArray &path);
void discardBatch(const QByteArray &path);

// Called with the file's path after its new content was written to the
// temporary file and before that replaces the file; tests place faults there
// (a kill, a count of the writes). An empty hook removes it.
void setWriteHook(std::function<void(const QByteArray &path)> hook);

// Forgets every parsed copy and failed write (for tests and benchmarks that
// measure a first read).
void clearStoreCache();

}  // namespace xmlstore
