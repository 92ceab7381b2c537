#pragma once

#include <QString>

// Where the program's spell database is used from. Beside the program when its folder can be
// written (a build, a portable copy); otherwise, as after a system install, a copy in the
// user's data folder, made once from the installed database and kept from then on (the user's
// homebrew spells live in it). Throws TwError when the copy cannot be made.
QString databasePathFor(const QString& programFolder);

// The database installed with the program, in its folder (what a user's copy is made from).
QString installedDatabasePath(const QString& programFolder);

// The user's data folder that holds that copy (~/.local/share/Tomewright on Linux).
QString userDataFolder();
