// The README's start command, run the way a user runs it: the script, not the program.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {
const QString kRunScript = QStringLiteral(TOMEWRIGHT_SOURCE_DIR "/scripts/run");

// The environment of a user's shell, with or without a display of some kind, and a data
// folder of its own (where the program makes the user's copy of the spell database).
QProcessEnvironment userEnvironment(bool withDisplay) {
    static QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (withDisplay)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// What the program said on stderr beyond the notices Qt prints on a headless machine.
QStringList unexpectedErrorLines(const QByteArray& errors) {
    static const QRegularExpression usualNotice(
        QStringLiteral("^(QStandardPaths: |This plugin does not support )"));
    QStringList unexpected;
    for (const QString& line : QString::fromUtf8(errors).split('\n', Qt::SkipEmptyParts))
        if (!usualNotice.match(line).hasMatch())
            unexpected << line;
    return unexpected;
}
} // namespace

class TestRunScript : public QObject {
    Q_OBJECT

private slots:
    void startsTheWindow();
    void withoutADisplaySaysHowToRunIt();
};

void TestRunScript::startsTheWindow() {
    QProcess run;
    run.setProcessEnvironment(userEnvironment(true));
    run.start(kRunScript, {});
    QVERIFY2(run.waitForStarted(), qPrintable(run.errorString()));
    // The script builds (nothing to do: the suite runs after the build) and then replaces itself
    // with the program, so a window that came up is a process still running a few seconds on.
    const bool ended = run.waitForFinished(5000);
    QVERIFY2(!ended, qPrintable(QStringLiteral("exit %1; stderr:\n%2")
                                    .arg(run.exitCode())
                                    .arg(QString::fromUtf8(run.readAllStandardError()))));
    const QStringList unexpected = unexpectedErrorLines(run.readAllStandardError());
    ::kill(static_cast<pid_t>(run.processId()), SIGTERM);
    QVERIFY(run.waitForFinished(10000));
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
}

void TestRunScript::withoutADisplaySaysHowToRunIt() {
    QProcess run;
    run.setProcessEnvironment(userEnvironment(false));
    run.start(kRunScript, {});
    QVERIFY(run.waitForFinished(600000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QVERIFY(run.exitCode() != 0);
    const QStringList lines =
        QString::fromUtf8(run.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, QStringList{"No display found: run it under a virtual one with 'xvfb-run -a "
                                "scripts/run'."});
}

QTEST_GUILESS_MAIN(TestRunScript)
#include "tst_run_script.moc"
