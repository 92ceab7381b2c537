#include "library/SchemaUpgrade.h"

#include <QCoreApplication>

#include "ui/Database.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

namespace {

// The current definitions of what an earlier design lacks, as data/schema.sql has them.
const char* kAddSpheres =
    "CREATE VIEW AddSpheres AS\n"
    "    SELECT Spells.Name, Spells.Lvl, Spells.Frequency, SpellandSphere.Sphere, Spells.Book,\n"
    "           Spells.Page, Spells.Description\n"
    "    FROM Spells INNER JOIN SpellandSphere ON SpellandSphere.Name = Spells.Name\n"
    "    ORDER BY Spells.Name, SpellandSphere.rowid";
const char* kSpellOrigin = "CREATE TABLE SpellOrigin (\n"
                           "    Name   TEXT NOT NULL PRIMARY KEY,\n"
                           "    Origin TEXT NOT NULL\n"
                           ")";
const char* kCatalogueInfo = "CREATE TABLE CatalogueInfo (\n"
                             "    Item  TEXT NOT NULL PRIMARY KEY,\n"
                             "    Value TEXT NOT NULL\n"
                             ")";

bool hasColumn(const Database& database, const char* table, const char* column) {
    RecordSet columns =
        database.snapshot(QStringLiteral("PRAGMA table_info([%1])").arg(QLatin1String(table)));
    for (; !columns.eof(); columns.moveNext()) {
        if (columns.text(QStringLiteral("name"))
                .compare(QLatin1String(column), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasTable(const Database& database, const char* table) {
    return database
               .snapshot(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                        "lower(name) = lower(?)"),
                         {QString::fromLatin1(table)})
               .recordCount() > 0;
}

} // namespace

bool SchemaUpgrade::isCurrent(const Database& database) {
    return hasColumn(database, "Spells", "Description") &&
           hasColumn(database, "AddSpheres", "Description") && hasTable(database, "SpellOrigin") &&
           hasTable(database, "CatalogueInfo");
}

void SchemaUpgrade::apply(Database& database) {
    if (!hasColumn(database, "Spells", "Description"))
        database.execute(QStringLiteral("ALTER TABLE Spells ADD COLUMN Description TEXT"));
    if (!hasColumn(database, "AddSpheres", "Description")) {
        database.execute(QStringLiteral("DROP VIEW IF EXISTS AddSpheres"));
        database.execute(QString::fromLatin1(kAddSpheres));
    }
    if (!hasTable(database, "SpellOrigin"))
        database.execute(QString::fromLatin1(kSpellOrigin));
    if (!hasTable(database, "CatalogueInfo"))
        database.execute(QString::fromLatin1(kCatalogueInfo));
}

void SchemaUpgrade::bringUpToDate(Database& database) {
    if (isCurrent(database))
        return;
    try {
        Transaction transaction(database);
        apply(database);
        transaction.commit();
    } catch (const TwError& error) {
        throw TwError(error.number(), QStringLiteral("SchemaUpgrade"),
                      QCoreApplication::translate(
                          "SchemaUpgrade",
                          "The spell database \"%1\" was made by an earlier Tomewright "
                          "and cannot be brought up to date, so it is left as it was: "
                          "%2")
                          .arg(database.path(), error.description()));
    }
}
