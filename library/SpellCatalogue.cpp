#include "library/SpellCatalogue.h"

#include "library/TextHash.h"
#include "ui/Database.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
// costs no copy. Looked up four or five times a spell, so the look-up is made cheap: a small
// open-addressed table of the bytes, hashed inline (std::unordered_map with the standard hash
// made the open of 100,000 spells 10 ms slower, a third of a scan).
class RepeatedTexts {
public:
    QString text(const RowReader& row, int column) {
        const std::optional<QByteArrayView> text = row.textUtf8(column);
        if (!text)
            return row.text(column);
        const QByteArrayView utf8 = *text;
        const quint32 hash = hashOf(utf8);
        std::size_t slot = hash & (m_slots.size() - 1);
        for (; m_slots[slot] >= 0; slot = (slot + 1) & (m_slots.size() - 1)) {
            const Entry& entry = m_entries[std::size_t(m_slots[slot])];
            if (entry.hash == hash && sameBytes(entry, utf8))
                return entry.text;
        }
        QString copy = QString::fromUtf8(utf8);
        // Texts that hardly repeat (a catalogue of thousands of books) are not worth keeping.
        if (m_entries.size() < kMostKept) {
            m_entries.push_back({hash, m_keys.size(), std::size_t(utf8.size()), copy});
            m_keys.append(utf8.data(), std::size_t(utf8.size()));
            m_slots[slot] = int(m_entries.size() - 1);
            if (m_entries.size() * 2 > m_slots.size())
                grow();
        }
        return copy;
    }

private:
    struct Entry {
        quint32 hash;
        std::size_t keyOffset; // the text's bytes in m_keys
        std::size_t keySize;
        QString text;
    };

    static quint32 hashOf(QByteArrayView bytes) {
        quint32 hash = 2166136261u; // FNV-1a
        for (const char byte : bytes)
            hash = (hash ^ quint8(byte)) * 16777619u;
        return hash;
    }
    bool sameBytes(const Entry& entry, QByteArrayView bytes) const {
        return entry.keySize == std::size_t(bytes.size()) &&
               std::memcmp(m_keys.data() + entry.keyOffset, bytes.data(), entry.keySize) == 0;
    }
    void grow() {
        m_slots.assign(m_slots.size() * 2, -1);
        for (std::size_t place = 0; place < m_entries.size(); ++place) {
            std::size_t slot = m_entries[place].hash & (m_slots.size() - 1);
            while (m_slots[slot] >= 0)
                slot = (slot + 1) & (m_slots.size() - 1);
            m_slots[slot] = int(place);
        }
    }

    static constexpr std::size_t kMostKept = 4096;
    std::vector<Entry> m_entries;
    std::string m_keys;
    std::vector<int> m_slots = std::vector<int>(64, -1); // a power of two, at most half full
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
    // Room for every spell at once: the list of 100,000 is 20 MB, grown step by step it is
    // copied and its new pages touched again each time. The highest row number is found
    // without reading the table (a count is not).
    const qint64 highestRow = database.snapshot(QStringLiteral("SELECT max(rowid) FROM Spells"))
                                  .value(qsizetype(0))
                                  .toLongLong();
    catalogue.spells.reserve(qsizetype(std::clamp<qint64>(highestRow, 0, 1'000'000)));
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
