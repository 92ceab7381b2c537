#include "library/SpellCatalogue.h"

#include "ui/Database.h"
#include "ui/TwError.h"

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

qint32 SpellCatalogue::FewTexts::find(QByteArrayView text) const {
    if (!m_byText.isEmpty())
        return m_byText.value(keyFor(text), -1);
    for (qsizetype i = 0; i < m_texts.size(); ++i) {
        if (m_texts[i].size() == text.size() && compareBytes(m_texts[i], text) == 0)
            return qint32(i);
    }
    return -1;
}

qint32 SpellCatalogue::FewTexts::add(QByteArrayView text) {
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

QByteArrayView SpellCatalogue::nameOf(qint32 spell) const {
    return QByteArrayView(m_names.constData() + m_nameAt[spell].first, m_nameAt[spell].second);
}

qint32 SpellCatalogue::findSpell(QByteArrayView name, qint32& hint) const {
    if (!m_namesInByteOrder)
        return m_spellByName.value(keyFor(name), -1);
    // Every spell before low has a smaller name; the name, if there, lies before high.
    const auto count = qint32(m_nameAt.size());
    qint32 low = 0;
    qint32 high = std::min(hint + 1, count);
    if (hint < count && compareBytes(nameOf(hint), name) < 0) {
        // Gallop forward from the hint: the next name of a level is seldom far.
        low = hint + 1;
        qint32 step = 1;
        for (;;) {
            const qint32 probe = low + step - 1;
            if (probe >= count) {
                high = count;
                break;
            }
            if (compareBytes(nameOf(probe), name) >= 0) {
                high = probe + 1;
                break;
            }
            low = probe + 1;
            step *= 2;
        }
    }
    while (low < high) {
        const qint32 middle = low + (high - low) / 2;
        if (compareBytes(nameOf(middle), name) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    hint = low;
    return low < count && compareBytes(nameOf(low), name) == 0 ? low : -1;
}

void SpellCatalogue::refresh(const Database& database) {
    // data_version changes when another connection has committed a change to the file (a
    // catalogue import); the library itself never writes the catalogue tables.
    const qint64 version =
        database.snapshot(QStringLiteral("PRAGMA data_version")).value(qsizetype(0)).toLongLong();
    if (version == m_dataVersion)
        return;
    *this = SpellCatalogue();
    m_dataVersion = version;
}

const QHash<QString, qint64>& SpellCatalogue::frequencyIds(const Database& database) {
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

void SpellCatalogue::readSchools(const Database& database) {
    // Every school row once, each spell's rows together: one pass over the index of the
    // school table instead of a search of it for every spell of every level.
    FewTexts schools;
    QList<QPair<qint64, qint32>> spellRows; // (rowid, school) of the spell being read
    const auto closeSpell = [&] {
        // A spell's schools in the order they were stored.
        std::sort(spellRows.begin(), spellRows.end());
        m_spells.append({qint32(m_schoolRows.size()), qint32(spellRows.size())});
        for (const auto& [rowId, school] : spellRows)
            m_schoolRows << school;
        spellRows.clear();
    };
    database.forEachRow(
        QStringLiteral("SELECT Name, Sphere, rowid FROM SpellandSphere ORDER BY Name"), {},
        [&](const RowReader& row) {
            const QByteArrayView name = row.utf8(0);
            const int order =
                m_nameAt.isEmpty() ? 1 : compareBytes(name, nameOf(qint32(m_nameAt.size() - 1)));
            if (order != 0) {
                if (!spellRows.isEmpty())
                    closeSpell();
                m_namesInByteOrder = m_namesInByteOrder && order > 0;
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
    // Names out of byte order (values that are not text) are found by hashing instead. The
    // names are all in place now: the keys can point into them.
    if (!m_namesInByteOrder) {
        for (qsizetype spell = 0; spell < m_nameAt.size(); ++spell) {
            const QByteArrayView name = nameOf(qint32(spell));
            if (!m_spellByName.contains(keyFor(name)))
                m_spellByName.insert(keyFor(name), qint32(spell));
        }
    }
    m_schoolsRead = true;
}

std::shared_ptr<const SpellLevel> SpellCatalogue::level(const Database& database, int spellLevel) {
    if (const auto kept = m_levels.constFind(spellLevel); kept != m_levels.constEnd())
        return *kept;
    frequencyIds(database);
    if (!m_schoolsRead)
        readSchools(database);
    std::shared_ptr<const SpellLevel> read = readLevel(database, spellLevel);
    if (read->spells.size() <= kLargestCachedLevel)
        m_levels.insert(spellLevel, read);
    return read;
}

qint32 SpellCatalogue::frequencyIndex(const RowReader& row, int column) {
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

std::shared_ptr<SpellLevel> SpellCatalogue::readLevel(const Database& database, int spellLevel) {
    auto level = std::make_shared<SpellLevel>();
    QList<LevelSpell>& spells = level->spells;
    bool plain = true;
    QByteArrayView before;
    qint32 hint = 0;
    // The level's spells from the index alone, in name order; the rest of a spell's row is read
    // when it is drawn.
    database.forEachRow(
        QStringLiteral("SELECT Name, Frequency, rowid FROM Spells WHERE Lvl = ? ORDER BY Name"),
        {QString::number(spellLevel)}, [&](const RowReader& row) {
            LevelSpell spell;
            spell.spell = findSpell(row.utf8(0), hint);
            if (spell.spell < 0)
                return; // a spell without a school is in no book
            spell.frequency = frequencyIndex(row, 1);
            spell.rowId = row.integer(2);
            const QByteArrayView name = nameOf(spell.spell);
            plain =
                plain && isPlainName(name) && (spells.isEmpty() || compareBytes(before, name) < 0);
            before = name;
            spells.append(spell);
        });

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

void SpellCatalogue::readListRows(const Database& database, const SpellLevel& level,
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
            throw TwError(-1, QStringLiteral("SpellCatalogue"),
                          QStringLiteral("A spell changed in the spell database \"%1\" while the "
                                         "book was drawn; draw it again.")
                              .arg(database.path()));
    }
}
