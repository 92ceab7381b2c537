#pragma once

#include <QByteArray>
#include <QString>

namespace FileHash {

// The SHA-256 of the file's bytes in lower-case hex, or empty when the file cannot be read.
// OpenSSL's, which uses the processor's SHA instructions where it has them: a start hashes the
// installed catalogue to learn whether it changed, and Qt's own SHA-256 took eight times as long.
QByteArray sha256Hex(const QString& path);

} // namespace FileHash
