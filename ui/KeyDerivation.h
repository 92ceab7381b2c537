#pragma once

#include <QByteArray>
#include <QByteArrayView>

// PBKDF2 with HMAC-SHA-1 (RFC 8018): how SQLCipher turns a database password and the file's
// salt into the file's key. The engine's own derivation (OpenSSL's PKCS5_PBKDF2_HMAC) copies a
// hashing context through OpenSSL's provider layer on each of its 128,000 rounds, which was
// most of the program's start; starting each round from the two HMAC states computed once
// takes less than half the time and gives the same key, which the database then receives as a
// raw key; and the key's two blocks of rounds run on two cores at once. The password, the round
// count and the file stay as they are. The files the program makes need no derivation at all
// (programSalt, knownKey).
namespace KeyDerivation {

// SQLCipher's parameters for the files Tomewright writes.
constexpr int kSqlCipherRounds = 64000;
constexpr int kSqlCipherKeyBytes = 32;
constexpr int kSqlCipherSaltBytes = 16;

// length bytes of key (each 20 bytes is one block of rounds).
QByteArray pbkdf2HmacSha1(QByteArrayView password, QByteArrayView salt, int rounds, int length);

// The salt of every database this program creates. A salt keeps one password from giving many
// files one key; but every Tomewright file is keyed with the one password the program itself
// holds, so a salt of its own per file protects nothing, while one salt for all of them lets the
// key of the program's password be derived once, ahead, and written down (knownKey) instead of
// being derived again for 64,000 rounds at every start.
QByteArray programSalt();

// The key password derives with salt when it was derived ahead and written down here (the
// program's own password with programSalt()), else empty. The password is matched by its
// SHA-256, so the table names none.
QByteArray knownKey(QByteArrayView password, QByteArrayView salt);

// Overwrites a secret before its memory is given back.
void wipe(QByteArray& secret);

} // namespace KeyDerivation
