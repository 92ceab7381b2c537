#pragma once

class Database;

// A write transaction as a scope guard: everything between construction and commit() is
// stored together, and leaving the scope without commit() rolls it all back.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_database;
    bool m_open = true;
};

// A read transaction as a scope guard: every read between construction and destruction sees
// the file as it was at the first one; another program's change waits until it ends. Inside a
// transaction already open it does nothing.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& database);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& m_database;
    bool m_open = false;
};
