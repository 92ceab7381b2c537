#include "ui/Transaction.h"

#include "ui/Database.h"

Transaction::Transaction(Database& database) : m_database(database) {
    // IMMEDIATE takes the write lock now, so a busy database fails here, before any change.
    m_database.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (!m_open)
        return;
    try {
        m_database.execute(QStringLiteral("ROLLBACK"));
    } catch (...) {
        // A failed rollback leaves SQLite's own journal to undo the work at the next open.
    }
}

void Transaction::commit() {
    m_database.execute(QStringLiteral("COMMIT"));
    m_open = false;
}

ReadTransaction::ReadTransaction(Database& database) : m_database(database) {
    if (m_database.inTransaction())
        return;
    // A deferred transaction takes no lock until its first read, and then only a shared one.
    m_database.execute(QStringLiteral("BEGIN"));
    m_open = true;
}

ReadTransaction::~ReadTransaction() {
    if (!m_open)
        return;
    try {
        m_database.execute(QStringLiteral("COMMIT"));
    } catch (...) {
        // Ending a transaction that wrote nothing cannot lose anything; the lock goes with the
        // connection at the latest.
    }
}
