#include "library/DrawCatalogue.h"

#include "ui/Database.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <algorithm>
#include <cstring>

namespace {

// A lookup key for UTF-8 bytes, without copying them.
QByteArray keyFor(QByteArrayView bytes) {
    return QByteArray::fromRawData(bytes.data(), bytes.size());
}

// The order of the engine's BINARY collation, which sorts the names of a query.
int compareBytes(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = std::min(a.size(), b.size());
    const int order = common == 0 ? 0 : std::memcmp(a.data(), b.data(), size_t(common));
    if (order != 0)
        return order;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// Looks for ASCII first: that is nearly every name, and much quicker to check.
bool isValidUtf8(QByteArrayView text) {
    char any = 0;
    for (char c : text)
        any = char(any | c);
    return (any & 0x80) == 0 || text.isValidUtf8();
}

// A name that is its own trimmed text and that no other byte sequence turns into: valid UTF-8
// whose first and last characters are printable ASCII.
bool isPlainName(QByteArrayView name) {
    const auto printable = [](char c) { return c > ' ' && c < '\x7f'; };
    return !name.isEmpty() && printable(name.front()) && printable(name.back()) &&
           isValidUtf8(name);
}

} // namespace

qint32 DrawCatalogue::FewTexts::find(QByteArrayView text) const {
    if (!m_byText.isEmpty())
        return m_byText.value(keyFor(text), -1);
    for (qsizetype i = 0; i < m_texts.size(); ++i) {
        const QByteArray& known = m_texts[i];
        if (known.size() == text.size() &&
            (text.isEmpty() ||
             std::memcmp(known.constData(), text.data(), size_t(text.size())) == 0))
            return qint32(i);
    }
    return -1;
}

qint32 DrawCatalogue::FewTexts::add(QByteArrayView text) {
    m_texts << text.toByteArray();
    const auto number = qint32(m_texts.size() - 1);
    if (!m_byText.isEmpty() || m_texts.size() > 32) {
        if (m_byText.isEmpty()) {
            for (qsizetype i = 0; i < m_texts.size(); ++i)
                m_byText.insert(m_texts[i], qint32(i));
        } else {
            m_byText.insert(m_texts.last(), number);
        }
    }
    return number;
}

QByteArrayView DrawCatalogue::nameOf(qint32 spell) const {
    return QByteArrayView(m_names.constData() + m_nameAt[spell].first, m_nameAt[spell].second);
}

qint32 DrawCatalogue::findSpell(QByteArrayView name) const {
    if (m_nameTable.isEmpty())
        return -1;
    const auto mask = size_t(m_nameTable.size() - 1);
    for (size_t slot = qHashBits(name.data(), size_t(name.size())) & mask;;
         slot = (slot + 1) & mask) {
        const qint32 entry = m_nameTable[qsizetype(slot)];
        if (entry == 0)
            return -1;
        const QByteArrayView stored = nameOf(entry - 1);
        if (stored.size() == name.size() && compareBytes(stored, name) == 0)
            return entry - 1;
    }
}

void DrawCatalogue::indexNames() {
    // Open addressing over a power of two at least twice the names: a search looks at one or
    // two slots.
    qsizetype tableSize = 16;
    while (tableSize < 2 * m_nameAt.size())
        tableSize *= 2;
    m_nameTable = QList<qint32>(tableSize, 0); // spell number + 1; 0 for an empty slot
    const auto mask = size_t(tableSize - 1);
    for (qint32 spell = 0; spell < qint32(m_nameAt.size()); ++spell) {
        const QByteArrayView name = nameOf(spell);
        if (findSpell(name) >= 0)
            continue; // the same name again (a name of another kind than text): the first holds
        size_t slot = qHashBits(name.data(), size_t(name.size())) & mask;
        while (m_nameTable[qsizetype(slot)] != 0)
            slot = (slot + 1) & mask;
        m_nameTable[qsizetype(slot)] = spell + 1;
    }
}

void DrawCatalogue::refresh(const Database& database) {
    // data_version changes when another connection has committed a change to the file (a
    // catalogue import); a change through the library's own connection is made known by
    // TW_Library::forgetCatalogue().
    const qint64 version =
        database.snapshot(QStringLiteral("PRAGMA data_version")).value(qsizetype(0)).toLongLong();
    if (version == m_dataVersion)
        return;
    *this = DrawCatalogue();
    m_dataVersion = version;
}

const QHash<QString, qint64>& DrawCatalogue::frequencyIds(const Database& database) {
    if (!m_frequenciesRead) {
        RecordSet frequencies =
            database.snapshot(QStringLiteral("SELECT Frequency, FrequencyID FROM Frequency"));
        for (; !frequencies.eof(); frequencies.moveNext())
            m_frequencyIds.insert(frequencies.text(QStringLiteral("Frequency")),
                                  frequencies.value(QStringLiteral("FrequencyID")).toLongLong());
        m_frequenciesRead = true;
    }
    return m_frequencyIds;
}

void DrawCatalogue::readSchools(const Database& database) {
    // Every school row once, each spell's rows together: one pass over the index of the
    // school table instead of a search of it for every spell of every level. A read starts
    // from nothing and leaves nothing when it fails partway, so the next read never adds to
    // the rows of a failed one.
    clearSchools();
    auto failed = qScopeGuard([this] { clearSchools(); });
    FewTexts schools;
    QList<QPair<qint64, qint32>> spellRows; // (rowid, school) of the spell being read
    const auto closeSpell = [&] {
        // A spell's schools in the order they were stored (a spell has a few).
        for (qsizetype i = 1; i < spellRows.size(); ++i) {
            for (qsizetype j = i; j > 0 && spellRows[j].first < spellRows[j - 1].first; --j)
                std::swap(spellRows[j], spellRows[j - 1]);
        }
        m_spells.append({qint32(m_schoolRows.size()), qint32(spellRows.size())});
        for (const auto& [rowId, school] : spellRows)
            m_schoolRows << school;
        spellRows.clear();
    };
    database.forEachRow(
        QStringLiteral("SELECT Name, Sphere, rowid FROM SpellandSphere ORDER BY Name"), {},
        [&](const RowReader& row) {
            const QByteArrayView name = row.utf8(0);
            if (m_nameAt.isEmpty() || nameOf(qint32(m_nameAt.size() - 1)) != name) {
                if (!spellRows.isEmpty())
                    closeSpell();
                m_nameAt.append({qint32(m_names.size()), qint32(name.size())});
                m_names.append(name);
            }
            const QByteArrayView school = row.utf8(1);
            qint32 number = schools.find(school);
            if (number < 0) {
                number = schools.add(school);
                m_schoolNames << QString::fromUtf8(school);
            }
            spellRows.append({row.integer(2), number});
        });
    if (!spellRows.isEmpty())
        closeSpell();
    indexNames();
    failed.dismiss();
    m_schoolsRead = true;
}

std::shared_ptr<const SpellLevel> DrawCatalogue::level(const Database& database, int spellLevel) {
    if (const auto kept = m_levels.constFind(spellLevel); kept != m_levels.constEnd())
        return *kept;
    prepare(database, {spellLevel});
    return m_levels.value(spellLevel);
}

void DrawCatalogue::prepare(const Database& database, const QList<int>& spellLevels) {
    QList<int> missing;
    for (int spellLevel : spellLevels) {
        if (!m_levels.contains(spellLevel) && !missing.contains(spellLevel))
            missing << spellLevel;
    }
    if (missing.isEmpty())
        return;
    frequencyIds(database);

    if (!m_schoolsRead)
        readSchools(database);
    QList<RawLevel> raw;
    for (int spellLevel : missing)
        raw << readRawLevel(database, spellLevel);
    for (qsizetype i = 0; i < missing.size(); ++i)
        m_levels.insert(missing[i], indexLevel(raw[i]));
}

void DrawCatalogue::clearSchools() {
    m_schoolNames.clear();
    m_schoolRows.clear();
    m_spells.clear();
    m_names.resize(0); // keeps the room of the last read, where clear() would free it
    m_nameAt.clear();
    m_nameTable.clear();
}

qint32 DrawCatalogue::frequencyIndex(const RowReader& row, int column) {
    const QByteArrayView text = row.utf8(column);
    if (const qint32 known = m_frequencyTexts.find(text); known >= 0)
        return known;
    Frequency frequency;
    if (const auto id = m_frequencyIds.constFind(QString::fromUtf8(text));
        id != m_frequencyIds.constEnd()) {
        frequency.known = true;
        frequency.id = *id;
    }
    m_frequencies << frequency;
    return m_frequencyTexts.add(text);
}

DrawCatalogue::RawLevel DrawCatalogue::readRawLevel(const Database& database, int spellLevel) {
    RawLevel level;
    // The level's spells from the index alone, in name order; the rest of a spell's row is read
    // when it is drawn.
    database.forEachRow(
        QStringLiteral("SELECT Name, Frequency, rowid FROM Spells WHERE Lvl = ? ORDER BY Name"),
        {QString::number(spellLevel)}, [&](const RowReader& row) {
            const QByteArrayView name = row.utf8(0);
            level.nameAt.append({qint32(level.names.size()), qint32(name.size())});
            level.names.append(name);
            level.frequencies << frequencyIndex(row, 1);
            level.rowIds << row.integer(2);
        });
    return level;
}

std::shared_ptr<SpellLevel> DrawCatalogue::indexLevel(const RawLevel& raw) const {
    auto level = std::make_shared<SpellLevel>();
    QList<LevelSpell>& spells = level->spells;
    spells.reserve(raw.rowIds.size());
    bool plain = true;
    QByteArrayView before;
    for (qsizetype i = 0; i < raw.rowIds.size(); ++i) {
        LevelSpell spell;
        spell.spell = findSpell(
            QByteArrayView(raw.names.constData() + raw.nameAt[i].first, raw.nameAt[i].second));
        if (spell.spell < 0)
            continue; // a spell without a school is in no book
        spell.frequency = raw.frequencies[i];
        spell.rowId = raw.rowIds[i];
        const QByteArrayView name = nameOf(spell.spell);
        plain = plain && isPlainName(name) && (spells.isEmpty() || compareBytes(before, name) < 0);
        before = name;
        spells.append(spell);
    }

    if (plain) {
        // Every name is distinct and already trimmed: each spell stands for itself.
        for (qsizetype i = 0; i < spells.size(); ++i)
            spells[i].drawKey = spells[i].storedAsTrimmed = qint32(i);
        return level;
    }
    // The index by name: by the name as stored, and by the name with its blanks removed.
    QStringList names;
    QHash<QString, qint32> byName;
    for (qsizetype i = 0; i < spells.size(); ++i) {
        names << QString::fromUtf8(nameOf(spells[i].spell));
        if (!byName.contains(names.last()))
            byName.insert(names.last(), qint32(i));
    }
    QHash<QString, qint32> byTrimmedName;
    for (qsizetype i = 0; i < spells.size(); ++i) {
        const QString trimmed = names[i].trimmed();
        auto first = byTrimmedName.constFind(trimmed);
        if (first == byTrimmedName.constEnd())
            first = byTrimmedName.insert(trimmed, qint32(i));
        spells[i].drawKey = *first;
        spells[i].storedAsTrimmed = byName.value(trimmed, -1);
    }
    return level;
}

void DrawCatalogue::readListRows(const Database& database, const SpellLevel& level,
                                 const QList<qint32>& spells) {
    QHash<qint64, qint32> missing; // spell number by rowid
    for (qint32 spell : spells) {
        const LevelSpell& drawn = level.spells[spell];
        if (!m_listRows.contains(drawn.rowId))
            missing.insert(drawn.rowId, drawn.spell);
    }
    QVariantList rowIds;
    for (auto it = missing.cbegin(); it != missing.cend(); ++it)
        rowIds << it.key();
    // Under the engine's limit of bound values in one statement.
    const qsizetype chunk = 500;
    for (qsizetype start = 0; start < rowIds.size(); start += chunk) {
        const QVariantList part = rowIds.mid(start, chunk);
        QString marks = QStringLiteral("?");
        for (qsizetype i = 1; i < part.size(); ++i)
            marks += QStringLiteral(",?");
        database.forEachRow(
            QStringLiteral("SELECT rowid, Name, Lvl, Frequency, Book, Page, Description FROM "
                           "Spells WHERE rowid IN (%1)")
                .arg(marks),
            part, [&](const RowReader& reader) {
                const qint64 rowId = reader.integer(0);
                const Schools schools = m_spells[missing.value(rowId)];
                SpellRow row;
                row.name = reader.text(1);
                row.level = reader.text(2);
                row.frequency = reader.text(3);
                for (qint32 i = 0; i < schools.count; ++i) {
                    if (i > 0)
                        row.schools += QStringLiteral(", ");
                    row.schools += m_schoolNames[m_schoolRows[schools.first + i]];
                }
                row.book = reader.text(4);
                row.page = reader.text(5);
                row.description = reader.text(6);
                m_listRows.insert(rowId, row);
            });
    }
    for (auto it = missing.cbegin(); it != missing.cend(); ++it) {
        if (!m_listRows.contains(it.key()))
            throw TwError(-1, QStringLiteral("DrawCatalogue"),
                          QCoreApplication::translate(
                              "DrawCatalogue",
                              "A spell changed in the spell database \"%1\" while the "
                              "book was drawn; draw it again.")
                              .arg(database.path()));
    }
}
