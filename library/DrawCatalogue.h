#pragma once

#include "library/SpellRow.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class Database;

// One spell of a level as the draw sees it: what decides whether it qualifies, and where the
// draw finds it by name. The fields of its list row are read only when it is drawn.
struct LevelSpell {
    qint64 rowId = 0;     // its row in Spells
    qint32 spell = 0;     // its number in the catalogue (DrawCatalogue::schoolsOf)
    qint32 frequency = 0; // DrawCatalogue::frequency
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
// catalogue in it is unchanged: every spell's schools, each level's spells, and the list rows
// of the spells drawn so far. Throws TwError from the engine.
class DrawCatalogue {
public:
    struct Frequency {
        bool known = false; // the frequency table lists it
        qint64 id = 0;      // its FrequencyID
    };
    struct Schools {
        qint32 first = 0; // in schoolRows()
        qint32 count = 0;
    };

    // Forgets everything read when another connection has changed the file since.
    void refresh(const Database& database);

    // FrequencyID by frequency name.
    const QHash<QString, qint64>& frequencyIds(const Database& database);
    // Reads the spell levels not read yet, all at once.
    void prepare(const Database& database, const QList<int>& spellLevels);
    // The spells of a spell level.
    std::shared_ptr<const SpellLevel> level(const Database& database, int spellLevel);

    // School names by school number; every spell's school numbers, each spell's together in the
    // order they were stored; where a spell's are.
    const QStringList& schoolNames() const { return m_schoolNames; }
    const QList<qint32>& schoolRows() const { return m_schoolRows; }
    Schools schoolsOf(qint32 spell) const { return m_spells[spell]; }
    const Frequency& frequency(qint32 index) const { return m_frequencies[index]; }
    // A spell's name as stored.
    QString nameOf(const LevelSpell& spell) const { return QString::fromUtf8(nameOf(spell.spell)); }

    // Reads the list rows of these spells of the level that have not been read yet.
    void readListRows(const Database& database, const SpellLevel& level,
                      const QList<qint32>& spells);
    // A list row read before.
    const SpellRow& listRow(qint64 rowId) const { return *m_listRows.constFind(rowId); }

private:
    // Numbers the distinct texts of a column that holds a few of them (schools, frequencies): a
    // look through the texts met so far beats hashing for a few dozen.
    class FewTexts {
    public:
        qint32 find(QByteArrayView text) const;
        qint32 add(QByteArrayView text);

    private:
        QList<QByteArray> m_texts;
        QHash<QByteArray, qint32> m_byText; // once there are many
    };

    // A level's rows as read, before they are matched with the schools.
    struct RawLevel {
        QByteArray names;                    // one after another, as stored
        QList<QPair<qint32, qint32>> nameAt; // (offset, size) in names
        QList<qint32> frequencies;
        QList<qint64> rowIds;
    };

    void readSchools(const Database& database);
    void clearSchools();
    RawLevel readRawLevel(const Database& database, int spellLevel);
    std::shared_ptr<SpellLevel> indexLevel(const RawLevel& raw) const;
    QByteArrayView nameOf(qint32 spell) const;
    // The spell of this name as stored (-1 for none).
    qint32 findSpell(QByteArrayView name) const;
    void indexNames();
    qint32 frequencyIndex(const class RowReader& row, int column);
    void indexByName(SpellLevel& level) const;

    qint64 m_dataVersion = -1;
    bool m_frequenciesRead = false;
    QHash<QString, qint64> m_frequencyIds;

    bool m_schoolsRead = false;
    QStringList m_schoolNames;
    QList<qint32> m_schoolRows;
    QList<Schools> m_spells; // by spell number
    // The names of the spells that have schools, one after another (UTF-8, as stored), and a
    // hash table of them (see findSpell).
    QByteArray m_names;
    QList<QPair<qint32, qint32>> m_nameAt; // (offset, size) in m_names, by spell number
    QList<qint32> m_nameTable;

    // The frequency texts met so far.
    QList<Frequency> m_frequencies;
    FewTexts m_frequencyTexts;

    QHash<int, std::shared_ptr<const SpellLevel>> m_levels;
    QHash<qint64, SpellRow> m_listRows;
};
