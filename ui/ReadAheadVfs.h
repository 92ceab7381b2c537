#pragma once

// The engine's file layer for the spell database: the operating system's own, except that the
// main database file is read a block of many pages at a time, and the blocks are kept while
// the connection holds its lock on the file. The engine reads one 1 KiB page per call into the
// kernel, and such a call costs as much as decrypting the page: a first book reads about a
// thousand pages. Whenever the lock changes (for a file with a write-ahead log: the lock in its
// shared memory, taken at every transaction), and whenever this connection writes, what was
// read is forgotten, so the file is never seen other than the engine's locks allow.
namespace ReadAheadVfs {

// Registers the layer once (not as the default) and returns its name for sqlite3_open_v2.
const char* name();

} // namespace ReadAheadVfs
