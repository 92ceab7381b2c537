// The program as a user starts it: a database it cannot open ends it with one message.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void missingDatabaseEndsWithMessage_data();
    void missingDatabaseEndsWithMessage();
};

void TestStartup::missingDatabaseEndsWithMessage_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("named"); // the file the message names
    QTest::newRow("no database") << QByteArray() << "is missing"
                                 << "beside the program";
    // The program works on the user's copy, made from the file beside it.
    QTest::newRow("garbage") << QByteArray(4096, 'x') << "password is wrong"
                             << "the user's copy";
}

void TestStartup::missingDatabaseEndsWithMessage() {
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QFETCH(QString, named);
    // A copy of the program in a folder of its own, where it looks for its database.
    QTemporaryDir folder;
    const QString program = folder.filePath("tomewright");
    QVERIFY(QFile::copy(TOMEWRIGHT_PROGRAM, program));
    if (!content.isEmpty()) {
        QFile database(folder.filePath("Spells.mdb"));
        QVERIFY(database.open(QIODevice::WriteOnly));
        database.write(content);
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    environment.insert("XDG_DATA_HOME", data.path());
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForFinished(20000));
    QVERIFY(process.exitStatus() == QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(errors.contains(expected), qPrintable(errors));
    const QString file = named == "the user's copy" ? data.filePath("Tomewright/Spells.mdb")
                                                    : folder.filePath("Spells.mdb");
    QVERIFY2(errors.contains(file), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
