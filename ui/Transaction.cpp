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
