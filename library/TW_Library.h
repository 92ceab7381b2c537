#pragma once

#include "library/DrawCatalogue.h"
#include "library/RandomSource.h"
#include "library/SchoolCondition.h"
#include "library/SharedSettings.h"
#include "library/SpellRow.h"
#include "ui/Database.h"
#include "ui/RecordSet.h"

#include <QList>
#include <QString>
#include <QStringList>

class DrawPool;
class GenerationForm;

// The spell library: the one way into the spell database. Creating it opens the database;
// destroying it closes it. Every operation that fails raises TwError with its own name as
// source.
class TW_Library {
public:
    // The connect text of the shipped database.
    static inline const QString kConnectText = QStringLiteral(";pwd=kobold3");

    // Opens the database file at databasePath. The settings are read by every draw and must
    // outlive the library.
    TW_Library(const QString& databasePath, const SharedSettings& settings);

    // Catalogue queries; the caller owns the returned set.
    RecordSet FetchFrequencyList();
    RecordSet FetchAllSpells();
    RecordSet FetchSchoolList();
    // The spell's rows of AddSpheres, one per school; the name is matched exactly.
    RecordSet FetchSpellDetails(const QString& MySpell);
    // (Name, Description) of every spell that has a description.
    RecordSet FetchSpellDescriptions();

    // Draws a whole spellbook level by level into MyForm (see GenerationForm). The school lists
    // are list texts (SchoolListText).
    void GenerateSpellbook(GenerationForm& MyForm, const QString& pIncludeCoreSchools,
                           const QString& pExcludeSchools, const QString& pCasterName,
                           qint32 pCasterLevel, const QString& pCasterClass,
                           qint32 pSpellbookVolume, qint32 pSpellbookFrequency);

    // Draws again the unpinned rows of the given spell levels of a book (every level of the
    // book when levels is empty), under the request's school lists, class and rarest frequency
    // and the given specialist share (in tenths). Each level keeps its count and pinned rows
    // stay where they are; the new spells take the places of the old ones, and no spell is in
    // the book twice. A level that runs short keeps fewer rows. Status panel 3 names, as
    // generation names them, the levels of the book that are short now: those of limitedLevels
    // (the book's before) that were not drawn again, and those that ran short this time.
    // Returns the whole book.
    QList<SpellRow> RerollSpellbook(GenerationForm& MyForm, const QList<SpellRow>& book,
                                    const QList<int>& levels, const QString& pIncludeCoreSchools,
                                    const QString& pExcludeSchools, const QString& pCasterClass,
                                    qint32 pSpellbookFrequency, qint32 specialistPercentIndex,
                                    const QList<int>& limitedLevels = {});

    // What a request may draw at one spell level: how many spells qualify (as the draw counts
    // them: spells whose names differ only in the blanks around them count once) and the range
    // of spells the volume asks (for "Custom", the level's setting, or 0 to 0 when it has none).
    struct LevelPool {
        int level = 0;
        int qualifying = 0;
        int asksMinimum = 0;
        int asksMaximum = 0;
        QStringList names; // the stored names of the qualifying spells
    };
    // The pool of every spell level 1..9 for a request, with the same school conditions, rarest
    // frequency and specialty as GenerateSpellbook. Throws TwError.
    QList<LevelPool> RequestPool(const QString& pIncludeCoreSchools, const QString& pExcludeSchools,
                                 const QString& pCasterClass, qint32 pSpellbookVolume,
                                 qint32 pSpellbookFrequency);

    // Status panel 3's note on the levels (a list: "2, 5") that got fewer spells than their
    // volume, in the user's language.
    static QString limitedNote(const QString& levels);

    // The highest spell level a caster of this level can use (0 for none).
    static int highestSpellLevel(qint32 casterLevel);

    // Report staging.
    void InitializeSpellbook(const QList<SpellRow>& MyList, const QString& CasterName);
    void SetCasterHold(const QString& MySpellBook, const QString& FilterName = QString());
    bool AddNewCaster(const QString& MyCaster);
    bool DeleteNewCaster(const QString& MyCaster);

    // Forgets what the draw has read of the catalogue, so the next draw, re-roll or pool reads it
    // afresh. For a change of the catalogue written through this library's own connection,
    // which the draw cannot see (it notices only other connections' changes).
    void forgetCatalogue();

    RandomSource& random() { return m_random; }
    Database& database() { return m_database; }

private:
    QList<bool> qualifyingSpells(const SpellLevel& level, const QList<bool>& schoolPasses,
                                 qint32 rarestFrequency) const;
    void LoadListView(GenerationForm& MyForm, qint32 CurrentLevel, const SpellLevel& level,
                      const QList<bool>& qualifies, qint32 spVolume, bool IsSpecialist,
                      const QString& pCasterClass);
    qint32 DrawVolumeCount(qint32 code);
    static void volumeRange(qint32 code, qint32* minimum, qint32* maximum);
    QList<qint32> CollectSpellNames(const SpellLevel& level, const QList<bool>& qualifies,
                                    const QStringList* schools) const;
    void DrawSpells(DrawPool& pool, qint32 count, DrawPool* generalPool, const SpellLevel& level,
                    const QList<bool>& qualifies, QList<qint32>& drawn);
    void appendDrawnRows(GenerationForm& MyForm, const SpellLevel& level,
                         const QList<qint32>& drawn);
    void noteLimitedLevel(qint32 level);
    static SchoolCondition requestCondition(bool specialist, const QString& pIncludeCoreSchools,
                                            const QString& pExcludeSchools);
    // Reads the levels the catalogue does not hold yet (and reads it afresh when another
    // connection has changed the file); returns, by school number, whether each school passes.
    QList<bool> prepareCatalogue(const QList<int>& levels, const SchoolCondition& condition);
    void checkSchema();

    Database m_database;
    const SharedSettings& m_settings;
    RandomSource m_random;
    QString m_sqlText;
    // The spell tables as the draw reads them, kept while the catalogue in the file is
    // unchanged, so a batch of books reads the file once.
    DrawCatalogue m_catalogue;
    QString m_limitedLevels;
    qint32 m_levelMinimum = 0;
    qint32 m_levelMaximum = 0;
};
