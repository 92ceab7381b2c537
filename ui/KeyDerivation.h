#pragma once

#include <QByteArray>
#include <QByteArrayView>

// PBKDF2 with HMAC-SHA-1 (RFC 8018): how SQLCipher turns a database password and the file's
// salt into the file's key. The engine's own derivation (OpenSSL's PKCS5_PBKDF2_HMAC) copies a
// hashing context through OpenSSL's provider layer on each of its 128,000 rounds, which is
// most of the program's start; starting each round from the two HMAC states computed once
// takes less than half the time and gives the same key, which the database then receives as a
// raw key; and the key's two blocks of rounds run on two cores at once. The password, the round
// count and the file stay as they are.
namespace KeyDerivation {

// SQLCipher's parameters for the files Tomewright writes.
constexpr int kSqlCipherRounds = 64000;
constexpr int kSqlCipherKeyBytes = 32;
constexpr int kSqlCipherSaltBytes = 16;

// length bytes of key (each 20 bytes is one block of rounds).
QByteArray pbkdf2HmacSha1(QByteArrayView password, QByteArrayView salt, int rounds, int length);

// Overwrites a secret before its memory is given back.
void wipe(QByteArray& secret);

} // namespace KeyDerivation
