#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The spell catalogue as a database holds it (and as its CSV sources hold it): frequencies,
// schools and spells.
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
// Moved in memory as it is when a list of spells grows, rather than one member at a time.
Q_DECLARE_TYPEINFO(CatalogueSpell, Q_RELOCATABLE_TYPE);

struct Catalogue {
    QList<CatalogueFrequency> frequencies;
    QStringList schools;
    QList<CatalogueSpell> spells;
};

// Whether two spells say the same thing (name, level, frequency, schools in order, book, page,
// description); where they were read from does not count.
bool sameSpell(const CatalogueSpell& a, const CatalogueSpell& b);

// Reads the catalogue out of a database, spells in the order they were stored. A database made
// before spells had descriptions reads with every description empty. origins, when given,
// receives what SpellOrigin records for each spell, in the spells' order (an empty text where
// nothing is recorded), read in the same go.
Catalogue readCatalogueDatabase(const Database& database, QStringList* origins = nullptr);

// Stores one spell and its schools (no transaction here).
void insertSpell(Database& database, const CatalogueSpell& spell);
// Deletes the spell of exactly this stored name and its schools.
void deleteSpell(Database& database, const QString& storedName);

// Where each spell of a database came from, kept in SpellOrigin: it came with the program, the
// user added or replaced it, or the user took a shipped spell out (a spell no longer in Spells,
// so that an upgrade does not bring it back).
namespace SpellOrigin {
inline const QString kShipped = QStringLiteral("shipped");
inline const QString kUser = QStringLiteral("user");
inline const QString kRemoved = QStringLiteral("removed");

// Stored name -> origin; empty for a database made before origins were kept.
QHash<QString, QString> read(const Database& database);
// Records the origin of the spell of exactly this name (callers match names by their key).
void set(Database& database, const QString& name, const QString& origin);
void forget(Database& database, const QString& name);
// Records that the spell of this name, whose origin was origin, was taken out: a spell that came
// with the program is remembered as taken out, so an upgrade does not bring it back; the user's
// own spell is simply forgotten.
void takenOut(Database& database, const QString& name, const QString& origin);
} // namespace SpellOrigin
