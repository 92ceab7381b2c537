#include "ui/ReadAheadVfs.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <sqlcipher/sqlite3.h>
#include <unordered_map>
#include <vector>

namespace {

const char* kName = "tomewright-readahead";
// Blocks of 32 pages of 1 KiB, kept while the lock on the file is held, up to 16 MiB: a book
// reads each block of the file once instead of each page, and pages of different tables lie
// side by side in the file.
constexpr int kBlock = 32 * 1024;
constexpr std::size_t kMostBlocks = 512;
// Smaller reads are the engine's looks at the file header, not pages: they go straight through.
constexpr int kSmallestPage = 512;

// Buffers of blocks forgotten, kept for the next blocks (to 8 MiB): memory the process has
// touched once costs nothing to use again, and fresh memory costs more than reading into it.
// Shared by the connections of all threads.
class BlockBuffers {
public:
    std::unique_ptr<char[]> take() {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_free.empty()) {
                std::unique_ptr<char[]> buffer = std::move(m_free.back());
                m_free.pop_back();
                return buffer;
            }
        }
        return std::unique_ptr<char[]>(new (std::nothrow) char[kBlock]);
    }
    void give(std::unique_ptr<char[]> buffer) noexcept {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (buffer && m_free.size() < kKept) {
            try {
                m_free.push_back(std::move(buffer));
            } catch (...) {
                // not kept: freed with the buffer
            }
        }
    }

private:
    static constexpr std::size_t kKept = 256;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<char[]>> m_free;
};

BlockBuffers& blockBuffers() {
    static BlockBuffers buffers;
    return buffers;
}

struct Block {
    std::unique_ptr<char[]> bytes;
    int size = 0; // bytes that hold the file (the last block of the file is short)

    Block() = default;
    Block(Block&&) noexcept = default;
    Block& operator=(Block&&) noexcept = default;
    ~Block() { blockBuffers().give(std::move(bytes)); }
};

// What was read ahead of one file while its lock was held.
struct ReadAhead {
    std::unordered_map<sqlite3_int64, Block> blocks; // by block number
    sqlite3_int64 fileSize = -1;                     // -1: not known
};

// A file of the layer: the operating system's file right after it in the same allocation.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
    ReadAhead* readAhead; // the main database file only
};

sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_vfs;
sqlite3_io_methods g_methods;

File* cast(sqlite3_file* file) {
    return reinterpret_cast<File*>(file);
}

void forget(File* f) {
    if (f->readAhead) {
        f->readAhead->blocks.clear();
        f->readAhead->fileSize = -1;
    }
}

int fileClose(sqlite3_file* file) {
    File* f = cast(file);
    const int rc = f->real->pMethods ? f->real->pMethods->xClose(f->real) : SQLITE_OK;
    delete f->readAhead;
    f->readAhead = nullptr;
    return rc;
}

// The block that holds [offset, offset + amount), read now if it was not; nullptr when the
// request is not a page inside one block of the file (the operating system's layer then does
// the read as it would without this one).
const Block* blockFor(File* f, int amount, sqlite3_int64 offset) {
    ReadAhead& ahead = *f->readAhead;
    const sqlite3_int64 number = offset / kBlock;
    const sqlite3_int64 start = number * kBlock;
    if (amount < kSmallestPage || offset + amount > start + kBlock)
        return nullptr;
    if (const auto kept = ahead.blocks.find(number); kept != ahead.blocks.end())
        return offset + amount <= start + kept->second.size ? &kept->second : nullptr;
    sqlite3_file* real = f->real;
    if (ahead.fileSize < 0 && real->pMethods->xFileSize(real, &ahead.fileSize) != SQLITE_OK) {
        ahead.fileSize = -1;
        return nullptr;
    }
    const auto size = int(std::min<sqlite3_int64>(kBlock, ahead.fileSize - start));
    if (offset + amount > start + size)
        return nullptr;
    Block block;
    block.bytes = blockBuffers().take();
    if (!block.bytes || real->pMethods->xRead(real, block.bytes.get(), size, start) != SQLITE_OK)
        return nullptr;
    block.size = size;
    if (ahead.blocks.size() >= kMostBlocks)
        ahead.blocks.clear();
    try {
        return &(ahead.blocks[number] = std::move(block));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

int fileRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    File* f = cast(file);
    if (f->readAhead) {
        if (const Block* block = blockFor(f, amount, offset)) {
            std::memcpy(buffer, block->bytes.get() + (offset % kBlock), size_t(amount));
            return SQLITE_OK;
        }
    }
    return f->real->pMethods->xRead(f->real, buffer, amount, offset);
}

int fileWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    File* f = cast(file);
    forget(f);
    return f->real->pMethods->xWrite(f->real, buffer, amount, offset);
}

int fileTruncate(sqlite3_file* file, sqlite3_int64 size) {
    File* f = cast(file);
    forget(f);
    return f->real->pMethods->xTruncate(f->real, size);
}

int fileSync(sqlite3_file* file, int flags) {
    File* f = cast(file);
    return f->real->pMethods->xSync(f->real, flags);
}

int fileSize(sqlite3_file* file, sqlite3_int64* size) {
    File* f = cast(file);
    return f->real->pMethods->xFileSize(f->real, size);
}

// Another program may change the file whenever this connection holds no lock on it, so what
// was read ahead is good only until the lock changes (or, with a write-ahead log, until the
// lock in the shared memory changes: fileShmLock).
int fileLock(sqlite3_file* file, int level) {
    File* f = cast(file);
    forget(f);
    return f->real->pMethods->xLock(f->real, level);
}

int fileUnlock(sqlite3_file* file, int level) {
    File* f = cast(file);
    forget(f);
    return f->real->pMethods->xUnlock(f->real, level);
}

int fileCheckReservedLock(sqlite3_file* file, int* reserved) {
    File* f = cast(file);
    return f->real->pMethods->xCheckReservedLock(f->real, reserved);
}

int fileControl(sqlite3_file* file, int op, void* argument) {
    File* f = cast(file);
    return f->real->pMethods->xFileControl(f->real, op, argument);
}

int fileSectorSize(sqlite3_file* file) {
    File* f = cast(file);
    return f->real->pMethods->xSectorSize(f->real);
}

int fileDeviceCharacteristics(sqlite3_file* file) {
    File* f = cast(file);
    return f->real->pMethods->xDeviceCharacteristics(f->real);
}

int fileShmMap(sqlite3_file* file, int page, int pageSize, int extend, void volatile** memory) {
    File* f = cast(file);
    if (f->real->pMethods->iVersion < 2 || !f->real->pMethods->xShmMap)
        return SQLITE_IOERR_SHMMAP;
    return f->real->pMethods->xShmMap(f->real, page, pageSize, extend, memory);
}

// With a write-ahead log the connection keeps its lock on the file for its whole life, and
// another program's checkpoint writes the file meanwhile; a read or write transaction begins
// and ends with a lock in the shared memory instead, so that is when what was read is forgotten.
int fileShmLock(sqlite3_file* file, int offset, int n, int flags) {
    File* f = cast(file);
    forget(f);
    if (f->real->pMethods->iVersion < 2 || !f->real->pMethods->xShmLock)
        return SQLITE_IOERR_SHMLOCK;
    return f->real->pMethods->xShmLock(f->real, offset, n, flags);
}

void fileShmBarrier(sqlite3_file* file) {
    File* f = cast(file);
    if (f->real->pMethods->iVersion >= 2 && f->real->pMethods->xShmBarrier)
        f->real->pMethods->xShmBarrier(f->real);
}

int fileShmUnmap(sqlite3_file* file, int deleteFlag) {
    File* f = cast(file);
    if (f->real->pMethods->iVersion < 2 || !f->real->pMethods->xShmUnmap)
        return SQLITE_OK;
    return f->real->pMethods->xShmUnmap(f->real, deleteFlag);
}

int vfsOpen(sqlite3_vfs*, const char* path, sqlite3_file* file, int flags, int* outFlags) {
    File* f = cast(file);
    f->real = reinterpret_cast<sqlite3_file*>(f + 1);
    f->real->pMethods = nullptr;
    // Without the memory for it, the file is read as the operating system's layer reads it.
    f->readAhead = (flags & SQLITE_OPEN_MAIN_DB) != 0 ? new (std::nothrow) ReadAhead : nullptr;
    const int rc = g_real->xOpen(g_real, path, f->real, flags, outFlags);
    // The engine calls xClose only when the methods are set.
    f->base.pMethods = f->real->pMethods ? &g_methods : nullptr;
    if (!f->base.pMethods) {
        delete f->readAhead;
        f->readAhead = nullptr;
    }
    return rc;
}

int vfsDelete(sqlite3_vfs*, const char* path, int syncDir) {
    return g_real->xDelete(g_real, path, syncDir);
}

int vfsAccess(sqlite3_vfs*, const char* path, int flags, int* result) {
    return g_real->xAccess(g_real, path, flags, result);
}

int vfsFullPathname(sqlite3_vfs*, const char* path, int size, char* out) {
    return g_real->xFullPathname(g_real, path, size, out);
}

void* vfsDlOpen(sqlite3_vfs*, const char* path) {
    return g_real->xDlOpen(g_real, path);
}

void vfsDlError(sqlite3_vfs*, int size, char* message) {
    g_real->xDlError(g_real, size, message);
}

void (*vfsDlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
    return g_real->xDlSym(g_real, library, symbol);
}

void vfsDlClose(sqlite3_vfs*, void* library) {
    g_real->xDlClose(g_real, library);
}

int vfsRandomness(sqlite3_vfs*, int size, char* out) {
    return g_real->xRandomness(g_real, size, out);
}

int vfsSleep(sqlite3_vfs*, int microseconds) {
    return g_real->xSleep(g_real, microseconds);
}

int vfsCurrentTime(sqlite3_vfs*, double* now) {
    return g_real->xCurrentTime(g_real, now);
}

int vfsGetLastError(sqlite3_vfs*, int size, char* message) {
    return g_real->xGetLastError ? g_real->xGetLastError(g_real, size, message) : 0;
}

int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
    if (g_real->iVersion >= 2 && g_real->xCurrentTimeInt64)
        return g_real->xCurrentTimeInt64(g_real, now);
    double days = 0;
    const int rc = g_real->xCurrentTime(g_real, &days);
    *now = sqlite3_int64(days * 86400000.0);
    return rc;
}

bool registerOnce() {
    g_real = sqlite3_vfs_find(nullptr);
    if (!g_real)
        return false;
    g_methods = sqlite3_io_methods{};
    g_methods.iVersion = 2; // no memory mapping: the engine never maps an encrypted file
    g_methods.xClose = fileClose;
    g_methods.xRead = fileRead;
    g_methods.xWrite = fileWrite;
    g_methods.xTruncate = fileTruncate;
    g_methods.xSync = fileSync;
    g_methods.xFileSize = fileSize;
    g_methods.xLock = fileLock;
    g_methods.xUnlock = fileUnlock;
    g_methods.xCheckReservedLock = fileCheckReservedLock;
    g_methods.xFileControl = fileControl;
    g_methods.xSectorSize = fileSectorSize;
    g_methods.xDeviceCharacteristics = fileDeviceCharacteristics;
    g_methods.xShmMap = fileShmMap;
    g_methods.xShmLock = fileShmLock;
    g_methods.xShmBarrier = fileShmBarrier;
    g_methods.xShmUnmap = fileShmUnmap;

    g_vfs = sqlite3_vfs{};
    g_vfs.iVersion = 2;
    g_vfs.szOsFile = int(sizeof(File)) + g_real->szOsFile;
    g_vfs.mxPathname = g_real->mxPathname;
    g_vfs.zName = kName;
    g_vfs.xOpen = vfsOpen;
    g_vfs.xDelete = vfsDelete;
    g_vfs.xAccess = vfsAccess;
    g_vfs.xFullPathname = vfsFullPathname;
    g_vfs.xDlOpen = vfsDlOpen;
    g_vfs.xDlError = vfsDlError;
    g_vfs.xDlSym = vfsDlSym;
    g_vfs.xDlClose = vfsDlClose;
    g_vfs.xRandomness = vfsRandomness;
    g_vfs.xSleep = vfsSleep;
    g_vfs.xCurrentTime = vfsCurrentTime;
    g_vfs.xGetLastError = vfsGetLastError;
    g_vfs.xCurrentTimeInt64 = vfsCurrentTimeInt64;
    return sqlite3_vfs_register(&g_vfs, 0) == SQLITE_OK;
}

} // namespace

namespace ReadAheadVfs {

const char* name() {
    static const bool registered = registerOnce();
    return registered ? kName : nullptr;
}

} // namespace ReadAheadVfs
