#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

// The spell database of every command: --db FILE, or else the one the window uses.

// The --db option, as every command offers it.
QCommandLineOption databaseOption();

// --db when given; otherwise the database the window uses (beside the program, or the user's
// copy when the program's folder is read-only), the user's copy first brought up to date with
// the installed catalogue as at the window's start (refresh = false leaves every file as it is,
// for a dry run). A failed upgrade is told on the error stream and the copy is used as it was.
// Throws TwError when there is no database to use.
QString commandDatabase(const QCommandLineParser& parser, bool refresh = true);
