#include "library/SpellCatalogue.h"

#include "ui/Database.h"

namespace {

bool hasColumn(const Database& database, const QString& table, const QString& column) {
    RecordSet columns = database.snapshot(QStringLiteral("PRAGMA table_info([%1])").arg(table));
    for (; !columns.eof(); columns.moveNext()) {
        if (columns.text(QStringLiteral("name")).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasTable(const Database& database, const QString& table) {
    return database
               .snapshot(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                        "lower(name) = lower(?)"),
                         {table})
               .recordCount() > 0;
}

} // namespace

bool sameSpell(const CatalogueSpell& a, const CatalogueSpell& b) {
    return a.name == b.name && a.level == b.level && a.frequency == b.frequency &&
           a.schools == b.schools && a.book == b.book && a.page == b.page &&
           a.description == b.description;
}

Catalogue readCatalogueDatabase(const Database& database) {
    Catalogue catalogue;
    RecordSet frequencies = database.snapshot(
        QStringLiteral("SELECT Frequency, FrequencyID FROM Frequency ORDER BY FrequencyID"));
    for (; !frequencies.eof(); frequencies.moveNext())
        catalogue.frequencies.append(
            {frequencies.text(QStringLiteral("Frequency")),
             frequencies.value(QStringLiteral("FrequencyID")).toLongLong()});
    RecordSet schools =
        database.snapshot(QStringLiteral("SELECT Sphere_Name FROM [Sphere Names] ORDER BY rowid"));
    for (; !schools.eof(); schools.moveNext())
        catalogue.schools << schools.text(QStringLiteral("Sphere_Name"));

    const QString description =
        hasColumn(database, QStringLiteral("Spells"), QStringLiteral("Description"))
            ? QStringLiteral("Description")
            : QStringLiteral("NULL AS Description");
    RecordSet spells = database.snapshot(
        QStringLiteral("SELECT Spells.Name, Lvl, Frequency, Book, Page, %1, Sphere FROM Spells "
                       "LEFT JOIN SpellandSphere ON SpellandSphere.Name = Spells.Name "
                       "ORDER BY Spells.rowid, SpellandSphere.rowid")
            .arg(description));
    for (; !spells.eof(); spells.moveNext()) {
        const QString name = spells.text(QStringLiteral("Name"));
        if (catalogue.spells.isEmpty() || catalogue.spells.last().name != name) {
            CatalogueSpell spell;
            spell.name = name;
            spell.level = spells.text(QStringLiteral("Lvl"));
            spell.frequency = spells.text(QStringLiteral("Frequency"));
            spell.book = spells.text(QStringLiteral("Book"));
            spell.page = spells.text(QStringLiteral("Page"));
            spell.description = spells.text(QStringLiteral("Description"));
            spell.hasDescription = true;
            catalogue.spells << spell;
        }
        const QString school = spells.text(QStringLiteral("Sphere"));
        if (!school.isEmpty())
            catalogue.spells.last().schools << school;
    }
    return catalogue;
}

void insertSpell(Database& database, const CatalogueSpell& spell) {
    database.execute(QStringLiteral("INSERT INTO Spells (Name, Lvl, Frequency, Book, Page, "
                                    "Description) VALUES (?, ?, ?, ?, ?, ?)"),
                     {spell.name, spell.level, spell.frequency, spell.book, spell.page,
                      spell.description.isEmpty() ? QVariant() : QVariant(spell.description)});
    for (const QString& school : spell.schools)
        database.execute(QStringLiteral("INSERT INTO SpellandSphere (Name, Sphere) VALUES (?, ?)"),
                         {spell.name, school});
}

void deleteSpell(Database& database, const QString& storedName) {
    database.execute(QStringLiteral("DELETE FROM SpellandSphere WHERE Name = ?"), {storedName});
    database.execute(QStringLiteral("DELETE FROM Spells WHERE Name = ?"), {storedName});
}

QHash<QString, QString> SpellOrigin::read(const Database& database) {
    QHash<QString, QString> origins;
    if (!hasTable(database, QStringLiteral("SpellOrigin")))
        return origins;
    RecordSet rows = database.snapshot(QStringLiteral("SELECT Name, Origin FROM SpellOrigin"));
    for (; !rows.eof(); rows.moveNext())
        origins.insert(rows.text(QStringLiteral("Name")), rows.text(QStringLiteral("Origin")));
    return origins;
}

void SpellOrigin::set(Database& database, const QString& name, const QString& origin) {
    database.execute(
        QStringLiteral("INSERT OR REPLACE INTO SpellOrigin (Name, Origin) VALUES (?, ?)"),
        {name, origin});
}

void SpellOrigin::forget(Database& database, const QString& name) {
    database.execute(QStringLiteral("DELETE FROM SpellOrigin WHERE Name = ?"), {name});
}

void SpellOrigin::takenOut(Database& database, const QString& name, const QString& origin) {
    if (origin == kUser)
        forget(database, name);
    else
        set(database, name, kRemoved);
}
