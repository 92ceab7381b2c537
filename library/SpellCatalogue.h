#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class Database;

// One spell of a level as the draw reads it: the fields of the list row, its school rows and
// its frequency, and where the draw finds it by name.
struct LevelSpell {
    QString name; // as stored
    QString level;
    QString frequency;
    QString book;
    QString page;
    qint64 rowId = 0; // its row in Spells, where its description is read when it is drawn
    qint64 frequencyId = 0;
    bool frequencyKnown = false; // the frequency table lists it
    // Its schools, in the order they were stored: SpellCatalogue::schoolRows() from firstSchool.
    qint32 firstSchool = 0;
    qint32 schoolCount = 0;
    // The draw lists spells by name with the blanks around it removed: the first spell of the
    // level with this spell's trimmed name stands for all that share it...
    qint32 drawKey = 0;
    // ...and a drawn name gives the spell stored under exactly that name (-1 when none is).
    qint32 storedAsTrimmed = -1;
};

// The spells of one level that have at least one school, in name order.
struct SpellLevel {
    QList<LevelSpell> spells;
};

// What the draw reads of the spell tables, read from the file once and kept while the
// catalogue in it is unchanged, so a session's books after the first read nothing but the
// descriptions of spells not drawn before. Throws TwError from the engine.
class SpellCatalogue {
public:
    // A level of more spells than this is read anew for every book (it would hold too much).
    static constexpr qsizetype kLargestCachedLevel = 20000;

    // Forgets everything read when another connection has changed the file since.
    void refresh(const Database& database);

    // FrequencyID by frequency name.
    const QHash<QString, qint64>& frequencyIds(const Database& database);
    // The spells of a spell level.
    std::shared_ptr<const SpellLevel> level(const Database& database, int spellLevel);

    // School names by school number, and every spell's school numbers, each spell's together.
    const QStringList& schoolNames() const { return m_schoolNames; }
    const QList<qint32>& schoolRows() const { return m_schoolRows; }

    // Reads the descriptions of these Spells rows that have not been read yet.
    void readDescriptions(const Database& database, const QList<qint64>& rowIds);
    // A description read before; the empty text for a spell without one.
    QString description(qint64 rowId) const { return m_descriptions.value(rowId); }

private:
    void readSchools(const Database& database);
    std::shared_ptr<SpellLevel> readLevel(const Database& database, int spellLevel) const;

    qint64 m_dataVersion = -1;
    bool m_frequenciesRead = false;
    QHash<QString, qint64> m_frequencyIds;
    bool m_schoolsRead = false;
    QStringList m_schoolNames;
    QList<qint32> m_schoolRows;
    // Where each spell's school numbers start in m_schoolRows and how many there are, by the
    // spell's name as stored (UTF-8).
    QHash<QByteArray, QPair<qint32, qint32>> m_schoolsByName;
    QHash<int, std::shared_ptr<const SpellLevel>> m_levels;
    QHash<qint64, QString> m_descriptions;
};
