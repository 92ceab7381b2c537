#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One problem of a file a user gave: its line (1 for the file as a whole) and what is wrong.
struct LineProblem {
    int line = 0;
    QString text;
};

// Problems as "FILE:LINE: what is wrong", in line order (problems of one line in the order found).
QStringList describeProblems(const QString& fileName, QList<LineProblem> problems);
