// Spellbook generation: one query per spell level, then the random draw of that level.
#include "library/CasterClasses.h"
#include "library/GenerationForm.h"
#include "library/SchoolCondition.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "ui/TwError.h"

#include <QHash>
#include <QSet>
#include <cmath>

namespace {

// The rows of the spells that qualify: a school row passes the condition and the spell's
// frequency is no rarer than the rarest allowed. Every school row of such a spell is kept.
RecordSet qualifyingRows(const RecordSet& levelRows, const SchoolCondition& condition,
                         const QHash<QString, qint64>& frequencyIds, qint32 rarestFrequency) {
    QStringList qualifying;
    RecordSet rows = levelRows.sortedWithin(QStringLiteral("Name"), QStringLiteral("SchoolOrder"));
    const qsizetype nameField = rows.fieldIndex(QStringLiteral("Name"));
    const qsizetype schoolField = rows.fieldIndex(QStringLiteral("Sphere"));
    const qsizetype frequencyField = rows.fieldIndex(QStringLiteral("Frequency"));
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        const QString name = rows.text(nameField);
        const auto frequency = frequencyIds.constFind(rows.text(frequencyField));
        if (frequency != frequencyIds.constEnd() && *frequency <= rarestFrequency &&
            condition.passes(rows.text(schoolField)) &&
            (qualifying.isEmpty() || qualifying.last() != name))
            qualifying << name;
    }
    return rows.whereIn(QStringLiteral("Name"), qualifying);
}

QStringList parsedSchools(const QString& listText, const char* what) {
    QStringList names;
    if (!SchoolListText::parse(listText, &names))
        throw TwError(-1, QStringLiteral("GenerateSpellbook"),
                      QStringLiteral("The %1 school list is not a list of quoted school names.")
                          .arg(QLatin1String(what)));
    return names;
}

} // namespace

int TW_Library::highestSpellLevel(qint32 casterLevel) {
    if (casterLevel <= 0)
        return 0;
    if (casterLevel <= 2)
        return 1;
    if (casterLevel <= 4)
        return 2;
    if (casterLevel <= 6)
        return 3;
    if (casterLevel <= 8)
        return 4;
    if (casterLevel <= 11)
        return 5;
    if (casterLevel <= 13)
        return 6;
    if (casterLevel <= 15)
        return 7;
    if (casterLevel <= 17)
        return 8;
    return 9;
}

void TW_Library::GenerateSpellbook(GenerationForm& MyForm, const QString& pIncludeCoreSchools,
                                   const QString& pExcludeSchools, const QString& /*pCasterName*/,
                                   qint32 pCasterLevel, const QString& pCasterClass,
                                   qint32 pSpellbookVolume, qint32 pSpellbookFrequency) {
    try {
        const int highest = highestSpellLevel(pCasterLevel);
        MyForm.setProgressMaximum(highest + 2);
        MyForm.setProgressValue(2);

        const bool specialist = pCasterClass.trimmed() != CasterClasses::kGeneralist;
        const SchoolCondition condition =
            requestCondition(specialist, pIncludeCoreSchools, pExcludeSchools);
        refreshCatalogueCache();

        for (int level = 1; level <= highest; ++level) {
            MyForm.setStatusText(2,
                                 QStringLiteral("Building List of Level %1 Spells...").arg(level));
            m_myset = qualifyingLevelRows(level, condition, pSpellbookFrequency);
            LoadListView(MyForm, level, *m_myset, pSpellbookVolume, specialist,
                         specialist ? pCasterClass : QString());
            MyForm.setProgressValue(MyForm.progressValue() + 1);
        }
        if (!m_limitedLevels.isEmpty())
            MyForm.setStatusText(3, kLimitedNoteStart + m_limitedLevels);
        m_limitedLevels.clear();
    } catch (const TwError& error) {
        m_limitedLevels.clear();
        m_myset.reset();
        throw error.raisedBy(QStringLiteral("GenerateSpellbook"), false);
    } catch (const std::exception& error) {
        m_limitedLevels.clear();
        m_myset.reset();
        throw TwError(-1, QStringLiteral("GenerateSpellbook"),
                      QString::fromUtf8(error.what()).trimmed());
    }
}

SchoolCondition TW_Library::requestCondition(bool specialist, const QString& pIncludeCoreSchools,
                                             const QString& pExcludeSchools) {
    const QStringList excluded = parsedSchools(pExcludeSchools, "excluded");
    const QStringList included =
        specialist ? parsedSchools(pIncludeCoreSchools, "core") : QStringList();
    const SchoolCondition condition(specialist, excluded, included);
    if (specialist && condition.included.isEmpty())
        throw TwError(-1, QStringLiteral("GenerateSpellbook"),
                      QStringLiteral("A specialist needs at least one core school."));
    return condition;
}

RecordSet TW_Library::qualifyingLevelRows(int level, const SchoolCondition& condition,
                                          qint32 rarestFrequency) {
    // One indexed read of the level's rows; the school and frequency conditions are then
    // applied to those rows in memory. A spell whose frequency is not in the frequency table
    // never qualifies.
    if (!m_cache.frequenciesRead) {
        RecordSet frequencies =
            m_database.snapshot(QStringLiteral("SELECT Frequency, FrequencyID FROM Frequency"));
        for (; !frequencies.eof(); frequencies.moveNext())
            m_cache.frequencyIds.insert(
                frequencies.text(QStringLiteral("Frequency")),
                frequencies.value(QStringLiteral("FrequencyID")).toLongLong());
        m_cache.frequenciesRead = true;
    }
    const QString sql =
        QStringLiteral("SELECT Spells.Name, Spells.Lvl, Spells.Frequency, Spells.Book, "
                       "Spells.Page, SpellandSphere.Sphere, SpellandSphere.rowid AS "
                       "SchoolOrder, Spells.Description ") +
        QStringLiteral("FROM Spells INNER JOIN SpellandSphere ON SpellandSphere.Name = "
                       "Spells.Name ") +
        QStringLiteral("WHERE Spells.Lvl = ? ORDER BY Spells.Name");
    m_sqlText = sql;
    RecordSet levelRows;
    if (const auto cached = m_cache.levels.constFind(level); cached != m_cache.levels.constEnd()) {
        levelRows = *cached;
    } else {
        levelRows = m_database.snapshot(sql, {QString::number(level)});
        if (levelRows.recordCount() <= kLargestCachedLevel)
            m_cache.levels.insert(level, levelRows);
    }
    return qualifyingRows(levelRows, condition, m_cache.frequencyIds, rarestFrequency);
}

void TW_Library::refreshCatalogueCache() {
    // data_version changes when another connection has committed a change to the file (a
    // catalogue import); this library itself never writes the catalogue tables.
    const qint64 version =
        m_database.snapshot(QStringLiteral("PRAGMA data_version")).value(qsizetype(0)).toLongLong();
    if (version == m_cache.dataVersion)
        return;
    m_cache = CatalogueCache();
    m_cache.dataVersion = version;
}

qint32 TW_Library::DrawVolumeCount(qint32 code) {
    static const qint32 ranges[6][2] = {{1, 3}, {2, 5}, {3, 10}, {5, 15}, {10, 30}, {0, 0}};
    if (code >= 1 && code <= 6) {
        m_levelMinimum = ranges[code - 1][0];
        m_levelMaximum = ranges[code - 1][1];
    }
    const double r = m_random.uniform();
    return qint32(
        std::floor(r * double(m_levelMaximum - m_levelMinimum + 1) + double(m_levelMinimum)));
}

QStringList TW_Library::CollectSpellNames(RecordSet set) {
    QStringList pool;
    QSet<QString> seen; // keeps the pool's distinct test linear on large catalogues
    const qsizetype nameField = set.fieldIndex(QStringLiteral("Name"));
    for (set.moveFirst(); !set.eof(); set.moveNext()) {
        const QString name = set.text(nameField).trimmed();
        if (!seen.contains(name)) {
            seen.insert(name);
            pool.append(name);
        }
    }
    return pool;
}

RecordSet TW_Library::FilterBySchools(const RecordSet& set, const QStringList& schools) {
    return set.whereIn(QStringLiteral("Sphere"), schools);
}

RecordSet TW_Library::FilterByField(const RecordSet& set, const QString& column,
                                    const QString& value) {
    return set.whereEquals(column, value);
}

void TW_Library::RemoveFromGeneralPool(const QString& name) {
    m_generalPool.removeOne(name);
}

void TW_Library::noteLimitedLevel(qint32 level) {
    if (!m_limitedLevels.isEmpty())
        m_limitedLevels += QStringLiteral(", ");
    m_limitedLevels += QString::number(level);
}

void TW_Library::LoadListView(GenerationForm& MyForm, qint32 CurrentLevel, const RecordSet& Myset,
                              qint32 spVolume, bool IsSpecialist, const QString& pCasterClass) {
    const bool custom = spVolume == 6;
    qint32 wanted = 0;
    if (custom) {
        const qint32 preset = m_settings.defaultFor(CurrentLevel);
        if (CurrentLevel >= 1 && CurrentLevel <= 9)
            wanted = preset >= 1 ? preset : DrawVolumeCount(6);
    } else {
        wanted = DrawVolumeCount(spVolume);
    }

    m_generalPool = CollectSpellNames(Myset);
    m_specialtyPool.clear();
    if (IsSpecialist) {
        const QStringList specialty = CasterClasses::specialtySchools(pCasterClass);
        if (specialty.isEmpty())
            throw TwError(-1, QStringLiteral("LoadListView"),
                          QStringLiteral("No specialty schools are known for the class \"%1\".")
                              .arg(pCasterClass.trimmed()));
        m_specialtyPool = CollectSpellNames(FilterBySchools(Myset, specialty));
    }

    const auto available = qint32(m_generalPool.size());
    const qint32 threshold = custom ? wanted : m_levelMinimum;
    if (available < threshold) {
        wanted = available;
        noteLimitedLevel(CurrentLevel);
    }
    if (available < wanted)
        wanted = available;

    const qint32 percentIndex = m_settings.SpecialistPercentIndex;
    if (IsSpecialist && percentIndex != 0) {
        // Halves go to the even neighbour (the default rounding mode).
        auto share = qint32(std::nearbyint(double(percentIndex) / 10.0 * double(wanted)));
        if (share < 1 && wanted > 0)
            share = 1;
        if (share > m_specialtyPool.size())
            share = qint32(m_specialtyPool.size());
        DrawSpells(m_specialtyPool, share, MyForm, true, Myset);
        wanted -= share;
    }
    DrawSpells(m_generalPool, wanted, MyForm, false, Myset);

    m_generalPool.clear();
    m_specialtyPool.clear();
}

void TW_Library::DrawSpells(QStringList& pool, qint32 count, GenerationForm& MyForm, bool specialty,
                            const RecordSet& Myset) {
    for (qint32 k = 0; k < count && !pool.isEmpty(); ++k) {
        const auto n = qsizetype(pool.size());
        auto index = qsizetype(m_random.uniform() * double(n));
        if (index >= n)
            index = n - 1;
        const QString name = pool.takeAt(index).trimmed();
        if (specialty)
            RemoveFromGeneralPool(name);

        if (const std::optional<SpellRow> row = spellRowFor(Myset, name))
            MyForm.appendSpellRow(*row);
    }
}

std::optional<SpellRow> TW_Library::spellRowFor(const RecordSet& Myset, const QString& name) {
    RecordSet rows = FilterByField(Myset, QStringLiteral("Name"), name);
    if (rows.eof())
        return std::nullopt;
    SpellRow row;
    row.name = rows.text(QStringLiteral("Name"));
    row.level = rows.text(QStringLiteral("Lvl"));
    row.frequency = rows.text(QStringLiteral("Frequency"));
    row.schools = rows.text(QStringLiteral("Sphere"));
    row.book = rows.text(QStringLiteral("Book"));
    row.page = rows.text(QStringLiteral("Page"));
    row.description = rows.text(QStringLiteral("Description"));
    for (rows.moveNext(); !rows.eof(); rows.moveNext())
        row.schools += QStringLiteral(", ") + rows.text(QStringLiteral("Sphere"));
    return row;
}
