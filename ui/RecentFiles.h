#pragma once

#include <QString>
#include <QStringList>

// The last few documents the user opened or saved, newest first, kept between runs in the
// user's settings (the one thing the program remembers).
namespace RecentFiles {

inline constexpr int kKept = 6;

QStringList list();
// Puts the file first (absolute path), dropping the oldest beyond kKept.
void add(const QString& path);
void remove(const QString& path);

} // namespace RecentFiles
