// The pool of a request: what each spell level may draw, counted as the draw counts it.
#include "library/CasterClasses.h"
#include "library/TW_Library.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

QList<TW_Library::LevelPool> TW_Library::RequestPool(const QString& pIncludeCoreSchools,
                                                     const QString& pExcludeSchools,
                                                     const QString& pCasterClass,
                                                     qint32 pSpellbookVolume,
                                                     qint32 pSpellbookFrequency) {
    try {
        const bool specialist = pCasterClass.trimmed() != CasterClasses::kGeneralist;
        const SchoolCondition condition =
            requestCondition(specialist, pIncludeCoreSchools, pExcludeSchools);
        const ReadTransaction snapshot(m_database);
        const QList<int> levels = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        const QList<bool> schoolPasses = prepareCatalogue(levels, condition);
        QList<LevelPool> pools;
        for (int spellLevel : levels) {
            const std::shared_ptr<const SpellLevel> spells =
                m_catalogue.level(m_database, spellLevel);
            const QList<bool> qualifies =
                qualifyingSpells(*spells, schoolPasses, pSpellbookFrequency);
            LevelPool pool;
            pool.level = spellLevel;
            // The draw's own pool: one entry per name as the draw lists names.
            pool.qualifying = int(CollectSpellNames(*spells, qualifies, nullptr).size());
            for (qsizetype i = 0; i < spells->spells.size(); ++i) {
                if (qualifies[i])
                    pool.names << m_catalogue.nameOf(spells->spells[i]);
            }
            if (pSpellbookVolume == 6) {
                pool.asksMinimum = pool.asksMaximum = m_settings.defaultFor(spellLevel);
            } else if (pSpellbookVolume >= 1 && pSpellbookVolume <= 5) {
                volumeRange(pSpellbookVolume, &pool.asksMinimum, &pool.asksMaximum);
            }
            pools << pool;
        }
        return pools;
    } catch (const TwError& error) {
        throw error.raisedBy(QStringLiteral("RequestPool"), false);
    } catch (const std::exception& error) {
        throw TwError(-1, QStringLiteral("RequestPool"), QString::fromUtf8(error.what()).trimmed());
    }
}
