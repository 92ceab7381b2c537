// The library's catalogue queries: orders, exact lookups, hostile names, failures.
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/TwError.h"

#include <QtTest>

class TestCatalogueQueries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void frequenciesComeInIdOrder();
    void spellsComeByName();
    void schoolsKeepTableOrder();
    void spellDetailsListEverySchoolInOrder();
    void spellDetailsMatchExactly_data();
    void spellDetailsMatchExactly();
    void failureNamesTheOperation_data();
    void failureNamesTheOperation();

private:
    FixtureDatabase m_fixture;
    SharedSettings m_settings;
};

void TestCatalogueQueries::initTestCase() {
    m_fixture.build({
        FixtureDatabase::spell("Quiet Lantern", 1, "Common", "Illusion;Phantasm"),
        FixtureDatabase::spell("Say \"Hello\"", 2, "Rare", "Charm"),
        FixtureDatabase::spell("Ogre's Lullaby", 2, "Uncommon", "Enchantment;Charm;Wild"),
        FixtureDatabase::spell("Amber Stair", 3, "Very Rare", "Alteration"),
    });
}

void TestCatalogueQueries::frequenciesComeInIdOrder() {
    FixtureDatabase fixture;
    fixture.build({}, {"Fire"}, {{"Rare", 30}, {"Common", 10}, {"Odd", 25}});
    TW_Library library(fixture.path(), m_settings);
    RecordSet set = library.FetchFrequencyList();
    QStringList names;
    QList<qlonglong> ids;
    for (; !set.eof(); set.moveNext()) {
        names << set.text("Frequency");
        ids << set.value("FrequencyID").toLongLong();
    }
    QCOMPARE(names, (QStringList{"Common", "Odd", "Rare"}));
    QCOMPARE(ids, (QList<qlonglong>{10, 25, 30}));
}

void TestCatalogueQueries::spellsComeByName() {
    TW_Library library(m_fixture.path(), m_settings);
    RecordSet set = library.FetchAllSpells();
    QStringList names;
    for (; !set.eof(); set.moveNext())
        names << set.text("Name");
    QCOMPARE(names,
             (QStringList{"Amber Stair", "Ogre's Lullaby", "Quiet Lantern", "Say \"Hello\""}));
}

void TestCatalogueQueries::schoolsKeepTableOrder() {
    TW_Library library(m_fixture.path(), m_settings);
    RecordSet set = library.FetchSchoolList();
    QStringList names;
    for (; !set.eof(); set.moveNext())
        names << set.text("Sphere_Name");
    QCOMPARE(names, FixtureDatabase::standardSchools());
}

void TestCatalogueQueries::spellDetailsListEverySchoolInOrder() {
    TW_Library library(m_fixture.path(), m_settings);
    RecordSet set = library.FetchSpellDetails("Ogre's Lullaby");
    QCOMPARE(set.recordCount(), 3);
    QStringList schools;
    for (; !set.eof(); set.moveNext()) {
        QCOMPARE(set.text("Lvl"), QString("2"));
        QCOMPARE(set.text("Frequency"), QString("Uncommon"));
        QCOMPARE(set.text("Book"), QString("Test Book"));
        schools << set.text("Sphere");
    }
    QCOMPARE(schools, (QStringList{"Enchantment", "Charm", "Wild"}));
}

void TestCatalogueQueries::spellDetailsMatchExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::newRow("double quotes") << "Say \"Hello\"" << 1;
    QTest::newRow("apostrophe") << "Ogre's Lullaby" << 3;
    QTest::newRow("injection") << "x\" or \"1\"=\"1" << 0;
    QTest::newRow("injection single") << "x' or '1'='1" << 0;
    QTest::newRow("unknown") << "No Such Spell" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks around") << " Amber Stair " << 0;
    QTest::newRow("other case") << "amber stair" << 0;
}

void TestCatalogueQueries::spellDetailsMatchExactly() {
    QFETCH(QString, name);
    QFETCH(int, rows);
    TW_Library library(m_fixture.path(), m_settings);
    RecordSet set = library.FetchSpellDetails(name);
    QCOMPARE(set.recordCount(), rows);
    QCOMPARE(set.eof(), rows == 0);
    QCOMPARE(library.FetchAllSpells().recordCount(), 4);
}

void TestCatalogueQueries::failureNamesTheOperation_data() {
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("source");
    QTest::newRow("frequencies") << "DROP TABLE Frequency"
                                 << "FetchFrequencyList";
    QTest::newRow("spells") << "DROP TABLE Spells"
                            << "FetchAllSpells";
    QTest::newRow("schools") << "DROP TABLE [Sphere Names]"
                             << "FetchSchoolList";
    QTest::newRow("details") << "DROP VIEW AddSpheres"
                             << "FetchSpellDetails";
}

void TestCatalogueQueries::failureNamesTheOperation() {
    QFETCH(QString, dropped);
    QFETCH(QString, source);
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Amber Stair", 3, "Rare", "Alteration")});
    TW_Library library(fixture.path(), m_settings);
    library.database().execute(dropped);
    try {
        if (source == "FetchFrequencyList")
            library.FetchFrequencyList();
        else if (source == "FetchAllSpells")
            library.FetchAllSpells();
        else if (source == "FetchSchoolList")
            library.FetchSchoolList();
        else
            library.FetchSpellDetails("Amber Stair");
        QFAIL("no failure");
    } catch (const TwError& error) {
        QCOMPARE(error.source(), source);
        QCOMPARE(error.number(), -1);
        QVERIFY2(error.description().contains("no such"), qPrintable(error.description()));
        QCOMPARE(error.description(), error.description().trimmed());
    }
}

QTEST_GUILESS_MAIN(TestCatalogueQueries)
#include "tst_catalogue_queries.moc"
