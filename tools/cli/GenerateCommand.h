#pragma once

#include <QStringList>

// "tomewright-cli generate ...": arguments after the word "generate"; returns the exit status
// (0 done, 1 a database or file failure, 2 a wrong option or a failed check).
int runGenerateCommand(const QStringList& arguments);
