#pragma once

#include <QString>

// Where the program's spell database is used from: a copy in the user's data folder, made once
// from the database beside the program and kept from then on (the user's homebrew spells live
// in it). A build is an install like any other: its database is the shipped catalogue, which
// the build remakes. Throws TwError when the copy cannot be made.
QString databasePathFor(const QString& programFolder);

// The database installed with the program, in its folder (what a user's copy is made from).
QString installedDatabasePath(const QString& programFolder);

// The user's data folder that holds that copy (~/.local/share/Tomewright on Linux).
QString userDataFolder();
