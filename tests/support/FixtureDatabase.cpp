#include "tests/support/FixtureDatabase.h"

#include "library/TW_Library.h"

#include <QFile>

FixtureDatabase::FixtureDatabase() = default;

QStringList FixtureDatabase::standardSchools() {
    return {"Abjuration",  "Air",         "Alchemy",   "Alteration", "Artifice", "Charm",
            "Chronomancy", "Conjuration", "Dimension", "Divination", "Earth",    "Enchantment",
            "Evocation",   "Fire",        "Force",     "Geometry",   "Illusion", "Invocation",
            "Necromancy",  "Phantasm",    "Shadow",    "Summoning",  "Water",    "Wild"};
}

QList<CatalogueFrequency> FixtureDatabase::standardFrequencies() {
    return {{"Common", 1}, {"Uncommon", 2}, {"Rare", 3}, {"Very Rare", 4}, {"Unique", 5}};
}

CatalogueSpell FixtureDatabase::spell(const QString& name, int level, const QString& frequency,
                                      const QString& schools, const QString& book,
                                      const QString& page) {
    CatalogueSpell s;
    s.name = name;
    s.level = QString::number(level);
    s.frequency = frequency;
    s.schools = schools.split(QLatin1Char(';'));
    s.book = book;
    s.page = page;
    return s;
}

QString FixtureDatabase::build(const QList<CatalogueSpell>& spells, const QStringList& schools,
                               const QList<CatalogueFrequency>& frequencies) {
    Catalogue catalogue;
    catalogue.frequencies = frequencies;
    catalogue.schools = schools;
    catalogue.spells = spells;
    QFile::remove(path());
    buildCatalogueDatabase(catalogue, path(), TW_Library::kConnectText);
    return path();
}
