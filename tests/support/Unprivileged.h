#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QtTest>

// Tests of read-only files run as the unprivileged user "nobody" (root writes any file). That
// needs the test programs to be reachable by that user; a build inside a private folder is not.
inline bool unprivilegedCanRun(const QString& program) {
    return QProcess::execute(QStringLiteral("setpriv"),
                             {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                              QStringLiteral("--clear-groups"), QStringLiteral("test"),
                              QStringLiteral("-x"), program}) == 0;
}

// Runs the current test function's current row again, as "nobody", in a child process of this
// test program, with `variable` set to `value` there (the child finds what the parent prepared
// through it). Empty when the child passed; otherwise what it printed.
inline QString rerunAsUnprivileged(const QString& variable, const QString& value) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(variable, value);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    child.setProcessEnvironment(environment);
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                 QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                 function + QLatin1Char(':') + QString::fromUtf8(QTest::currentDataTag())});
    const bool finished = child.waitForFinished(120000);
    const QString output =
        QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    // Passed, not skipped: the row's own PASS line.
    const QRegularExpression passLine(QStringLiteral("PASS   : \\w+::") + function +
                                      QStringLiteral("\\("));
    const bool passed = finished && child.exitCode() == 0 && output.contains(passLine);
    return passed ? QString() : QStringLiteral("the child run as \"nobody\" failed:\n") + output;
}
