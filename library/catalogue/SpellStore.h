#pragma once

#include "library/SpellCatalogue.h"
#include "library/catalogue/SpellRules.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// Changes of one spell at a time, as a person makes them by hand: add one, replace one (possibly
// under a new name), take some out, put a shipped spell back as the program ships it. Each is one
// transaction, checked by checkSpell() as an import is, and records where the spell came from
// (SpellOrigin) as an import does, so an upgrade of the program leaves the user's work alone.
// Each returns the catalogue before and after under the names it touched, so the change can be
// undone and done again exactly (switchSpells).

// What the catalogue holds under some names: the spells whose names are those or too like them
// (nearNameKey), and what SpellOrigin records under any such name.
struct SpellsState {
    QStringList names;               // the names it was read for
    QList<CatalogueSpell> spells;    // sorted by name
    QHash<QString, QString> origins; // stored name -> origin

    bool operator==(const SpellsState& other) const;
};

struct SpellChange {
    // False when nothing was written: refused (the problems say why) or nothing to change.
    bool done = false;
    SpellsState before;
    SpellsState after;
};

// Adds a spell of the user's. Refused, nothing written, when checkSpell() finds a problem
// (problems receives them all).
SpellChange addSpell(Database& database, const CatalogueSpell& spell,
                     QList<SpellProblem>* problems);

// Puts spell in the place of the spell stored as storedName: the same spell, changed (perhaps
// renamed), now the user's. A shipped spell renamed so is recorded as taken out, so an upgrade
// does not bring the old name back beside the new. Refused as addSpell is (the spell's own name
// is not taken by itself); a spell exactly as stored writes nothing. Throws TwError when no
// spell is stored as storedName.
SpellChange replaceSpell(Database& database, const QString& storedName, const CatalogueSpell& spell,
                         QList<SpellProblem>* problems);

// Takes out the spells stored under exactly these names, all or nothing, as `catalogue remove`
// does. Throws TwError, nothing written, when one of them is not stored.
SpellChange removeStoredSpells(Database& database, const QStringList& storedNames);

// The spell of installed (the catalogue the program ships) with the name of the spell stored as
// storedName (letter case aside), or nullopt.
std::optional<CatalogueSpell> shippedVersion(const Database& installed, const QString& storedName);

// Puts shipped, the installed catalogue's version of the spell stored as storedName, in its
// place, recorded as shipped again. Refused as addSpell is. Throws TwError when no spell is
// stored as storedName.
SpellChange restoreShippedSpell(Database& database, const QString& storedName,
                                const CatalogueSpell& shipped, QList<SpellProblem>* problems);

// Brings the catalogue from one state to the other (to undo a change, or do it again), in one
// transaction; both were read for the same names (a SpellChange's before and after). Returns
// false, nothing written, when the catalogue no longer holds from (another program changed
// those spells meanwhile).
bool switchSpells(Database& database, const SpellsState& from, const SpellsState& to);
