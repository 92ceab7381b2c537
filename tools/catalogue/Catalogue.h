#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The spell catalogue as its CSV sources hold it: frequencies.csv, schools.csv, spells.csv.
struct CatalogueFrequency {
    QString name;
    qint64 id = 0;
};

struct CatalogueSpell {
    QString name;
    QString level;
    QString frequency;
    QStringList schools;
    QString book;
    QString page;
    QString description;
    bool hasDescription = false; // the source had a Description column
    int line = 0;                // where the spell stands in its source file
};

struct Catalogue {
    QList<CatalogueFrequency> frequencies;
    QStringList schools;
    QList<CatalogueSpell> spells;
};

namespace CatalogueFiles {
inline const QString kFrequencies = QStringLiteral("frequencies.csv");
inline const QString kSchools = QStringLiteral("schools.csv");
inline const QString kSpells = QStringLiteral("spells.csv");

// The header of spells.csv; the Description column is optional on import.
const QStringList& spellHeader();
} // namespace CatalogueFiles

// Reads spells.csv-shaped bytes; every bad row is one "FILE:LINE: ..." error. knownSchools and
// knownFrequencies check the values (empty lists skip that check).
QList<CatalogueSpell> parseSpells(const QByteArray& bytes, const QString& fileName,
                                  const QStringList& knownSchools,
                                  const QStringList& knownFrequencies, QStringList* errors);

// Reads a folder of CSV sources; errors lists every problem of every file.
Catalogue readCatalogueFolder(const QString& folder, QStringList* errors);

// Writes a new encrypted database with the full schema and the catalogue. The file appears only
// when it is complete: it is built beside its place and moved there at the end.
void buildCatalogueDatabase(const Catalogue& catalogue, const QString& path,
                            const QString& connectText);

// Stores the catalogue's rows in an open database that has the schema (no transaction here).
void insertCatalogue(Database& database, const Catalogue& catalogue);
void insertSpell(Database& database, const CatalogueSpell& spell);

// Reads the catalogue back out of a database, spells by name.
Catalogue readCatalogueDatabase(Database& database);

// The catalogue as the three CSV files' bytes.
QByteArray frequenciesCsv(const Catalogue& catalogue);
QByteArray schoolsCsv(const Catalogue& catalogue);
QByteArray spellsCsv(const Catalogue& catalogue);

// Adds the spells of a spells.csv-shaped file to an open database, all or nothing. A name that
// is already in the database is an error unless replace is set, when the stored spell (and its
// schools) gives way to the file's. Returns the number of spells written; on any error nothing
// is written and errors holds every problem, as "FILE:LINE: ...".
int importSpells(Database& database, const QByteArray& bytes, const QString& fileName, bool replace,
                 QStringList* errors);
