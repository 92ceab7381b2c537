#pragma once

#include "library/BookExport.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// A spellbook the user keeps: the list exactly as the window shows it (every field of every
// row, in order, pins included) and the request that drew it. The spells are stored whole, so
// a book opens and prints the same after the catalogue has changed or lost a spell.
struct SpellbookDocument {
    GeneratedBook book;
    // The "Custom (see Options)" counts of spell levels 1 to 9 and the specialist share (in
    // percent) that were in force when the book was drawn; a re-roll draws under them.
    QList<qint32> customCounts = QList<qint32>(9, 0);
    qint32 specialistPercent = 50;
};

// The book file (.twbook): UTF-8 JSON with a "format" number. Every failure is a TwError whose
// description names the file and what is wrong with it.
namespace BookFile {

// The format this version writes; it reads this one and every older one.
inline constexpr int kFormat = 1;
inline const QString kSuffix = QStringLiteral("twbook");

QByteArray toJson(const SpellbookDocument& document);
// path only names the file in messages.
SpellbookDocument fromJson(const QByteArray& bytes, const QString& path);

SpellbookDocument read(const QString& path);
// Written through a temporary file that replaces the old one only when complete.
void write(const SpellbookDocument& document, const QString& path);
// The bytes to an open device; a device that takes less than all of them is an error.
void writeTo(QIODevice& device, const SpellbookDocument& document, const QString& path);

} // namespace BookFile
