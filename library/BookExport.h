#pragma once

#include "library/SpellRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A finished book with what made it, so it can be written out and made again.
struct GeneratedBook {
    QString caster;
    QString casterLevel; // as the level list shows it: "12th"
    QString casterClass;
    QString volume;
    QString frequency;
    bool hasSeed = false;
    quint64 seed = 0;
    QStringList excludedSchools;
    QList<int> limitedLevels;
    QList<SpellRow> spells;
};

// The book formats of the command line and the window's export. Each takes the books in order
// and gives the whole file's bytes (UTF-8).
namespace BookExport {

// Readable, grouped by level.
QByteArray text(const QList<GeneratedBook>& books);
// The list's six columns and the description, with a header row; several books get a first
// "Caster" column.
QByteArray csv(const QList<GeneratedBook>& books);
// One JSON object per book per line.
QByteArray json(const QList<GeneratedBook>& books);
// A heading per book and per level, a table per level.
QByteArray markdown(const QList<GeneratedBook>& books);

// The formats, for part().
enum class Format { Text, Csv, Json, Markdown };

// What book index (0-based) of count books adds to a file in a format: the parts of books 0 to
// count - 1, one after another, are the whole file the functions above write. A batch writes
// each book as soon as it is drawn.
QByteArray part(Format format, const GeneratedBook& book, qsizetype index, qsizetype count);

// The spell levels named by a "Following Levels Volume was limited by criteria: " note.
QList<int> limitedLevelsFromNote(const QString& note);

// "1st Level", "2nd Level", ...
QString levelTitle(const QString& level);

} // namespace BookExport
