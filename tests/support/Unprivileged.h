#pragma once

#include <QProcess>
#include <QString>

// Tests of read-only files run as the unprivileged user "nobody" (root writes any file). That
// needs the test programs to be reachable by that user; a build inside a private folder is not.
inline bool unprivilegedCanRun(const QString& program) {
    return QProcess::execute(QStringLiteral("setpriv"),
                             {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                              QStringLiteral("--clear-groups"), QStringLiteral("test"),
                              QStringLiteral("-x"), program}) == 0;
}
