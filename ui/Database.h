#pragma once

#include "ui/RecordSet.h"

#include <QByteArrayView>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// The current row of a query that Database::forEachRow is reading: its fields by position,
// straight from the engine. Valid only during the call that is given it.
class RowReader {
public:
    explicit RowReader(sqlite3_stmt* statement) : m_statement(statement) {}

    int columnCount() const;
    QString columnName(int column) const;
    // The field as a snapshot holds it (a number, a text, or null).
    QVariant value(int column) const;
    // The field as RecordSet::text reads it: a null field is the empty text.
    QString text(int column) const;
    // A text field's UTF-8 bytes without a copy, good until the next row. (For a field that is
    // not text, the engine turns it into text first: read its value before, if it is needed.)
    QByteArrayView utf8(int column) const;
    bool isText(int column) const;
    // A text field's UTF-8 bytes, as utf8 gives them; nothing for a number, a blob or null.
    std::optional<QByteArrayView> textUtf8(int column) const;
    qint64 integer(int column) const;

private:
    sqlite3_stmt* m_statement;
};

// One open, password-protected SQLCipher database file. Opening checks the key with a first
// read, so a wrong password fails here and not at the first query. Closed when destroyed.
class Database {
public:
    // How long a statement waits for another writer before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens an existing file. connectText is the ";pwd=..." form; the path is shown to the user
    // in every failure. Throws TwError.
    Database(const QString& path, const QString& connectText);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new, empty encrypted file (an existing file of that name is an error).
    static Database create(const QString& path, const QString& connectText);

    // The password in a connect text such as ";pwd=kobold3" (empty when none is given).
    static QString passwordFrom(const QString& connectText);

    // Runs one statement with its values bound, in order, to its "?" parameters and returns its
    // rows as a read-only snapshot.
    RecordSet snapshot(const QString& sql, const QVariantList& parameters = {}) const;
    // Runs one statement with bound values and hands each row to visit as it is read, without
    // holding the rows: for reads that keep only part of what they read.
    void forEachRow(const QString& sql, const QVariantList& parameters,
                    const std::function<void(const RowReader&)>& visit) const;
    // Runs one statement with bound values; returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& parameters = {});
    // Runs a script of several statements without parameters (the schema).
    void executeScript(const QString& sql);

    const QString& path() const { return m_path; }
    // True between BEGIN and COMMIT or ROLLBACK.
    bool inTransaction() const;

private:
    struct Created {};
    Database(const QString& path, const QString& connectText, Created);
    enum class NewFile { No, Yes };
    // Opens the file with the SQLite flags and checks the key; failure has %1 for the path and
    // %2 for the engine's words. salt is the file's first bytes, where it has them, or the salt
    // a new file is to be given.
    void openAndKey(int flags, const QString& failure, const QString& connectText,
                    const QByteArray& salt, NewFile newFile = NewFile::No);
    // Keys the open connection and checks the key with a first read; on failure closes it and
    // throws the message for the engine's answer.
    void keyAndCheck(const QByteArray& key);
    // The same, returning the engine's answer and leaving the connection open.
    int tryKey(const QByteArray& key);
    [[noreturn]] void failToOpen(int rc) const;
    // What failed: a query reads, a change writes (a file that cannot be written is named so).
    enum class Step { Query, Change };
    [[noreturn]] void fail(int rc, Step step) const;
    // Prepares and binds a query, gives it to prepared before the first row (its columns are
    // known then, even when it has no rows), then each row to visit.
    void readRows(const QString& sql, const QVariantList& parameters,
                  const std::function<void(const RowReader&)>& prepared,
                  const std::function<void(const RowReader&)>& visit) const;

    QString m_path;
    sqlite3* m_db = nullptr;
};
