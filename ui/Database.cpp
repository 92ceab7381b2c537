#include "ui/Database.h"

#include "ui/KeyDerivation.h"
#include "ui/SpeedLayers.h"
#include "ui/TwError.h"
#include "ui/VectorState.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace {

const char* kSource = "Database";

// The program uses each connection from one thread at a time, so SQLite's locks on each
// connection (taken many times per row read) are switched off once, before the library's first
// use; its locks on what connections share stay, for a reader on another thread.
void configureSqliteOnce() {
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return sqlite3_initialize() == SQLITE_OK;
    }();
    (void)configured;
}

QString nativePath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// Releases a prepared statement however the caller leaves.
class PreparedStatement {
public:
    PreparedStatement(sqlite3* db, const QString& sql) {
        const QByteArray utf8 = sql.toUtf8();
        m_rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    }
    ~PreparedStatement() { sqlite3_finalize(m_stmt); }
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    int prepareResult() const { return m_rc; }
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_rc = SQLITE_OK;
};

int bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant columnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)));
    }
    }
}

} // namespace

int RowReader::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString RowReader::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QVariant RowReader::value(int column) const {
    return columnValue(m_statement, column);
}

// A catalogue is read a field at a time, over a million of them at 100,000 spells: each is taken
// as the engine's value once and asked for its type and bytes, three calls where the column
// functions make six (each of those finds the column again and checks for a failed allocation).
// A value taken from a column is safe to read so because the library runs without its
// connection locks (configureSqliteOnce): the engine's documentation says protected and
// unprotected values are then the same.
namespace {
QByteArrayView bytesOf(sqlite3_value* field) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(field));
    return text ? QByteArrayView(text, sqlite3_value_bytes(field)) : QByteArrayView("");
}
} // namespace

QString RowReader::text(int column) const {
    sqlite3_value* field = sqlite3_column_value(m_statement, column);
    switch (sqlite3_value_type(field)) {
    case SQLITE_TEXT:
        return QString::fromUtf8(bytesOf(field));
    case SQLITE_NULL:
        return QString();
    default:
        return columnValue(m_statement, column).toString();
    }
}

QByteArrayView RowReader::utf8(int column) const {
    return bytesOf(sqlite3_column_value(m_statement, column));
}

bool RowReader::isText(int column) const {
    return sqlite3_value_type(sqlite3_column_value(m_statement, column)) == SQLITE_TEXT;
}

std::optional<QByteArrayView> RowReader::textUtf8(int column) const {
    sqlite3_value* field = sqlite3_column_value(m_statement, column);
    if (sqlite3_value_type(field) != SQLITE_TEXT)
        return std::nullopt;
    return bytesOf(field);
}

qint64 RowReader::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

QString Database::passwordFrom(const QString& connectText) {
    const QStringList parts = connectText.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const QString trimmed = part.trimmed();
        if (trimmed.startsWith(QLatin1String("pwd="), Qt::CaseInsensitive))
            return trimmed.mid(4);
    }
    return QString();
}

Database::Database(const QString& path, const QString& connectText) : m_path(nativePath(path)) {
    configureSqliteOnce();
    const QFileInfo info(m_path);
    if (!info.exists())
        throw TwError(
            SQLITE_CANTOPEN, kSource,
            QCoreApplication::translate("Database", "The spell database \"%1\" is missing.")
                .arg(m_path));
    if (!info.isFile())
        throw TwError(
            SQLITE_CANTOPEN, kSource,
            QCoreApplication::translate("Database", "The spell database \"%1\" is not a file.")
                .arg(m_path));
    QFile probe(m_path);
    if (!probe.open(QIODevice::ReadOnly))
        throw TwError(
            SQLITE_PERM, kSource,
            QCoreApplication::translate("Database", "The spell database \"%1\" cannot be read: %2.")
                .arg(m_path, probe.errorString()));
    const QByteArray header = probe.read(16);
    probe.close();
    if (info.size() == 0)
        throw TwError(SQLITE_NOTADB, kSource,
                      QCoreApplication::translate("Database", "The spell database \"%1\" is empty.")
                          .arg(m_path));
    if (header.startsWith("SQLite format 3"))
        throw TwError(SQLITE_NOTADB, kSource,
                      QCoreApplication::translate(
                          "Database", "The spell database \"%1\" is not encrypted; Tomewright "
                                      "only opens its own password-protected databases.")
                          .arg(m_path));

    // READWRITE falls back to a read-only connection when the file cannot be written, so a
    // read-only catalogue can still be browsed.
    openAndKey(
        SQLITE_OPEN_READWRITE,
        QCoreApplication::translate("Database", "The spell database \"%1\" cannot be opened: %2."),
        connectText, header);
}

Database::Database(const QString& path, const QString& connectText, Created)
    : m_path(nativePath(path)) {
    configureSqliteOnce();
    if (QFileInfo::exists(m_path))
        throw TwError(
            SQLITE_CANTOPEN, kSource,
            QCoreApplication::translate("Database", "The file \"%1\" already exists.").arg(m_path));
    // A new file is given the program's salt with its key (the engine would choose one at
    // random).
    openAndKey(
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
        QCoreApplication::translate("Database", "The database \"%1\" cannot be created: %2."),
        connectText, KeyDerivation::programSalt(), NewFile::Yes);
}

Database Database::create(const QString& path, const QString& connectText) {
    return Database(path, connectText, Created{});
}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

void Database::openAndKey(int flags, const QString& failure, const QString& connectText,
                          const QByteArray& salt, NewFile newFile) {
    const auto open = [&] {
        const int rc = sqlite3_open_v2(m_path.toUtf8().constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK) {
            const QString message = QString::fromUtf8(sqlite3_errstr(rc));
            sqlite3_close(m_db);
            m_db = nullptr;
            throw TwError(rc, kSource, failure.arg(m_path, message));
        }
    };
    open();
    const QByteArray password = passwordFrom(connectText).toUtf8();
    if (password.isEmpty() || salt.size() != KeyDerivation::kSqlCipherSaltBytes ||
        !SpeedLayers::ownKeyDerivation) {
        // No password means a plain file (only ever created so that it can be refused).
        keyAndCheck(password);
        return;
    }
    // The key the engine would derive from the password and the file's salt: written down ahead
    // for the program's own, else derived here in less time, and given to the engine as its raw
    // form x'...' (a new file takes the salt with it: x'key salt').
    QByteArray key = SpeedLayers::knownKey ? KeyDerivation::knownKey(password, salt) : QByteArray();
    if (key.isEmpty())
        key = KeyDerivation::pbkdf2HmacSha1(password, salt, KeyDerivation::kSqlCipherRounds,
                                            KeyDerivation::kSqlCipherKeyBytes);
    QByteArray rawKey = "x'" + key.toHex() + (newFile == NewFile::Yes ? salt.toHex() : "") + "'";
    KeyDerivation::wipe(key);
    const int rc = tryKey(rawKey);
    KeyDerivation::wipe(rawKey);
    if (rc == SQLITE_OK)
        return;
    // A wrong password, or a file keyed by an engine whose rounds are not ours (another version
    // of it): the engine derives the key from the password itself and judges.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    if ((rc & 0xff) != SQLITE_NOTADB)
        failToOpen(rc);
    open();
    keyAndCheck(password);
}

void Database::keyAndCheck(const QByteArray& key) {
    const int rc = tryKey(key);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        failToOpen(rc);
    }
}

int Database::tryKey(const QByteArray& key) {
    VectorState::clearUpperHalves();
    int rc = key.isEmpty() ? SQLITE_OK : sqlite3_key(m_db, key.constData(), int(key.size()));
    if (rc == SQLITE_OK)
        rc = sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // Every page read from the file is decrypted: keep up to 64 MiB of them decrypted in memory
    // (taken only as the file is read), so a book's level queries do not decrypt a page twice.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(m_db, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    return rc;
}

void Database::failToOpen(int rc) const {
    const int code = rc & 0xff;
    QString description;
    if (code == SQLITE_NOTADB)
        description = QCoreApplication::translate(
                          "Database", "The spell database \"%1\" cannot be opened: the password "
                                      "is wrong or the file is not a Tomewright database.")
                          .arg(m_path);
    else if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        description = QCoreApplication::translate(
                          "Database", "The spell database \"%1\" is locked by another program; "
                                      "try again when it has finished.")
                          .arg(m_path);
    else
        description = QCoreApplication::translate("Database",
                                                  "The spell database \"%1\" cannot be opened: %2.")
                          .arg(m_path, QString::fromUtf8(sqlite3_errstr(rc)));
    throw TwError(rc, kSource, description);
}

void Database::fail(int rc, Step step) const {
    const int code = rc & 0xff;
    const QString what = step == Step::Change
                             ? QCoreApplication::translate("Database", "A change failed")
                             : QCoreApplication::translate("Database", "A query failed");
    QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        message = QCoreApplication::translate(
                      "Database", "the spell database \"%1\" is locked by another program; try "
                                  "again when it has finished")
                      .arg(m_path);
    else if (code == SQLITE_READONLY || (code == SQLITE_CANTOPEN && step == Step::Change))
        message = QCoreApplication::translate(
                      "Database", "the spell database \"%1\" cannot be written (the file or its "
                                  "folder is read-only)")
                      .arg(m_path);
    else if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        message =
            QCoreApplication::translate("Database", "the spell database \"%1\" is damaged (%2)")
                .arg(m_path, message);
    throw TwError(rc, kSource, QStringLiteral("%1: %2.").arg(what, message));
}

void Database::forEachRow(const QString& sql, const QVariantList& parameters,
                          const std::function<void(const RowReader&)>& visit) const {
    readRows(sql, parameters, nullptr, visit);
}

void Database::readRows(const QString& sql, const QVariantList& parameters,
                        const std::function<void(const RowReader&)>& prepared,
                        const std::function<void(const RowReader&)>& visit) const {
    PreparedStatement stmt(m_db, sql);
    if (stmt.prepareResult() != SQLITE_OK)
        fail(stmt.prepareResult(), Step::Query);
    for (int i = 0; i < parameters.size(); ++i) {
        const int rc = bindValue(stmt.get(), i + 1, parameters[i]);
        if (rc != SQLITE_OK)
            fail(rc, Step::Query);
    }
    const RowReader row(stmt.get());
    if (prepared)
        prepared(row);
    for (;;) {
        VectorState::clearUpperHalves();
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(rc, Step::Query);
        visit(row);
    }
}

RecordSet Database::snapshot(const QString& sql, const QVariantList& parameters) const {
    QStringList columns;
    QList<RecordSet::Row> rows;
    const auto readColumns = [&](const RowReader& reader) {
        for (int c = 0; c < reader.columnCount(); ++c)
            columns << reader.columnName(c);
    };
    readRows(sql, parameters, readColumns, [&](const RowReader& reader) {
        const auto columnCount = int(columns.size());
        RecordSet::Row row(columnCount);
        for (int c = 0; c < columnCount; ++c) {
            // Joined rows repeat most fields of the row above: share that row's text instead
            // of converting and allocating it again.
            if (!rows.isEmpty() && reader.isText(c)) {
                const QVariant& above = rows.last().at(c);
                if (above.typeId() == QMetaType::QString &&
                    QAnyStringView::equal(QUtf8StringView(reader.utf8(c)),
                                          *static_cast<const QString*>(above.constData()))) {
                    row[c] = above;
                    continue;
                }
            }
            row[c] = reader.value(c);
        }
        rows.append(std::move(row));
    });
    return RecordSet(std::move(columns), std::move(rows));
}

int Database::execute(const QString& sql, const QVariantList& parameters) {
    PreparedStatement stmt(m_db, sql);
    if (stmt.prepareResult() != SQLITE_OK)
        fail(stmt.prepareResult(), Step::Change);
    for (int i = 0; i < parameters.size(); ++i) {
        const int rc = bindValue(stmt.get(), i + 1, parameters[i]);
        if (rc != SQLITE_OK)
            fail(rc, Step::Change);
    }
    int rc;
    do
        VectorState::clearUpperHalves();
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW);
    if (rc != SQLITE_DONE)
        fail(rc, Step::Change);
    return sqlite3_changes(m_db);
}

bool Database::inTransaction() const {
    return sqlite3_get_autocommit(m_db) == 0;
}

void Database::executeScript(const QString& sql) {
    VectorState::clearUpperHalves();
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw TwError(rc, kSource,
                      QCoreApplication::translate("Database", "A script failed: %1.").arg(message));
    }
}
