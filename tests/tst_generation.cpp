// Drawing a spellbook: levels, queries, volumes, the specialist share, notes and randomness.
#include "library/DrawPool.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"
#include "ui/Database.h"
#include "ui/TwError.h"

#include <QSet>
#include <QtTest>
#include <algorithm>
#include <random>

namespace {
const QString kNote = "Following Levels Volume was limited by criteria: ";
const QString kMageExclusions = "('Wild')";
const QString kAllCore = SchoolListText::build(
    {"Abjuration", "Alteration", "Charm", "Conjuration", "Divination", "Enchantment", "Evocation",
     "Illusion", "Invocation", "Necromancy", "Phantasm", "Summoning"});
enum Volume { Sparse = 1, Low, Average, High, Full, Custom };

// n spells of one level and school, named "<prefix> 1" ...
QList<CatalogueSpell> spells(const QString& prefix, int level, int n, const QString& schools,
                             const QString& frequency = "Common") {
    QList<CatalogueSpell> list;
    for (int i = 1; i <= n; ++i)
        list << FixtureDatabase::spell(QString("%1 %2").arg(prefix).arg(i, 2, 10, QChar('0')),
                                       level, frequency, schools);
    return list;
}
int distinctCount(const RecordingForm& form) {
    const QStringList names = form.names();
    return int(QSet<QString>(names.begin(), names.end()).size());
}
} // namespace

class TestGeneration : public QObject {
    Q_OBJECT

private slots:
    void highestSpellLevel_data();
    void highestSpellLevel();
    void progressAndStatusPerLevel_data();
    void progressAndStatusPerLevel();
    void volumeCutsAndNotes_data();
    void volumeCutsAndNotes();
    void notesListLevelsInOrder();
    void classTextDecidesGeneralist_data();
    void classTextDecidesGeneralist();
    void specialistShareComesFirstWithoutRepeats();
    void specialistShareIndexZeroDrawsGenerally();
    void multiSchoolSpellListedOnceInOrder();
    void schoolAndFrequencyConditions_data();
    void schoolAndFrequencyConditions();
    void hostileSchoolNames();
    void malformedListTextIsRefused();
    void sameSeedSameBookOtherSeedOtherBook();
    void catalogueChangeIsSeen();
    void spellWithoutSchoolIsNeverDrawn();
    void firstBookAfterAFailedRead_data();
    void firstBookAfterAFailedRead();
    void drawPoolTakesLikeAClosingList_data();
    void drawPoolTakesLikeAClosingList();
    void volumeCountIsUniform();
    void everySpellEquallyLikely();

private:
    SharedSettings m_settings;
};

void TestGeneration::highestSpellLevel_data() {
    QTest::addColumn<int>("caster");
    QTest::addColumn<int>("highest");
    const QList<QPair<int, int>> table = {{-3, 0}, {0, 0},  {1, 1},  {2, 1},  {3, 2},  {4, 2},
                                          {5, 3},  {6, 3},  {7, 4},  {8, 4},  {9, 5},  {11, 5},
                                          {12, 6}, {13, 6}, {14, 7}, {15, 7}, {16, 8}, {17, 8},
                                          {18, 9}, {30, 9}, {99, 9}};
    for (const auto& [caster, highest] : table)
        QTest::addRow("caster %d", caster) << caster << highest;
}

void TestGeneration::highestSpellLevel() {
    QFETCH(int, caster);
    QFETCH(int, highest);
    QCOMPARE(TW_Library::highestSpellLevel(caster), highest);
}

void TestGeneration::progressAndStatusPerLevel_data() {
    QTest::addColumn<int>("caster");
    QTest::addColumn<int>("levels");
    QTest::newRow("level 0 draws nothing") << 0 << 0;
    QTest::newRow("5th caster") << 5 << 3;
    QTest::newRow("18th caster") << 18 << 9;
    QTest::newRow("30th caster") << 30 << 9;
}

void TestGeneration::progressAndStatusPerLevel() {
    QFETCH(int, caster);
    QFETCH(int, levels);
    FixtureDatabase fixture;
    QList<CatalogueSpell> all;
    for (int level = 1; level <= 9; ++level)
        all << spells(QString("L%1").arg(level), level, 4, "Evocation");
    fixture.build(all);
    TW_Library library(fixture.path(), m_settings);
    library.random().reseed(7);
    RecordingForm form;
    library.GenerateSpellbook(form, "", "", "Name", caster, "MAGE", Sparse, 5);
    QCOMPARE(form.progressMaximum, levels + 2);
    QCOMPARE(form.progress, levels + 2);
    QStringList expected;
    for (int level = 1; level <= levels; ++level)
        expected << QString("Building List of Level %1 Spells...").arg(level);
    QCOMPARE(form.panel2History, expected);
    QCOMPARE(form.panel3, QString());
    QSet<QString> levelsSeen;
    for (const SpellRow& row : form.rows)
        levelsSeen.insert(row.level);
    QCOMPARE(levelsSeen.size(), levels);
    // Levels come in increasing order.
    for (int i = 1; i < form.rows.size(); ++i)
        QVERIFY(form.rows[i - 1].level <= form.rows[i].level);
}

void TestGeneration::volumeCutsAndNotes_data() {
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("candidates");
    QTest::addColumn<int>("customDefault");
    QTest::addColumn<int>("minRows");
    QTest::addColumn<int>("maxRows");
    QTest::addColumn<bool>("noted");
    QTest::newRow("sparse, 2 candidates") << int(Sparse) << 2 << 0 << 1 << 2 << false;
    QTest::newRow("sparse, none") << int(Sparse) << 0 << 0 << 0 << 0 << true;
    QTest::newRow("low, 1 candidate") << int(Low) << 1 << 0 << 1 << 1 << true;
    QTest::newRow("full, 12 candidates") << int(Full) << 12 << 0 << 10 << 12 << false;
    QTest::newRow("full, 9 candidates") << int(Full) << 9 << 0 << 9 << 9 << true;
    QTest::newRow("custom 4 of 3") << int(Custom) << 3 << 4 << 3 << 3 << true;
    QTest::newRow("custom 4 of 10") << int(Custom) << 10 << 4 << 4 << 4 << false;
    QTest::newRow("custom 0") << int(Custom) << 10 << 0 << 0 << 0 << false;
    QTest::newRow("custom negative") << int(Custom) << 10 << -2 << 0 << 0 << false;
}

void TestGeneration::volumeCutsAndNotes() {
    QFETCH(int, volume);
    QFETCH(int, candidates);
    QFETCH(int, customDefault);
    QFETCH(int, minRows);
    QFETCH(int, maxRows);
    QFETCH(bool, noted);
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, candidates, "Alteration") +
                  spells("Other", 2, 3, "Alteration"));
    SharedSettings settings;
    settings.DefaultFirst = customDefault;
    TW_Library library(fixture.path(), settings);
    bool sawMax = false;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        library.random().reseed(seed);
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Name", 1, "MAGE", volume, 5);
        QVERIFY(form.rows.size() >= minRows);
        QVERIFY(form.rows.size() <= maxRows);
        sawMax = sawMax || form.rows.size() == maxRows;
        QCOMPARE(distinctCount(form), form.rows.size());
        QCOMPARE(form.panel3, noted ? kNote + "1" : QString());
    }
    QVERIFY(sawMax);
}

void TestGeneration::notesListLevelsInOrder() {
    FixtureDatabase fixture;
    QList<CatalogueSpell> all;
    for (int level : {2, 3, 5, 6, 7, 8})
        all << spells(QString("L%1").arg(level), level, 3, "Divination");
    fixture.build(all);
    TW_Library library(fixture.path(), m_settings);
    RecordingForm form;
    library.GenerateSpellbook(form, "", "", "Name", 20, "MAGE", Sparse, 5);
    QCOMPARE(form.panel3, kNote + "1, 4, 9");
    // The note belongs to one run: the next run starts afresh.
    RecordingForm second;
    library.GenerateSpellbook(second, "", "", "Name", 3, "MAGE", Sparse, 5);
    QCOMPARE(second.panel3, kNote + "1");
}

void TestGeneration::classTextDecidesGeneralist_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("include");
    QTest::addColumn<QString>("exclude");
    QTest::addColumn<QString>("error");
    QTest::newRow("MAGE with blanks ignores the core list")
        << "  MAGE "
        << "not a list" << kMageExclusions << "";
    QTest::newRow("blank exclusions are none") << "MAGE"
                                               << ""
                                               << "   "
                                               << "";
    QTest::newRow("Mage is a specialist without a specialty")
        << "Mage" << kAllCore << kMageExclusions << "No specialty schools are known";
    QTest::newRow("DIVINER") << "DIVINER" << kAllCore << kMageExclusions << "";
}

void TestGeneration::classTextDecidesGeneralist() {
    QFETCH(QString, className);
    QFETCH(QString, include);
    QFETCH(QString, exclude);
    QFETCH(QString, error);
    FixtureDatabase fixture;
    fixture.build(spells("Sight", 1, 5, "Divination") + spells("Wild", 1, 5, "Wild"));
    TW_Library library(fixture.path(), m_settings);
    RecordingForm form;
    try {
        library.GenerateSpellbook(form, include, exclude, "Name", 1, className, Sparse, 5);
        QVERIFY2(error.isEmpty(), "the run should have failed");
        QVERIFY(!form.rows.isEmpty());
        if (exclude.trimmed().isEmpty())
            return;
        for (const SpellRow& row : form.rows)
            QVERIFY(row.schools != "Wild");
    } catch (const TwError& failure) {
        QVERIFY2(!error.isEmpty(), qPrintable(failure.description()));
        QCOMPARE(failure.source(), QString("GenerateSpellbook"));
        QCOMPARE(failure.number(), -1);
        QVERIFY2(failure.description().contains(error), qPrintable(failure.description()));
    }
}

void TestGeneration::specialistShareComesFirstWithoutRepeats() {
    FixtureDatabase fixture;
    fixture.build(spells("Glamour", 1, 3, "Illusion") + spells("Ward", 1, 6, "Abjuration") +
                  spells("Shift", 1, 6, "Alteration"));
    SharedSettings settings;
    settings.DefaultFirst = 4;
    settings.SpecialistPercentIndex = 5;
    TW_Library library(fixture.path(), settings);
    const QString include = SchoolListText::build({"Abjuration", "Alteration", "Illusion"});
    for (quint64 seed = 1; seed <= 30; ++seed) {
        library.random().reseed(seed);
        RecordingForm form;
        library.GenerateSpellbook(form, include, "", "Name", 1, "ILLUSIONIST", Custom, 5);
        QCOMPARE(form.rows.size(), 4);
        QVERIFY(form.rows[0].name.startsWith("Glamour"));
        QVERIFY(form.rows[1].name.startsWith("Glamour"));
        QCOMPARE(distinctCount(form), 4);
    }
}

void TestGeneration::specialistShareIndexZeroDrawsGenerally() {
    FixtureDatabase fixture;
    fixture.build(spells("Glamour", 1, 1, "Illusion") + spells("Ward", 1, 9, "Abjuration"));
    const QString include = SchoolListText::build({"Abjuration", "Illusion"});
    for (int index : {0, 5}) {
        SharedSettings settings;
        settings.DefaultFirst = 1;
        settings.SpecialistPercentIndex = index;
        TW_Library library(fixture.path(), settings);
        int specialty = 0;
        for (quint64 seed = 1; seed <= 40; ++seed) {
            library.random().reseed(seed);
            RecordingForm form;
            library.GenerateSpellbook(form, include, "", "Name", 1, "ILLUSIONIST", Custom, 5);
            QCOMPARE(form.rows.size(), 1);
            specialty += form.rows[0].name.startsWith("Glamour") ? 1 : 0;
        }
        // Index 5 of one spell rounds to 0 and is raised to 1: always the specialty spell.
        if (index == 5)
            QCOMPARE(specialty, 40);
        else
            QVERIFY(specialty < 20);
    }
}

void TestGeneration::multiSchoolSpellListedOnceInOrder() {
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Mirror Veil", 1, "Rare", "Phantasm;Illusion;Shadow",
                                          "Duskward Grimoire", "77")});
    TW_Library library(fixture.path(), m_settings);
    RecordingForm form;
    library.GenerateSpellbook(form, "", "", "Name", 1, "MAGE", Sparse, 5);
    QCOMPARE(form.rows.size(), 1);
    const SpellRow expected{"Mirror Veil",       "1", "Rare", "Phantasm, Illusion, Shadow",
                            "Duskward Grimoire", "77"};
    QCOMPARE(form.rows[0], expected);
}

void TestGeneration::schoolAndFrequencyConditions_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("include");
    QTest::addColumn<QStringList>("exclude");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    QTest::newRow("MAGE, everything")
        << "MAGE" << none << none << 5
        << QStringList{"Blaze", "Bolt", "Chant", "Rare Sight", "Storm Call", "Unique Rite"};
    QTest::newRow("frequency cut")
        << "MAGE" << none << none << 3 << QStringList{"Blaze", "Bolt", "Chant", "Rare Sight"};
    QTest::newRow("MAGE, Wild out; a second school still qualifies")
        << "MAGE" << none << QStringList{"Wild"} << 4
        << QStringList{"Blaze", "Bolt", "Chant", "Rare Sight", "Storm Call"};
    QTest::newRow("specialist needs a core school")
        << "Elementalist - Fire" << QStringList{"Evocation", "Divination"}
        << QStringList{"Water", "Wild"} << 4 << QStringList{"Blaze", "Bolt", "Rare Sight"};
    QTest::newRow("specialist, no exclusions")
        << "DIVINER" << QStringList{"Divination"} << none << 4 << QStringList{"Rare Sight"};
}

void TestGeneration::schoolAndFrequencyConditions() {
    QFETCH(QString, className);
    QFETCH(QStringList, include);
    QFETCH(QStringList, exclude);
    QFETCH(int, frequency);
    QFETCH(QStringList, expected);
    FixtureDatabase fixture;
    fixture.build({
        FixtureDatabase::spell("Blaze", 1, "Common", "Fire;Evocation"),
        FixtureDatabase::spell("Bolt", 1, "Uncommon", "Evocation;Invocation"),
        FixtureDatabase::spell("Chant", 1, "Common", "Wild;Charm"),
        FixtureDatabase::spell("Rare Sight", 1, "Rare", "Divination"),
        FixtureDatabase::spell("Storm Call", 1, "Very Rare", "Water"),
        FixtureDatabase::spell("Unique Rite", 1, "Unique", "Wild"),
        FixtureDatabase::spell("Later", 2, "Common", "Evocation"),
    });
    SharedSettings settings;
    settings.DefaultFirst = 30;
    TW_Library library(fixture.path(), settings);
    RecordingForm form;
    library.GenerateSpellbook(form, SchoolListText::build(include), SchoolListText::build(exclude),
                              "Name", 1, className, Custom, frequency);
    QStringList names = form.names();
    names.sort();
    QCOMPARE(names, expected);
    // Every school row of a qualifying spell is listed, also the excluded ones.
    for (const SpellRow& row : form.rows) {
        if (row.name == "Chant")
            QCOMPARE(row.schools, QString("Wild, Charm"));
    }
}

void TestGeneration::hostileSchoolNames() {
    const QString quoteSchool = "Lore's Edge";
    const QString sqlSchool = "x') Or 1=1 --";
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Edge Song", 1, "Common", quoteSchool),
                   FixtureDatabase::spell("Odd One", 1, "Common", sqlSchool),
                   FixtureDatabase::spell("Plain", 1, "Common", "Fire")},
                  {quoteSchool, sqlSchool, "Fire"});
    SharedSettings settings;
    settings.DefaultFirst = 5;
    TW_Library library(fixture.path(), settings);
    RecordingForm form;
    library.GenerateSpellbook(form, "", SchoolListText::build({quoteSchool, sqlSchool}), "Name", 1,
                              "MAGE", Custom, 5);
    QCOMPARE(form.names(), QStringList{"Plain"});
    RecordingForm kept;
    library.GenerateSpellbook(kept, "", SchoolListText::build({"Fire"}), "Name", 1, "MAGE", Custom,
                              5);
    QStringList names = kept.names();
    names.sort();
    QCOMPARE(names, (QStringList{"Edge Song", "Odd One"}));
}

void TestGeneration::malformedListTextIsRefused() {
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 3, "Fire"));
    TW_Library library(fixture.path(), m_settings);
    for (const QString& text : {QString("('Fire') Or 1=1"), QString("Fire"), QString("('Fire'"),
                                QString("('a',)"), QString("()")}) {
        RecordingForm form;
        QVERIFY_THROWS_EXCEPTION(
            TwError, library.GenerateSpellbook(form, "", text, "Name", 1, "MAGE", Sparse, 5));
        QVERIFY(form.rows.isEmpty());
    }
}

void TestGeneration::sameSeedSameBookOtherSeedOtherBook() {
    FixtureDatabase fixture;
    QList<CatalogueSpell> all;
    for (int level = 1; level <= 9; ++level)
        all << spells(QString("L%1").arg(level), level, 40, "Evocation");
    fixture.build(all);
    TW_Library library(fixture.path(), m_settings);
    auto book = [&](quint64 seed) {
        library.random().reseed(seed);
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Name", 20, "MAGE", Full, 5);
        return form.rows;
    };
    QCOMPARE(book(42), book(42));
    QVERIFY(book(42) != book(43));
    // One seed for the run: levels do not repeat each other's counts and positions.
    const QList<SpellRow> rows = book(5);
    QMap<QString, QStringList> byLevel;
    for (const SpellRow& row : rows)
        byLevel[row.level] << row.name.mid(row.name.indexOf(' '));
    QSet<QString> shapes;
    for (const QStringList& names : byLevel)
        shapes.insert(names.join(','));
    QVERIFY(shapes.size() > 1);
}

void TestGeneration::catalogueChangeIsSeen() {
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 3, "Evocation"));
    SharedSettings settings;
    settings.DefaultFirst = 10;
    TW_Library library(fixture.path(), settings);
    RecordingForm before;
    library.GenerateSpellbook(before, "", "", "Name", 1, "MAGE", Custom, 5);
    QCOMPARE(before.rows.size(), 3);
    {
        // Another program (a catalogue import) adds a spell while the library is open.
        Database other(fixture.path(), TW_Library::kConnectText);
        other.execute("INSERT INTO Spells (Name, Lvl, Frequency) VALUES ('Newcomer', '1', "
                      "'Common')");
        other.execute("INSERT INTO SpellandSphere (Name, Sphere) VALUES ('Newcomer', 'Fire')");
    }
    RecordingForm after;
    library.GenerateSpellbook(after, "", "", "Name", 1, "MAGE", Custom, 5);
    QCOMPARE(after.rows.size(), 4);
    QVERIFY(after.names().contains("Newcomer"));
}

void TestGeneration::volumeCountIsUniform() {
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 20, "Evocation"));
    TW_Library library(fixture.path(), m_settings);
    library.random().reseed(2024);
    QMap<int, int> counts;
    const int runs = 4000;
    for (int run = 0; run < runs; ++run) {
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Name", 1, "MAGE", Average, 5);
        ++counts[int(form.rows.size())];
    }
    QCOMPARE(counts.keys(), (QList<int>{3, 4, 5, 6, 7, 8, 9, 10}));
    for (int count : counts) // 500 expected each
        QVERIFY2(count > 400 && count < 600, qPrintable(QString::number(count)));
}

void TestGeneration::everySpellEquallyLikely() {
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 10, "Evocation"));
    SharedSettings settings;
    settings.DefaultFirst = 3;
    TW_Library library(fixture.path(), settings);
    library.random().reseed(99);
    QMap<QString, int> picks;
    const int runs = 3000;
    for (int run = 0; run < runs; ++run) {
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Name", 1, "MAGE", Custom, 5);
        QCOMPARE(form.rows.size(), 3);
        for (const QString& name : form.names())
            ++picks[name];
    }
    QCOMPARE(picks.size(), 10);
    for (int count : picks) // 900 expected each
        QVERIFY2(count > 780 && count < 1020, qPrintable(QString::number(count)));
}

void TestGeneration::spellWithoutSchoolIsNeverDrawn() {
    // A spell whose school rows are gone is in no book, and the level counts it as missing.
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 3, "Evocation"));
    Database(fixture.path(), ";pwd=kobold3")
        .execute("DELETE FROM SpellandSphere WHERE Name = 'Spell 02'");
    SharedSettings settings;
    settings.DefaultFirst = 3;
    TW_Library library(fixture.path(), settings);
    for (quint64 seed = 1; seed <= 5; ++seed) {
        library.random().reseed(seed);
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Name", 1, "MAGE", Custom, 5);
        QStringList names = form.names();
        names.sort();
        QCOMPARE(names, (QStringList{"Spell 01", "Spell 03"}));
        QCOMPARE(form.panel3, kNote + "1");
    }
}

void TestGeneration::drawPoolTakesLikeAClosingList_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("seed");
    for (const auto& [size, seed] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 3},
                                     std::pair{7, 4}, std::pair{64, 5}, std::pair{1000, 6}})
        QTest::addRow("%d entries", size) << size << seed;
}

void TestGeneration::drawPoolTakesLikeAClosingList() {
    // The pool must give, position for position, what a list gives that closes up after each
    // take; removing an entry (present or not) must shift the positions the same way.
    QFETCH(int, size);
    QFETCH(int, seed);
    std::mt19937 random{quint32(seed)};
    const int keys = 2 * size + 1;
    QList<qint32> entries;
    for (qint32 key = 0; key < keys; ++key)
        entries << key;
    std::shuffle(entries.begin(), entries.end(), random);
    entries.resize(size);
    DrawPool pool(entries, keys);
    QList<qint32> list = entries;
    while (!list.isEmpty()) {
        if (random() % 3 == 0) {
            const auto key = qint32(random() % quint32(keys + 2)) - 1; // also -1 and keys
            list.removeOne(key);
            pool.remove(key);
        } else {
            const auto position = qsizetype(random() % quint32(list.size()));
            QCOMPARE(pool.takeAt(position), list.takeAt(position));
        }
        QCOMPARE(pool.size(), list.size());
    }
    QVERIFY(pool.isEmpty());
}

void TestGeneration::firstBookAfterAFailedRead_data() {
    QTest::addColumn<QString>("obstacle");
    // The read of the schools fails partway (here: a school row that cannot be read until the
    // obstacle is gone); the next book reads them afresh, adding nothing to the rows of the
    // failed read.
    QTest::newRow("the read failed partway before") << "failing reads";
}

void TestGeneration::firstBookAfterAFailedRead() {
    // A first book from a catalogue of some thousands of school rows whose first read failed
    // is the same book as from a catalogue that never failed.
    QFETCH(QString, obstacle);
    QList<CatalogueSpell> all;
    for (int level = 1; level <= 9; ++level)
        all << spells(QString("L%1").arg(level), level, 300, "Evocation;Fire");
    FixtureDatabase intact;
    intact.build(all);
    FixtureDatabase hindered;
    hindered.build(all);
    if (obstacle == "failing reads") {
        // The school rows from level 5 on fail (an integer overflow) while Trip.Fail is set.
        Database(hindered.path(), TW_Library::kConnectText)
            .executeScript("ALTER TABLE SpellandSphere RENAME TO SchoolRows;"
                           "CREATE TABLE Trip (Fail INTEGER); INSERT INTO Trip VALUES (1);"
                           "CREATE VIEW SpellandSphere AS SELECT Name, CASE WHEN Name >= 'L5' "
                           "AND (SELECT Fail FROM Trip) THEN abs(-9223372036854775807 - 1) ELSE "
                           "Sphere END AS Sphere, rowid AS rowid FROM SchoolRows");
    }
    SharedSettings settings;
    TW_Library usual(intact.path(), settings);
    TW_Library alone(hindered.path(), settings);
    for (TW_Library* library : {&usual, &alone})
        library->random().reseed(77);
    RecordingForm expected;
    usual.GenerateSpellbook(expected, "", "", "Name", 30, "MAGE", Full, 5);
    if (obstacle == "failing reads") {
        RecordingForm failed;
        QVERIFY_THROWS_EXCEPTION(
            TwError, alone.GenerateSpellbook(failed, "", "", "Name", 30, "MAGE", Full, 5));
        // Gone, through the library's own connection: the catalogue it read is still current.
        alone.database().execute("UPDATE Trip SET Fail = 0");
        alone.random().reseed(77);
    }
    RecordingForm drawn;
    alone.GenerateSpellbook(drawn, "", "", "Name", 30, "MAGE", Full, 5);
    QVERIFY(expected.rows.size() >= 9 * 10);
    QCOMPARE(drawn.rows, expected.rows);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "tst_generation.moc"
