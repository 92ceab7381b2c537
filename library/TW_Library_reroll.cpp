// Re-rolling a book: the unpinned rows of some levels drawn again under the book's request.
#include "library/CasterClasses.h"
#include "library/GenerationForm.h"
#include "library/TW_Library.h"
#include "ui/TwError.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

int levelOf(const SpellRow& row) {
    return row.level.trimmed().toInt();
}

bool hasSchoolOf(const SpellRow& row, const QStringList& schools) {
    for (const QString& school : row.schools.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (schools.contains(school.trimmed()))
            return true;
    }
    return false;
}

QStringList without(const QStringList& names, const QSet<QString>& taken) {
    QStringList left;
    for (const QString& name : names) {
        if (!taken.contains(name))
            left << name;
    }
    return left;
}

} // namespace

QList<SpellRow> TW_Library::RerollSpellbook(GenerationForm& MyForm, const QList<SpellRow>& book,
                                            const QList<int>& levels,
                                            const QString& pIncludeCoreSchools,
                                            const QString& pExcludeSchools,
                                            const QString& pCasterClass, qint32 pSpellbookFrequency,
                                            qint32 specialistPercentIndex) {
    try {
        const bool specialist = pCasterClass.trimmed() != CasterClasses::kGeneralist;
        const SchoolCondition condition =
            requestCondition(specialist, pIncludeCoreSchools, pExcludeSchools);
        const QStringList specialty =
            specialist ? CasterClasses::specialtySchools(pCasterClass) : QStringList();
        if (specialist && specialty.isEmpty())
            throw TwError(-1, QStringLiteral("RerollSpellbook"),
                          QStringLiteral("No specialty schools are known for the class \"%1\".")
                              .arg(pCasterClass.trimmed()));
        refreshCatalogueCache();

        QList<int> wanted = levels;
        if (wanted.isEmpty()) {
            for (const SpellRow& row : book)
                wanted << levelOf(row);
        }
        std::sort(wanted.begin(), wanted.end());
        wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

        QList<SpellRow> result = book;
        QString limited;
        for (int level : wanted) {
            // The places of the rows drawn again, and every name the book keeps.
            QList<qsizetype> places;
            QSet<QString> kept;
            qint32 levelCount = 0;
            qint32 pinnedSpecialty = 0;
            for (qsizetype i = 0; i < result.size(); ++i) {
                const SpellRow& row = result[i];
                const bool atLevel = levelOf(row) == level;
                levelCount += atLevel ? 1 : 0;
                if (atLevel && !row.pinned) {
                    places << i;
                    continue;
                }
                kept.insert(row.name.trimmed());
                if (atLevel && specialist && hasSchoolOf(row, specialty))
                    ++pinnedSpecialty;
            }
            if (places.isEmpty())
                continue;

            const RecordSet rows = qualifyingLevelRows(level, condition, pSpellbookFrequency);
            m_generalPool = without(CollectSpellNames(rows), kept);
            m_specialtyPool.clear();
            // The level's specialty share is taken of its whole count, as when it was drawn;
            // pinned specialty spells count towards it.
            qint32 specialtyWanted = 0;
            if (specialist && specialistPercentIndex != 0) {
                m_specialtyPool =
                    without(CollectSpellNames(FilterBySchools(rows, specialty)), kept);
                auto share = qint32(
                    std::nearbyint(double(specialistPercentIndex) / 10.0 * double(levelCount)));
                if (share < 1 && levelCount > 0)
                    share = 1;
                specialtyWanted = std::clamp(share - pinnedSpecialty, 0, qint32(places.size()));
            }

            QList<SpellRow> drawn;
            const auto draw = [&](QStringList& pool, qint32 count, bool fromSpecialty) {
                for (qint32 k = 0; k < count && !pool.isEmpty(); ++k) {
                    const auto n = qsizetype(pool.size());
                    const auto index = std::min(qsizetype(m_random.uniform() * double(n)), n - 1);
                    const QString name = pool.takeAt(index).trimmed();
                    if (fromSpecialty)
                        RemoveFromGeneralPool(name);
                    if (const std::optional<SpellRow> row = spellRowFor(rows, name))
                        drawn << *row;
                }
            };
            draw(m_specialtyPool, specialtyWanted, true);
            draw(m_generalPool, qint32(places.size() - drawn.size()), false);
            m_generalPool.clear();
            m_specialtyPool.clear();

            if (drawn.size() < places.size()) {
                if (!limited.isEmpty())
                    limited += QStringLiteral(", ");
                limited += QString::number(level);
            }
            for (qsizetype k = 0; k < drawn.size(); ++k)
                result[places[k]] = drawn[k];
            // A short level gives up its last places.
            for (qsizetype k = places.size() - 1; k >= drawn.size(); --k)
                result.removeAt(places[k]);
        }
        if (!limited.isEmpty())
            MyForm.setStatusText(3, kLimitedNoteStart + limited);
        return result;
    } catch (const TwError& error) {
        m_generalPool.clear();
        m_specialtyPool.clear();
        throw error.raisedBy(QStringLiteral("RerollSpellbook"), false);
    }
}
