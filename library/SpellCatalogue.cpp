#include "library/SpellCatalogue.h"

#include "ui/Database.h"

namespace {

// A text field of this row, sharing the text of the row before when it is the same (a level's
// rows repeat their level, and often their frequency and book).
QString sharedText(const RowReader& row, int column, const QString* before) {
    if (before && row.isText(column) &&
        QAnyStringView::equal(QUtf8StringView(row.utf8(column)), *before))
        return *before;
    return row.text(column);
}

// A lookup key for UTF-8 bytes, without copying them.
QByteArray keyFor(QByteArrayView bytes) {
    return QByteArray::fromRawData(bytes.data(), bytes.size());
}

} // namespace

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
    // Every school row once, in the order stored: one pass over the table instead of a search
    // of its index for every spell of every level. Each spell's rows are then put together.
    QHash<QByteArray, qint32> schoolIds;
    QList<QPair<qint32, qint32>> rows; // (spell number, school number)
    QList<qint32> counts;              // by spell number
    database.forEachRow(
        QStringLiteral("SELECT Name, Sphere FROM SpellandSphere ORDER BY rowid"), {},
        [&](const RowReader& row) {
            const QByteArrayView name = row.utf8(0);
            auto spell = m_schoolsByName.constFind(keyFor(name));
            if (spell == m_schoolsByName.constEnd()) {
                spell = m_schoolsByName.insert(name.toByteArray(), {qint32(counts.size()), 0});
                counts << 0;
            }
            const QByteArrayView school = row.utf8(1);
            auto known = schoolIds.constFind(keyFor(school));
            if (known == schoolIds.constEnd()) {
                known = schoolIds.insert(school.toByteArray(), qint32(m_schoolNames.size()));
                m_schoolNames << QString::fromUtf8(school);
            }
            rows.append({spell->first, *known});
            ++counts[spell->first];
        });

    // Each spell's rows side by side, in the order stored.
    QList<qint32> starts(counts.size() + 1, 0);
    for (qsizetype i = 0; i < counts.size(); ++i)
        starts[i + 1] = starts[i] + counts[i];
    for (auto it = m_schoolsByName.begin(); it != m_schoolsByName.end(); ++it)
        *it = {starts[it->first], counts[it->first]};
    m_schoolRows.resize(rows.size());
    for (const auto& [spell, school] : rows)
        m_schoolRows[starts[spell]++] = school;
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

std::shared_ptr<SpellLevel> SpellCatalogue::readLevel(const Database& database,
                                                      int spellLevel) const {
    auto level = std::make_shared<SpellLevel>();
    QList<LevelSpell>& spells = level->spells;
    // The level's spells from the index alone, in name order; their descriptions are read only
    // for the spells drawn.
    database.forEachRow(
        QStringLiteral("SELECT Name, Lvl, Frequency, Book, Page, rowid FROM Spells WHERE Lvl = ? "
                       "ORDER BY Name"),
        {QString::number(spellLevel)}, [&](const RowReader& row) {
            const auto schools = m_schoolsByName.constFind(keyFor(row.utf8(0)));
            if (schools == m_schoolsByName.constEnd())
                return; // a spell without a school is in no book
            const LevelSpell* before = spells.isEmpty() ? nullptr : &spells.last();
            LevelSpell spell;
            spell.name = row.text(0);
            spell.level = sharedText(row, 1, before ? &before->level : nullptr);
            spell.frequency = sharedText(row, 2, before ? &before->frequency : nullptr);
            spell.book = sharedText(row, 3, before ? &before->book : nullptr);
            spell.page = sharedText(row, 4, before ? &before->page : nullptr);
            spell.rowId = row.integer(5);
            if (before && spell.frequency.isSharedWith(before->frequency)) {
                spell.frequencyKnown = before->frequencyKnown;
                spell.frequencyId = before->frequencyId;
            } else if (const auto id = m_frequencyIds.constFind(spell.frequency);
                       id != m_frequencyIds.constEnd()) {
                spell.frequencyKnown = true;
                spell.frequencyId = *id;
            }
            spell.firstSchool = schools->first;
            spell.schoolCount = schools->second;
            spells.append(std::move(spell));
        });

    // The index by name: by the name as stored, and by the name with its blanks removed.
    QHash<QString, qint32> byName;
    QHash<QString, qint32> byTrimmedName;
    byName.reserve(spells.size());
    byTrimmedName.reserve(spells.size());
    for (qsizetype i = 0; i < spells.size(); ++i) {
        if (!byName.contains(spells[i].name))
            byName.insert(spells[i].name, qint32(i));
    }
    for (qsizetype i = 0; i < spells.size(); ++i) {
        const QString trimmed = spells[i].name.trimmed();
        auto first = byTrimmedName.constFind(trimmed);
        if (first == byTrimmedName.constEnd())
            first = byTrimmedName.insert(trimmed, qint32(i));
        spells[i].drawKey = *first;
        spells[i].storedAsTrimmed = byName.value(trimmed, -1);
    }
    return level;
}

void SpellCatalogue::readDescriptions(const Database& database, const QList<qint64>& rowIds) {
    QVariantList missing;
    for (qint64 rowId : rowIds) {
        if (!m_descriptions.contains(rowId))
            missing << rowId;
    }
    // Under the engine's limit of bound values in one statement.
    const qsizetype chunk = 500;
    for (qsizetype start = 0; start < missing.size(); start += chunk) {
        const QVariantList part = missing.mid(start, chunk);
        QString marks = QStringLiteral("?");
        for (qsizetype i = 1; i < part.size(); ++i)
            marks += QStringLiteral(",?");
        for (const QVariant& rowId : part) // a row gone meanwhile has no description
            m_descriptions.insert(rowId.toLongLong(), QString());
        database.forEachRow(
            QStringLiteral("SELECT rowid, Description FROM Spells WHERE rowid IN (%1)").arg(marks),
            part,
            [&](const RowReader& row) { m_descriptions.insert(row.integer(0), row.text(1)); });
    }
}
