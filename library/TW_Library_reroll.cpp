// Re-rolling a book: the unpinned rows of some levels drawn again under the book's request.
#include "library/CasterClasses.h"
#include "library/DrawPool.h"
#include "library/GenerationForm.h"
#include "library/TW_Library.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
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

// The entries of a draw list whose names the book keeps taken out.
QList<qint32> without(const QList<qint32>& entries, const SpellLevel& level,
                      const DrawCatalogue& catalogue, const QSet<QString>& taken) {
    QList<qint32> left;
    for (qint32 entry : entries) {
        if (!taken.contains(catalogue.nameOf(level.spells[entry]).trimmed()))
            left << entry;
    }
    return left;
}

} // namespace

QList<SpellRow> TW_Library::RerollSpellbook(
    GenerationForm& MyForm, const QList<SpellRow>& book, const QList<int>& levels,
    const QString& pIncludeCoreSchools, const QString& pExcludeSchools, const QString& pCasterClass,
    qint32 pSpellbookFrequency, qint32 specialistPercentIndex, const QList<int>& limitedLevels) {
    try {
        const bool specialist = pCasterClass.trimmed() != CasterClasses::kGeneralist;
        const SchoolCondition condition =
            requestCondition(specialist, pIncludeCoreSchools, pExcludeSchools);
        const QStringList specialty =
            specialist ? CasterClasses::specialtySchools(pCasterClass) : QStringList();
        if (specialist && specialty.isEmpty())
            throw TwError(-1, QStringLiteral("RerollSpellbook"),
                          QCoreApplication::translate(
                              "TW_Library", "No specialty schools are known for the class \"%1\".")
                              .arg(pCasterClass.trimmed()));

        QList<int> wanted = levels;
        if (wanted.isEmpty()) {
            for (const SpellRow& row : book)
                wanted << levelOf(row);
        }
        std::sort(wanted.begin(), wanted.end());
        wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

        // One consistent view of the file, as for a new book.
        const ReadTransaction snapshot(m_database);
        const QList<bool> schoolPasses = prepareCatalogue(wanted, condition);

        QList<SpellRow> result = book;
        // A level that is not drawn again stays as short as it was.
        QSet<int> limited(limitedLevels.cbegin(), limitedLevels.cend());
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
            limited.remove(level);

            const std::shared_ptr<const SpellLevel> spells = m_catalogue.level(m_database, level);
            const QList<bool> qualifies =
                qualifyingSpells(*spells, schoolPasses, pSpellbookFrequency);
            DrawPool generalPool(
                without(CollectSpellNames(*spells, qualifies, nullptr), *spells, m_catalogue, kept),
                spells->spells.size());
            // The level's specialty share is taken of its whole count, as when it was drawn;
            // pinned specialty spells count towards it.
            QList<qint32> specialtyNames;
            qint32 specialtyWanted = 0;
            if (specialist && specialistPercentIndex != 0) {
                specialtyNames = without(CollectSpellNames(*spells, qualifies, &specialty), *spells,
                                         m_catalogue, kept);
                auto share = qint32(
                    std::nearbyint(double(specialistPercentIndex) / 10.0 * double(levelCount)));
                if (share < 1 && levelCount > 0)
                    share = 1;
                specialtyWanted = std::clamp(share - pinnedSpecialty, 0, qint32(places.size()));
            }
            DrawPool specialtyPool(specialtyNames, spells->spells.size());

            QList<qint32> drawnSpells;
            DrawSpells(specialtyPool, specialtyWanted, &generalPool, *spells, qualifies,
                       drawnSpells);
            DrawSpells(generalPool, qint32(places.size() - drawnSpells.size()), nullptr, *spells,
                       qualifies, drawnSpells);
            m_catalogue.readListRows(m_database, *spells, drawnSpells);
            QList<SpellRow> drawn;
            for (qint32 spell : drawnSpells)
                drawn << m_catalogue.listRow(spells->spells[spell].rowId);

            if (drawn.size() < places.size())
                limited.insert(level);
            for (qsizetype k = 0; k < drawn.size(); ++k)
                result[places[k]] = drawn[k];
            // A short level gives up its last places.
            for (qsizetype k = places.size() - 1; k >= drawn.size(); --k)
                result.removeAt(places[k]);
        }
        if (!limited.isEmpty()) {
            QList<int> levelsShort(limited.cbegin(), limited.cend());
            std::sort(levelsShort.begin(), levelsShort.end());
            QStringList names;
            for (int level : levelsShort)
                names << QString::number(level);
            MyForm.setStatusText(3, limitedNote(names.join(QStringLiteral(", "))));
        }
        return result;
    } catch (const TwError& error) {
        throw error.raisedBy(QStringLiteral("RerollSpellbook"), false);
    } catch (const std::exception& error) {
        throw TwError(-1, QStringLiteral("RerollSpellbook"),
                      QString::fromUtf8(error.what()).trimmed());
    }
}
