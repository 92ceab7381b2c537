#include "library/SpellCatalogue.h"

#include "library/TextHash.h"
#include "ui/Database.h"

#include <string>
#include <string_view>
#include <unordered_map>

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

// One shared copy of each text a column repeats (a level, a frequency, a school, a book, a
// page, an origin): a large catalogue then holds each such text once, and reading it again
// costs no copy.
class RepeatedTexts {
public:
    QString text(const RowReader& row, int column) {
        if (!row.isText(column))
            return row.text(column);
        const QByteArrayView utf8 = row.utf8(column);
        // A view of the engine's bytes serves to look up; only a new text is copied.
        const std::string_view bytes(utf8.data(), std::size_t(utf8.size()));
        const auto found = m_seen.find(bytes);
        if (found != m_seen.end())
            return found->second;
        QString text = QString::fromUtf8(utf8);
        if (m_seen.size() < kMostKept)
            m_seen.emplace(std::string(bytes), text);
        return text;
    }

private:
    // Texts that hardly repeat (a catalogue of thousands of books) are not worth keeping.
    static constexpr std::size_t kMostKept = 4096;
    std::unordered_map<std::string, QString, Utf8Hash, std::equal_to<>> m_seen;
};

// Finds the spell a row of SpellandSphere or SpellOrigin names. Those rows are mostly stored in
// the spells' order, so the spell after the last one found is tried first; the others are found
// by name, indexed only once one is needed.
class SpellsByName {
public:
    explicit SpellsByName(const QList<CatalogueSpell>& spells) : m_spells(spells) {}

    // The spell's place in the list, or -1.
    qsizetype find(const RowReader& row) {
        const QByteArrayView utf8 = row.utf8(0);
        const QUtf8StringView name(utf8.data(), utf8.size());
        for (qsizetype place : {m_last, m_last + 1}) {
            if (place >= 0 && place < m_spells.size() &&
                QAnyStringView::equal(m_spells[place].name, name))
                return m_last = place;
        }
        if (m_byName.empty()) {
            m_byName.reserve(std::size_t(m_spells.size()));
            // The first spell of a name is the one found.
            for (qsizetype place = 0; place < m_spells.size(); ++place)
                m_byName.emplace(m_spells[place].name, place);
        }
        const auto found = m_byName.find(row.text(0));
        if (found == m_byName.end())
            return -1;
        return m_last = found->second;
    }

private:
    const QList<CatalogueSpell>& m_spells;
    // Views of the names in m_spells, which outlive this index.
    std::unordered_map<QStringView, qsizetype, Utf16Hash> m_byName;
    qsizetype m_last = -1;
};

} // namespace

bool sameSpell(const CatalogueSpell& a, const CatalogueSpell& b) {
    return a.name == b.name && a.level == b.level && a.frequency == b.frequency &&
           a.schools == b.schools && a.book == b.book && a.page == b.page &&
           a.description == b.description;
}

Catalogue readCatalogueDatabase(const Database& database, QStringList* origins) {
    Catalogue catalogue;
    RepeatedTexts repeated;
    database.forEachRow(
        QStringLiteral("SELECT Frequency, FrequencyID FROM Frequency ORDER BY FrequencyID"), {},
        [&](const RowReader& row) {
            catalogue.frequencies.append({repeated.text(row, 0), row.value(1).toLongLong()});
        });
    database.forEachRow(QStringLiteral("SELECT Sphere_Name FROM [Sphere Names] ORDER BY rowid"), {},
                        [&](const RowReader& row) { catalogue.schools << repeated.text(row, 0); });

    // The spells, their schools and their origins are read as stored, each table in one pass;
    // the schools and origins are then matched to their spells here (a join would have the
    // engine sort every row, or look each spell up in another table).
    const QString description =
        hasColumn(database, QStringLiteral("Spells"), QStringLiteral("Description"))
            ? QStringLiteral("Description")
            : QStringLiteral("NULL AS Description");
    database.forEachRow(
        QStringLiteral("SELECT Name, Lvl, Frequency, Book, Page, %1 FROM Spells ORDER BY rowid")
            .arg(description),
        {}, [&](const RowReader& row) {
            CatalogueSpell spell;
            spell.name = row.text(0);
            spell.level = repeated.text(row, 1);
            spell.frequency = repeated.text(row, 2);
            spell.book = repeated.text(row, 3);
            spell.page = repeated.text(row, 4);
            spell.description = row.text(5);
            spell.hasDescription = true;
            catalogue.spells << std::move(spell);
        });
    SpellsByName spells(catalogue.spells);
    database.forEachRow(QStringLiteral("SELECT Name, Sphere FROM SpellandSphere ORDER BY rowid"),
                        {}, [&](const RowReader& row) {
                            const qsizetype place = spells.find(row);
                            if (place < 0)
                                return;
                            QString school = repeated.text(row, 1);
                            if (!school.isEmpty())
                                catalogue.spells[place].schools << std::move(school);
                        });
    if (origins) {
        origins->clear();
        origins->resize(catalogue.spells.size());
        if (hasTable(database, QStringLiteral("SpellOrigin"))) {
            SpellsByName originOf(catalogue.spells);
            database.forEachRow(QStringLiteral("SELECT Name, Origin FROM SpellOrigin ORDER BY "
                                               "rowid"),
                                {}, [&](const RowReader& row) {
                                    const qsizetype place = originOf.find(row);
                                    if (place >= 0)
                                        (*origins)[place] = repeated.text(row, 1);
                                });
        }
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
    RepeatedTexts repeated;
    database.forEachRow(
        QStringLiteral("SELECT Name, Origin FROM SpellOrigin"), {},
        [&](const RowReader& row) { origins.insert(row.text(0), repeated.text(row, 1)); });
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
