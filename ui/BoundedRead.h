#pragma once

#include <QByteArray>
#include <QString>

// A file a user names, read whole but never beyond a limit: a device that never ends
// (/dev/zero), a pipe whose writer never stops or a file far too large is refused after
// limit + 1 bytes instead of filling the memory. A FIFO nobody writes to reads as empty rather
// than waiting for a writer forever.
struct BoundedRead {
    QByteArray bytes;
    // Why the file could not be opened or read, in the system's words; empty when it was read.
    QString error;
    // The file holds more than the limit; bytes is then empty.
    bool tooLarge = false;

    bool ok() const { return error.isEmpty() && !tooLarge; }
};

BoundedRead readBounded(const QString& path, qint64 limit);

// A limit as a message gives it: "64 MB", "512 KB", "300 bytes".
QString sizeText(qint64 bytes);
