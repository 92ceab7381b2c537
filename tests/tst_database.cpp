// The database engine: opening, keys, bound values, transactions and snapshots.
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/RecordSet.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void openFailureNamesFileAndCause_data();
    void openFailureNamesFileAndCause();
    void openFailureLeavesFileUnchanged();
    void fileIsEncrypted();
    void boundValuesNeverChangeTheQuery_data();
    void boundValuesNeverChangeTheQuery();
    void transactionRollsBackUnlessCommitted();
    void recordSetMovesAndFilters();
    void recordSetReportsMissingFieldAndRow();
    void connectTextPassword_data();
    void connectTextPassword();

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

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
