#include "ui/BoundedRead.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

BoundedRead readBounded(const QString& path, qint64 limit) {
    BoundedRead result;
    // Opened without waiting, so a FIFO with no writer does not block the open; reads wait again
    // afterwards, as for any file.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        result.error = qt_error_string(errno);
        return result;
    }
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags >= 0)
        ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > limit) {
        result.tooLarge = true;
        return result;
    }
    const qint64 chunk = 1024 * 1024;
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const qint64 before = bytes.size();
        bytes.resize(before + qMin(chunk, limit + 1 - before));
        const ssize_t got =
            ::read(file.get(), bytes.data() + before, size_t(bytes.size() - before));
        if (got < 0 && errno == EINTR) {
            bytes.resize(before);
            continue;
        }
        if (got < 0) {
            result.error = qt_error_string(errno);
            return result;
        }
        bytes.resize(before + got);
        if (got == 0)
            break;
    }
    if (bytes.size() > limit) {
        result.tooLarge = true;
        return result;
    }
    result.bytes = bytes;
    return result;
}

QString sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QCoreApplication::translate("BoundedRead", "%1 MB").arg(bytes / (1024 * 1024));
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QCoreApplication::translate("BoundedRead", "%1 KB").arg(bytes / 1024);
    return QCoreApplication::translate("BoundedRead", "%n byte(s)", nullptr, int(bytes));
}
