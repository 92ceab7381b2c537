#pragma once

#include "library/SpellCatalogue.h"
#include "library/catalogue/SpellFile.h"
#include "library/catalogue/TextDecoding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Database;

// The spell catalogue's CSV sources (frequencies.csv, schools.csv, spells.csv) and the database
// built from them.
namespace CatalogueFiles {
inline const QString kFrequencies = QStringLiteral("frequencies.csv");
inline const QString kSchools = QStringLiteral("schools.csv");
inline const QString kSpells = QStringLiteral("spells.csv");
} // namespace CatalogueFiles

// Reads a folder of CSV sources; errors lists every problem of every file.
Catalogue readCatalogueFolder(const QString& folder, QStringList* errors,
                              TextEncoding encoding = TextEncoding::Utf8);

// Writes a new encrypted database with the full schema and the catalogue, every spell recorded
// as shipped and the file stamped with version and the catalogue's fingerprint. The file
// appears only when it is complete: it is built beside its place and moved there at the end,
// over any file of that name.
void buildCatalogueDatabase(const Catalogue& catalogue, const QString& path,
                            const QString& connectText,
                            const QString& version = QStringLiteral(TOMEWRIGHT_VERSION));

// Stores the catalogue's rows in an open database that has the schema (no transaction here).
void insertCatalogue(Database& database, const Catalogue& catalogue);

// The catalogue as the three CSV files' bytes; spells sorted by level, then by name (in the
// order of their characters' code points), so a diff of two exports shows only what changed.
QByteArray frequenciesCsv(const Catalogue& catalogue);
QByteArray schoolsCsv(const Catalogue& catalogue);
QByteArray spellsCsv(const Catalogue& catalogue);

// A fingerprint of the catalogue's contents (of the three files as spellsCsv and the others
// write them): the same catalogue, the same fingerprint.
QString catalogueFingerprint(const Catalogue& catalogue);
