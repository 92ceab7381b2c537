#include "tools/cli/StandardOutput.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>

namespace {

// The system's error of the first write that failed; 0 while all went well.
int firstFailure = 0;

void keepFailure() {
    if (firstFailure == 0)
        firstFailure = errno != 0 ? errno : EIO;
}

} // namespace

namespace StandardOutput {

bool write(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return firstFailure == 0;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())) {
        keepFailure();
        return false;
    }
    return firstFailure == 0;
}

bool print(const QString& text) {
    return write(text.toUtf8());
}

int finish(int status) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        keepFailure();
    if (firstFailure == 0)
        return status;
    std::fprintf(
        stderr, "%s\n",
        qUtf8Printable(QCoreApplication::translate("cli", "The output cannot be written: %1.")
                           .arg(qt_error_string(firstFailure))));
    return status == 0 ? 1 : status;
}

} // namespace StandardOutput
