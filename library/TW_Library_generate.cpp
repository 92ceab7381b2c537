// Spellbook generation: each spell level's spells (read once, see DrawCatalogue), then the
// random draw of that level.
#include "library/CasterClasses.h"
#include "library/DrawPool.h"
#include "library/GenerationForm.h"
#include "library/SchoolCondition.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QStringList parsedSchools(const QString& listText, const char* what) {
    QStringList names;
    if (!SchoolListText::parse(listText, &names))
        throw TwError(-1, QStringLiteral("GenerateSpellbook"),
                      QCoreApplication::translate(
                          "TW_Library", "The %1 school list is not a list of quoted school names.")
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

        // One consistent view of the file for the whole book: a spell's row read when it is
        // drawn is the row its level was read with.
        const ReadTransaction snapshot(m_database);
        QList<int> levels;
        for (int level = 1; level <= highest; ++level)
            levels << level;
        const QList<bool> schoolPasses = prepareCatalogue(levels, condition);
        for (int level = 1; level <= highest; ++level) {
            MyForm.setStatusText(
                2, QCoreApplication::translate("TW_Library", "Building List of Level %1 Spells...")
                       .arg(level));
            const std::shared_ptr<const SpellLevel> spells = m_catalogue.level(m_database, level);
            LoadListView(MyForm, level, *spells,
                         qualifyingSpells(*spells, schoolPasses, pSpellbookFrequency),
                         pSpellbookVolume, specialist, specialist ? pCasterClass : QString());
            MyForm.setProgressValue(MyForm.progressValue() + 1);
        }
        if (!m_limitedLevels.isEmpty())
            MyForm.setStatusText(3, limitedNote(m_limitedLevels));
        m_limitedLevels.clear();
    } catch (const TwError& error) {
        m_limitedLevels.clear();
        throw error.raisedBy(QStringLiteral("GenerateSpellbook"), false);
    } catch (const std::exception& error) {
        m_limitedLevels.clear();
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
                      QCoreApplication::translate("TW_Library",
                                                  "A specialist needs at least one core school."));
    return condition;
}

QList<bool> TW_Library::prepareCatalogue(const QList<int>& levels,
                                         const SchoolCondition& condition) {
    // The catalogue is read from the file once and kept while the file is unchanged; the
    // school and frequency conditions are applied to the kept spells.
    m_catalogue.refresh(m_database);
    m_catalogue.prepare(m_database, levels);
    QList<bool> schoolPasses;
    for (const QString& school : m_catalogue.schoolNames())
        schoolPasses << condition.passes(school);
    return schoolPasses;
}

QList<bool> TW_Library::qualifyingSpells(const SpellLevel& level, const QList<bool>& schoolPasses,
                                         qint32 rarestFrequency) const {
    // A spell qualifies when its frequency is no rarer than the rarest allowed and any one of
    // its schools passes the school conditions.
    const QList<qint32>& schoolRows = m_catalogue.schoolRows();
    QList<bool> qualifies(level.spells.size(), false);
    for (qsizetype i = 0; i < level.spells.size(); ++i) {
        const LevelSpell& spell = level.spells[i];
        const DrawCatalogue::Frequency& frequency = m_catalogue.frequency(spell.frequency);
        if (!frequency.known || frequency.id > rarestFrequency)
            continue;
        const DrawCatalogue::Schools schools = m_catalogue.schoolsOf(spell.spell);
        for (qint32 row = schools.first; row < schools.first + schools.count; ++row) {
            if (schoolPasses[schoolRows[row]]) {
                qualifies[i] = true;
                break;
            }
        }
    }
    return qualifies;
}

void TW_Library::volumeRange(qint32 code, qint32* minimum, qint32* maximum) {
    static const qint32 ranges[6][2] = {{1, 3}, {2, 5}, {3, 10}, {5, 15}, {10, 30}, {0, 0}};
    *minimum = ranges[code - 1][0];
    *maximum = ranges[code - 1][1];
}

qint32 TW_Library::DrawVolumeCount(qint32 code) {
    if (code >= 1 && code <= 6)
        volumeRange(code, &m_levelMinimum, &m_levelMaximum);
    const double r = m_random.uniform();
    return qint32(
        std::floor(r * double(m_levelMaximum - m_levelMinimum + 1) + double(m_levelMinimum)));
}

QList<qint32> TW_Library::CollectSpellNames(const SpellLevel& level, const QList<bool>& qualifies,
                                            const QStringList* schools) const {
    // The distinct names (blanks removed) of the qualifying spells, in name order; with
    // schools, only of the spells that have one of them.
    QList<bool> inSchools;
    if (schools) {
        for (const QString& school : m_catalogue.schoolNames())
            inSchools << schools->contains(school);
    }
    const QList<qint32>& schoolRows = m_catalogue.schoolRows();
    QList<qint32> pool;
    QList<bool> listed(level.spells.size(), false);
    for (qsizetype i = 0; i < level.spells.size(); ++i) {
        const LevelSpell& spell = level.spells[i];
        if (!qualifies[i] || listed[spell.drawKey])
            continue;
        bool wanted = !schools;
        const DrawCatalogue::Schools own = m_catalogue.schoolsOf(spell.spell);
        for (qint32 row = own.first; !wanted && row < own.first + own.count; ++row)
            wanted = inSchools[schoolRows[row]];
        if (wanted) {
            listed[spell.drawKey] = true;
            pool << spell.drawKey;
        }
    }
    return pool;
}

void TW_Library::noteLimitedLevel(qint32 level) {
    if (!m_limitedLevels.isEmpty())
        m_limitedLevels += QStringLiteral(", ");
    m_limitedLevels += QString::number(level);
}

void TW_Library::LoadListView(GenerationForm& MyForm, qint32 CurrentLevel, const SpellLevel& level,
                              const QList<bool>& qualifies, qint32 spVolume, bool IsSpecialist,
                              const QString& pCasterClass) {
    const bool custom = spVolume == 6;
    qint32 wanted = 0;
    if (custom) {
        const qint32 preset = m_settings.defaultFor(CurrentLevel);
        if (CurrentLevel >= 1 && CurrentLevel <= 9)
            wanted = preset >= 1 ? preset : DrawVolumeCount(6);
    } else {
        wanted = DrawVolumeCount(spVolume);
    }

    const QList<qint32> generalNames = CollectSpellNames(level, qualifies, nullptr);
    QList<qint32> specialtyNames;
    if (IsSpecialist) {
        const QStringList specialty = CasterClasses::specialtySchools(pCasterClass);
        if (specialty.isEmpty())
            throw TwError(-1, QStringLiteral("LoadListView"),
                          QCoreApplication::translate(
                              "TW_Library", "No specialty schools are known for the class \"%1\".")
                              .arg(pCasterClass.trimmed()));
        specialtyNames = CollectSpellNames(level, qualifies, &specialty);
    }
    DrawPool generalPool(generalNames, level.spells.size());
    DrawPool specialtyPool(specialtyNames, level.spells.size());

    const auto available = qint32(generalPool.size());
    const qint32 threshold = custom ? wanted : m_levelMinimum;
    if (available < threshold) {
        wanted = available;
        noteLimitedLevel(CurrentLevel);
    }
    if (available < wanted)
        wanted = available;

    QList<qint32> drawn;
    const qint32 percentIndex = m_settings.SpecialistPercentIndex;
    if (IsSpecialist && percentIndex != 0) {
        // Halves go to the even neighbour (the default rounding mode).
        auto share = qint32(std::nearbyint(double(percentIndex) / 10.0 * double(wanted)));
        if (share < 1 && wanted > 0)
            share = 1;
        if (share > specialtyPool.size())
            share = qint32(specialtyPool.size());
        DrawSpells(specialtyPool, share, &generalPool, level, qualifies, drawn);
        wanted -= share;
    }
    DrawSpells(generalPool, wanted, nullptr, level, qualifies, drawn);
    appendDrawnRows(MyForm, level, drawn);
}

void TW_Library::DrawSpells(DrawPool& pool, qint32 count, DrawPool* generalPool,
                            const SpellLevel& level, const QList<bool>& qualifies,
                            QList<qint32>& drawn) {
    for (qint32 k = 0; k < count && !pool.isEmpty(); ++k) {
        const qsizetype n = pool.size();
        auto index = qsizetype(m_random.uniform() * double(n));
        if (index >= n)
            index = n - 1;
        const qint32 name = pool.takeAt(index);
        // A spell drawn for the specialty is not drawn again from the general pool.
        if (generalPool)
            generalPool->remove(name);
        // The drawn name, blanks removed, is looked up as stored: a name stored with blanks
        // around it finds nothing and the draw counts all the same.
        const qint32 spell = level.spells[name].storedAsTrimmed;
        if (spell >= 0 && qualifies[spell])
            drawn << spell;
    }
}

void TW_Library::appendDrawnRows(GenerationForm& MyForm, const SpellLevel& level,
                                 const QList<qint32>& drawn) {
    m_catalogue.readListRows(m_database, level, drawn);
    for (qint32 spell : drawn)
        MyForm.appendSpellRow(m_catalogue.listRow(level.spells[spell].rowId));
}
