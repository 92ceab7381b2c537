#pragma once

#include <QByteArrayView>
#include <QString>

// The program's standard output, every write checked: output sent to a full disk or a closed
// file is a failure the user hears of, never an exit status of 0.
namespace StandardOutput {

// False when the system did not take all of bytes (the first failure's reason is kept).
bool write(QByteArrayView bytes);
// The text as UTF-8.
bool print(const QString& text);

// The exit status to end with: status, or 1 when a write or the final flush failed, with the
// system's reason on the error stream.
int finish(int status);

} // namespace StandardOutput
