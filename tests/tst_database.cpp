// The database engine: opening, keys, bound values, transactions and snapshots.
#include "tests/support/EngineRounds.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/KeyDerivation.h"
#include "ui/RecordSet.h"
#include "ui/SpeedLayers.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <openssl/evp.h>
#include <unistd.h>

namespace {
// The file key OpenSSL's own PBKDF2 derives from the password and salt, with SQLCipher's rounds.
QByteArray opensslKey(const QByteArray& password, const QByteArray& salt) {
    QByteArray key(KeyDerivation::kSqlCipherKeyBytes, '\0');
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                               reinterpret_cast<const unsigned char*>(salt.constData()),
                               int(salt.size()), KeyDerivation::kSqlCipherRounds, int(key.size()),
                               reinterpret_cast<unsigned char*>(key.data())) != 1)
        return QByteArray();
    return key;
}
} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void openFailureNamesFileAndCause_data();
    void openFailureNamesFileAndCause();
    void openFailureLeavesFileUnchanged();
    void fileIsEncrypted();
    void boundValuesNeverChangeTheQuery_data();
    void boundValuesNeverChangeTheQuery();
    void rowFieldsReadAsTheSnapshotReadsThem_data();
    void rowFieldsReadAsTheSnapshotReadsThem();
    void transactionRollsBackUnlessCommitted();
    void recordSetMovesAndFilters();
    void recordSetReportsMissingFieldAndRow();
    void connectTextPassword_data();
    void connectTextPassword();
    void keyDerivationMatchesTheStandard_data();
    void keyDerivationMatchesTheStandard();
    void knownKeyIsTheDerivedOne_data();
    void knownKeyIsTheDerivedOne();
    void derivedKeyOpensWhatTheEngineKeyed_data();
    void derivedKeyOpensWhatTheEngineKeyed();
    void fileKeyedWithOtherRoundsOpens_data();
    void fileKeyedWithOtherRoundsOpens();
    void changesOfAnotherProgramAreSeen_data();
    void changesOfAnotherProgramAreSeen();
    void writeAsAnotherProgram();
    void readTransactionInsideAWriteOne();

private:
    QString goodDatabase(FixtureDatabase& fixture) {
        return fixture.build({FixtureDatabase::spell("Candle Ward", 1, "Common", "Abjuration")});
    }
};

void TestDatabase::openFailureNamesFileAndCause_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << "missing"
                             << "is missing";
    QTest::newRow("folder") << "folder"
                            << "is not a file";
    QTest::newRow("empty") << "empty"
                           << "is empty";
    QTest::newRow("random bytes") << "random"
                                  << "password is wrong or the file is not";
    QTest::newRow("truncated") << "truncated"
                               << "password is wrong or the file is not";
    QTest::newRow("wrong password") << "wrongkey"
                                    << "password is wrong";
    QTest::newRow("plain sqlite") << "plain"
                                  << "is not encrypted";
    QTest::newRow("unreadable") << "unreadable"
                                << "cannot be read";
}

void TestDatabase::openFailureNamesFileAndCause() {
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    FixtureDatabase fixture;
    const QString good = goodDatabase(fixture);
    const QString path = fixture.folder() + "/Case.mdb";
    QString connect = ";pwd=kobold3";

    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "empty") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == "random") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes(8192, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919 + 13) % 251);
        file.write(bytes);
    } else if (kind == "truncated") {
        QFile source(good);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source.read(100));
    } else if (kind == "wrongkey") {
        QVERIFY(QFile::copy(good, path));
        connect = ";pwd=not-the-password";
    } else if (kind == "plain") {
        Database plain = Database::create(path, QString());
        plain.execute("CREATE TABLE t (x)");
    } else if (kind == "unreadable") {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(QFile::copy(good, path));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
    }

    try {
        Database database(path, connect);
        QFAIL("the database opened");
    } catch (const TwError& error) {
        QVERIFY2(error.description().contains(expected), qPrintable(error.description()));
        QVERIFY2(error.description().contains(QFileInfo(path).absoluteFilePath()),
                 qPrintable(error.description()));
    }
}

void TestDatabase::openFailureLeavesFileUnchanged() {
    FixtureDatabase fixture;
    const QString good = goodDatabase(fixture);
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY_THROWS_EXCEPTION(TwError, Database(good, ";pwd=wrong"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestDatabase::fileIsEncrypted() {
    FixtureDatabase fixture;
    QFile file(goodDatabase(fixture));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("SQLite format 3"));
    QVERIFY(!bytes.contains("Candle Ward"));
    Database database(fixture.path(), ";pwd=kobold3");
    QCOMPARE(database.snapshot("SELECT Name FROM Spells").text("Name"), QString("Candle Ward"));
}

void TestDatabase::boundValuesNeverChangeTheQuery_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "Say \"Hello\"";
    QTest::newRow("single quote") << "Ogre's Lullaby";
    QTest::newRow("sql") << "x'; DROP TABLE Spells; --";
    QTest::newRow("wildcards") << "100% _true_";
    QTest::newRow("backslash and semicolon") << "back\\slash;";
    QTest::newRow("non-latin") << "Zauberfaß 火の呪文 ✨";
}

void TestDatabase::boundValuesNeverChangeTheQuery() {
    QFETCH(QString, name);
    FixtureDatabase fixture;
    Database database(goodDatabase(fixture), ";pwd=kobold3");
    database.execute("INSERT INTO SpellbookFiltered (Caster, SpellName) VALUES (?, ?)",
                     {name, name});
    const RecordSet rows =
        database.snapshot("SELECT SpellName FROM SpellbookFiltered WHERE Caster = ?", {name});
    QCOMPARE(rows.recordCount(), 1);
    QCOMPARE(rows.text("SpellName"), name);
    QCOMPARE(database.snapshot("SELECT count(*) AS n FROM Spells").value("n").toInt(), 1);
}

void TestDatabase::rowFieldsReadAsTheSnapshotReadsThem_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isText");
    QTest::newRow("text") << QVariant("Candle Ward") << "Candle Ward" << true;
    QTest::newRow("text beyond ASCII")
        << QVariant("Zauberfaß 火の呪文") << "Zauberfaß 火の呪文" << true;
    QTest::newRow("empty text") << QVariant(QString("")) << "" << true;
    QTest::newRow("whole number") << QVariant(qlonglong(42)) << "42" << false;
    QTest::newRow("fraction") << QVariant(2.5) << "2.5" << false;
    QTest::newRow("null") << QVariant() << "" << false;
}

// A row read in place (forEachRow) gives each field as a snapshot of the same row gives it, and
// its bytes only when the field is a text.
void TestDatabase::rowFieldsReadAsTheSnapshotReadsThem() {
    QFETCH(QVariant, stored);
    QFETCH(QString, text);
    QFETCH(bool, isText);
    FixtureDatabase fixture;
    Database database(goodDatabase(fixture), ";pwd=kobold3");
    database.execute("CREATE TABLE Fields (Field)");
    database.execute("INSERT INTO Fields (Field) VALUES (?)", {stored});
    QCOMPARE(database.snapshot("SELECT Field FROM Fields").text(qsizetype(0)), text);
    int rows = 0;
    database.forEachRow("SELECT Field FROM Fields", {}, [&](const RowReader& row) {
        ++rows;
        QCOMPARE(row.text(0), text);
        QCOMPARE(row.isText(0), isText);
        const std::optional<QByteArrayView> bytes = row.textUtf8(0);
        QCOMPARE(bytes.has_value(), isText);
        if (bytes)
            QCOMPARE(QString::fromUtf8(*bytes), text);
    });
    QCOMPARE(rows, 1);
}

void TestDatabase::transactionRollsBackUnlessCommitted() {
    FixtureDatabase fixture;
    Database database(goodDatabase(fixture), ";pwd=kobold3");
    {
        Transaction transaction(database);
        database.execute("INSERT INTO CasterHold (Caster) VALUES ('Lost')");
    }
    QCOMPARE(database.snapshot("SELECT * FROM CasterHold").recordCount(), 0);
    {
        Transaction transaction(database);
        database.execute("INSERT INTO CasterHold (Caster) VALUES ('Kept')");
        transaction.commit();
    }
    QCOMPARE(database.snapshot("SELECT Caster FROM CasterHold").text("caster"), QString("Kept"));
}

void TestDatabase::recordSetMovesAndFilters() {
    RecordSet set({"Name", "Sphere"}, {{"A", "Fire"}, {"B", "Water"}, {"A", "Evocation"}});
    QCOMPARE(set.recordCount(), 3);
    set.moveLast();
    QCOMPARE(set.text("NAME"), QString("A"));
    set.moveNext();
    QVERIFY(set.eof());
    set.moveFirst();
    QCOMPARE(set.text("Sphere"), QString("Fire"));

    RecordSet a = set.whereEquals("Name", "A");
    QCOMPARE(a.recordCount(), 2);
    a.moveNext();
    QCOMPARE(a.text("Sphere"), QString("Evocation"));
    QCOMPARE(set.whereIn("Sphere", {"Water", "Air"}).recordCount(), 1);
    QVERIFY(set.whereIn("Sphere", {}).eof());
    QVERIFY(set.whereEquals("Name", "a").eof());
}

void TestDatabase::recordSetReportsMissingFieldAndRow() {
    RecordSet empty({"Name"}, {});
    QVERIFY(empty.eof());
    QVERIFY_THROWS_EXCEPTION(TwError, empty.value("Name"));
    RecordSet one({"Name"}, {{"A"}});
    QVERIFY_THROWS_EXCEPTION(TwError, one.value("Level"));
}

void TestDatabase::connectTextPassword_data() {
    QTest::addColumn<QString>("connect");
    QTest::addColumn<QString>("password");
    QTest::newRow("shipped") << ";pwd=kobold3"
                             << "kobold3";
    QTest::newRow("other parts") << "ODBC;PWD=secret;x=1"
                                 << "secret";
    QTest::newRow("none") << ";"
                          << "";
}

void TestDatabase::connectTextPassword() {
    QFETCH(QString, connect);
    QFETCH(QString, password);
    QCOMPARE(Database::passwordFrom(connect), password);
}

void TestDatabase::keyDerivationMatchesTheStandard_data() {
    // The test vectors of RFC 6070 (PBKDF2 with HMAC-SHA-1).
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("1 round") << QByteArray("password") << QByteArray("salt") << 1
                             << QByteArray::fromHex("0c60c80f961f0e71f3a9b524af6012062fe037a6");
    QTest::newRow("2 rounds") << QByteArray("password") << QByteArray("salt") << 2
                              << QByteArray::fromHex("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
    QTest::newRow("4096 rounds") << QByteArray("password") << QByteArray("salt") << 4096
                                 << QByteArray::fromHex("4b007901b765489abead49d926f721d065a429c1");
    QTest::newRow("two blocks") << QByteArray("passwordPASSWORDpassword")
                                << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096
                                << QByteArray::fromHex(
                                       "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
    QTest::newRow("zero bytes") << QByteArray("pass\0word", 9) << QByteArray("sa\0lt", 5) << 4096
                                << QByteArray::fromHex("56fa6aa75548099dcc37d7f03425e0c3");
}

void TestDatabase::keyDerivationMatchesTheStandard() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, rounds);
    QFETCH(QByteArray, key);
    QCOMPARE(KeyDerivation::pbkdf2HmacSha1(password, salt, rounds, int(key.size())).toHex(),
             key.toHex());
}

void TestDatabase::derivedKeyOpensWhatTheEngineKeyed_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("shipped") << "kobold3";
    QTest::newRow("one letter") << "k";
    QTest::newRow("longer than a hash block") << QString(100, QChar('p')) + "!";
    QTest::newRow("not ascii") << "Zoé's 🐉 key";
}

void TestDatabase::knownKeyIsTheDerivedOne_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<bool>("known");
    const QByteArray programSalt = KeyDerivation::programSalt();
    QTest::newRow("the program's password") << QByteArray("kobold3") << programSalt << true;
    QTest::newRow("another password") << QByteArray("kobold4") << programSalt << false;
    QTest::newRow("a prefix of it") << QByteArray("kobold") << programSalt << false;
    QByteArray otherSalt = programSalt;
    otherSalt[15] = char(otherSalt[15] ^ 1);
    QTest::newRow("another salt") << QByteArray("kobold3") << otherSalt << false;
}

void TestDatabase::knownKeyIsTheDerivedOne() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(bool, known);
    QCOMPARE(KeyDerivation::programSalt().size(), KeyDerivation::kSqlCipherSaltBytes);
    const QByteArray key = KeyDerivation::knownKey(password, salt);
    if (!known) {
        QVERIFY(key.isEmpty());
        return;
    }
    QCOMPARE(key.toHex(), opensslKey(password, salt).toHex());
}

void TestDatabase::derivedKeyOpensWhatTheEngineKeyed() {
    // A new file is given the program's salt and the key derived here; the engine, deriving the
    // key from the password itself (as the sqlcipher shell does), must open it, and a file the
    // engine keyed must open with the key derived here: one key, the one OpenSSL derives from
    // the file's salt.
    QFETCH(QString, password);
    QTemporaryDir folder;
    const QString path = folder.filePath("keyed.db");
    Database::create(path, ";pwd=" + password)
        .executeScript("CREATE TABLE T (V TEXT); INSERT INTO T VALUES ('inside');");
    QCOMPARE(Database(path, ";pwd=" + password).snapshot("SELECT V FROM T").text("V"),
             QString("inside"));
    QVERIFY_THROWS_EXCEPTION(TwError, Database(path, ";pwd=" + password + "x"));
    const QString enginePath = folder.filePath("engine-keyed.db");
    {
        SpeedLayers::ownKeyDerivation = false;
        const auto restore = qScopeGuard([] { SpeedLayers::ownKeyDerivation = true; });
        QCOMPARE(Database(path, ";pwd=" + password).snapshot("SELECT V FROM T").text("V"),
                 QString("inside"));
        Database::create(enginePath, ";pwd=" + password)
            .executeScript("CREATE TABLE T (V TEXT); INSERT INTO T VALUES ('engine');");
    }
    QCOMPARE(Database(enginePath, ";pwd=" + password).snapshot("SELECT V FROM T").text("V"),
             QString("engine"));
    // And the sqlcipher shell, given the password, reads the file this program made.
    QProcess shell;
    shell.start("sqlcipher", {path});
    QVERIFY2(shell.waitForStarted(), "the sqlcipher shell is missing (scripts/ensure-deps)");
    shell.write("PRAGMA key = '" + QString(password).replace("'", "''").toUtf8() +
                "';\nSELECT V FROM T;\n");
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished(30000));
    QCOMPARE(shell.readAllStandardOutput().trimmed(), QByteArray("inside"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray salt = file.read(KeyDerivation::kSqlCipherSaltBytes);
    QCOMPARE(salt.toHex(), KeyDerivation::programSalt().toHex());
    const QByteArray utf8 = password.toUtf8();
    const QByteArray expected = opensslKey(utf8, salt);
    QCOMPARE(KeyDerivation::pbkdf2HmacSha1(utf8, salt, KeyDerivation::kSqlCipherRounds,
                                           KeyDerivation::kSqlCipherKeyBytes)
                 .toHex(),
             expected.toHex());
}

void TestDatabase::fileKeyedWithOtherRoundsOpens_data() {
    QTest::addColumn<int>("rounds");
    QTest::newRow("fewer rounds") << 4000;
    QTest::newRow("more rounds") << 64001;
}

void TestDatabase::fileKeyedWithOtherRoundsOpens() {
    // The key derived here assumes the engine's rounds as this program was built with them; an
    // engine that keys new files with other rounds (another version of it) must still open the
    // files it made from their password, and a wrong password must still be refused.
    QFETCH(int, rounds);
    QVERIFY(setEngineRounds(rounds));
    const auto restore = qScopeGuard([] { setEngineRounds(KeyDerivation::kSqlCipherRounds); });
    QTemporaryDir folder;
    const QString path = folder.filePath("other-rounds.db");
    {
        // Made by the engine alone, as the other version would make it.
        SpeedLayers::ownKeyDerivation = false;
        const auto own = qScopeGuard([] { SpeedLayers::ownKeyDerivation = true; });
        Database::create(path, ";pwd=kobold3")
            .executeScript("CREATE TABLE T (V TEXT); INSERT INTO T VALUES ('inside');");
    }
    QCOMPARE(Database(path, ";pwd=kobold3").snapshot("SELECT V FROM T").text("V"),
             QString("inside"));
    try {
        Database(path, ";pwd=kobold4");
        QFAIL("a wrong password opened the file");
    } catch (const TwError& error) {
        QCOMPARE(error.description(),
                 QString("The spell database \"%1\" cannot be opened: the password is wrong or "
                         "the file is not a Tomewright database.")
                     .arg(path));
    }
}

namespace {
// Set for the copy of this test that plays the other program: the database and what it runs.
const char* const kWriterDatabase = "TW_TEST_WRITER_DATABASE";
const char* const kWriterScript = "TW_TEST_WRITER_SCRIPT";
} // namespace

void TestDatabase::changesOfAnotherProgramAreSeen_data() {
    QTest::addColumn<QString>("journal");
    QTest::newRow("rollback journal") << "delete";
    // The mode is kept in the file: a catalogue someone switched, or made elsewhere, is in it.
    QTest::newRow("write-ahead log") << "wal";
}

void TestDatabase::changesOfAnotherProgramAreSeen() {
    // The file is read a block of pages at a time and the blocks are kept while a transaction
    // lasts: another program's change between two transactions must be seen all the same,
    // whether it rewrites pages, grows the file or shrinks it, and a write made after it must
    // leave the file intact.
    QFETCH(QString, journal);
    FixtureDatabase fixture;
    const QString path = goodDatabase(fixture);
    Database(path, ";pwd=kobold3").executeScript("PRAGMA journal_mode = " + journal);
    // Another program, as a catalogue import from the command line is; with a write-ahead
    // log it also copies its changes into the file itself before it ends.
    const auto anotherProgram = [&](const QString& script) {
        QProcess writer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kWriterDatabase, path);
        environment.insert(kWriterScript,
                           script + (journal == "wal" ? "; PRAGMA wal_checkpoint(TRUNCATE);" : ""));
        writer.setProcessEnvironment(environment);
        writer.start(QCoreApplication::applicationFilePath(), {"writeAsAnotherProgram"});
        QVERIFY(writer.waitForFinished(60000));
        QVERIFY2(writer.exitCode() == 0, writer.readAllStandardOutput().constData());
    };
    Database reader(path, ";pwd=kobold3");
    QCOMPARE(reader.snapshot("PRAGMA journal_mode").text(qsizetype(0)), journal);
    // -1, and the reason, when the query fails (a stale page read as part of the file).
    const auto count = [&](const QString& sql) -> qint64 {
        try {
            return reader.snapshot(sql).value(qsizetype(0)).toLongLong();
        } catch (const TwError& error) {
            qWarning("%s", qPrintable(error.description()));
            return -1;
        }
    };
    anotherProgram("CREATE TABLE Big (Id INTEGER PRIMARY KEY, Body TEXT);"
                   "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
                   " INSERT INTO Big SELECT i, substr(hex(randomblob(150)), 1, 300) FROM n");
    QCOMPARE(count("SELECT count(*) FROM Big WHERE length(Body) = 300"), 3000);

    anotherProgram("UPDATE Big SET Body = 'changed' WHERE Id % 97 = 0");
    QCOMPARE(count("SELECT count(*) FROM Big WHERE Body = 'changed'"), 31);
    anotherProgram(
        "WITH RECURSIVE n(i) AS (SELECT 3000 UNION ALL SELECT i + 1 FROM n WHERE "
        "i < 3999) INSERT INTO Big SELECT i, replace(hex(zeroblob(150)), '0', '#') FROM n");
    QCOMPARE(count("SELECT count(*) FROM Big"), 4000);
    QCOMPARE(count("SELECT count(*) FROM Big WHERE Body LIKE '###%'"), 1000);
    // This connection writes after the change, as staging a book for print does.
    {
        Transaction transaction(reader);
        for (int id = 0; id < 300; ++id)
            reader.execute("INSERT INTO CasterHold (Caster) VALUES (?)",
                           {QString("Caster %1").arg(id)});
        reader.execute("UPDATE Big SET Body = 'staged' WHERE Id % 7 = 0");
        transaction.commit();
    }
    QCOMPARE(reader.snapshot("PRAGMA integrity_check").text(qsizetype(0)), QString("ok"));
    QCOMPARE(count("SELECT count(*) FROM Big WHERE Body = 'staged'"), 572);
    anotherProgram("DELETE FROM Big WHERE Id >= 10; VACUUM");
    QCOMPARE(count("SELECT count(*) FROM Big"), 10);
    // Ids 0 and 7 were staged.
    QCOMPARE(count("SELECT sum(length(Body)) FROM Big"), 300 * 8 + 2 * 6);
    QCOMPARE(reader.snapshot("PRAGMA integrity_check").text(qsizetype(0)), QString("ok"));
}

void TestDatabase::writeAsAnotherProgram() {
    if (!qEnvironmentVariableIsSet(kWriterDatabase))
        QSKIP("the other program of changesOfAnotherProgramAreSeen");
    Database writer(qEnvironmentVariable(kWriterDatabase), ";pwd=kobold3");
    writer.executeScript(qEnvironmentVariable(kWriterScript));
}

void TestDatabase::readTransactionInsideAWriteOne() {
    // Inside a write transaction a read transaction is no transaction of its own: it neither
    // fails nor ends the write one.
    FixtureDatabase fixture;
    Database database(goodDatabase(fixture), ";pwd=kobold3");
    {
        Transaction transaction(database);
        database.execute("INSERT INTO CasterHold (Caster) VALUES ('Kept')");
        {
            ReadTransaction read(database);
            QCOMPARE(database.snapshot("SELECT count(*) FROM CasterHold").value(qsizetype(0)),
                     QVariant(1));
        }
        QVERIFY(database.inTransaction());
        transaction.commit();
    }
    QVERIFY(!database.inTransaction());
    {
        ReadTransaction read(database);
        QVERIFY(database.inTransaction());
    }
    QVERIFY(!database.inTransaction());
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
