#pragma once

#include <QByteArray>
#include <QString>
#include <sqlcipher/sqlite3.h>

// Sets the key-derivation rounds with which the engine keys files in this process from now on,
// as an engine of another version would key them. False when the engine refused.
inline bool setEngineRounds(int rounds) {
    sqlite3* db = nullptr;
    bool done = sqlite3_open(":memory:", &db) == SQLITE_OK;
    const QByteArray pragma =
        QStringLiteral("PRAGMA cipher_default_kdf_iter = %1").arg(rounds).toUtf8();
    done = done && sqlite3_exec(db, pragma.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}
