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
