// Staging a book for the report: the three staging tables, trimming, hostile names, and a
// staging that fails part-way.
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/TwError.h"

#include <QtTest>

namespace {
SpellRow row(const QString& name, const QString& level) {
    return SpellRow{name, level, "Common", "Fire", "Book", "1"};
}

QStringList column(TW_Library& library, const QString& sql) {
    RecordSet rows = library.database().snapshot(sql);
    QStringList values;
    for (; !rows.eof(); rows.moveNext()) {
        QStringList fields;
        for (qsizetype c = 0; c < rows.columns().size(); ++c)
            fields << rows.text(c);
        values << fields.join('|');
    }
    return values;
}
} // namespace

class TestStaging : public QObject {
    Q_OBJECT

private slots:
    void init();
    void stagingReplacesTheWholeBook();
    void stagingTrims();
    void casterHoldKeepsOneRow();
    void addNewCasterOnlyOnce();
    void deleteNewCasterWithoutRowFails();
    void hostileNamesStageExactly_data();
    void hostileNamesStageExactly();
    void failedStagingLeavesTheOldBook();

private:
    std::unique_ptr<FixtureDatabase> m_fixture;
    SharedSettings m_settings;
};

void TestStaging::init() {
    m_fixture = std::make_unique<FixtureDatabase>();
    m_fixture->build({FixtureDatabase::spell("Ember", 1, "Common", "Fire")});
}

void TestStaging::stagingReplacesTheWholeBook() {
    TW_Library library(m_fixture->path(), m_settings);
    QList<SpellRow> ten;
    for (int i = 0; i < 10; ++i)
        ten << row(QString("Old %1").arg(i), "2");
    library.InitializeSpellbook(ten, "First");
    QCOMPARE(column(library, "SELECT count(*) FROM SpellbookFiltered"), QStringList{"10"});
    library.InitializeSpellbook({row("A", "1"), row("B", "3"), row("C", "9")}, "Second");
    QCOMPARE(column(library, "SELECT Caster, SpellName, SpellLevel FROM SpellbookFiltered"),
             (QStringList{"Second|A|1", "Second|B|3", "Second|C|9"}));
}

void TestStaging::stagingTrims() {
    TW_Library library(m_fixture->path(), m_settings);
    library.InitializeSpellbook({row("  Padded Spell ", " 4 ")}, "  Ana Vell  ");
    QCOMPARE(column(library, "SELECT Caster, SpellName, SpellLevel FROM SpellbookFiltered"),
             QStringList{"Ana Vell|Padded Spell|4"});
}

void TestStaging::casterHoldKeepsOneRow() {
    TW_Library library(m_fixture->path(), m_settings);
    library.SetCasterHold(" Ana ", " Filter ");
    QCOMPARE(column(library, "SELECT Caster, CasterFilter FROM CasterHold"),
             QStringList{"Ana|Filter"});
    library.SetCasterHold("Bel");
    QCOMPARE(column(library, "SELECT Caster, CasterFilter FROM CasterHold"), QStringList{"Bel|"});
    // Further rows are left as they are; only the first is overwritten.
    library.database().execute("INSERT INTO CasterHold VALUES ('Extra', 'x')");
    library.SetCasterHold("Cato", "y");
    QCOMPARE(column(library, "SELECT Caster, CasterFilter FROM CasterHold ORDER BY rowid"),
             (QStringList{"Cato|y", "Extra|x"}));
}

void TestStaging::addNewCasterOnlyOnce() {
    TW_Library library(m_fixture->path(), m_settings);
    QVERIFY(library.AddNewCaster("Ana"));
    QVERIFY(!library.AddNewCaster("  Ana  "));
    QCOMPARE(column(library, "SELECT Spellbook, Lvl, Ninth FROM SpellCasters"),
             QStringList{"Ana||"});
    QVERIFY(library.DeleteNewCaster(" Ana "));
    QCOMPARE(column(library, "SELECT count(*) FROM SpellCasters"), QStringList{"0"});
}

void TestStaging::deleteNewCasterWithoutRowFails() {
    TW_Library library(m_fixture->path(), m_settings);
    try {
        library.DeleteNewCaster("Nobody");
        QFAIL("no failure");
    } catch (const TwError& error) {
        QCOMPARE(error.source(), QString("DeleteNewCaster"));
        QCOMPARE(error.description(), QString("No current record."));
    }
}

void TestStaging::hostileNamesStageExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "Ana \"the Red\"";
    QTest::newRow("apostrophe") << "Ogre's Daughter";
    QTest::newRow("sql") << "x'; DROP TABLE Spells; --";
    QTest::newRow("percent underscore backslash") << "100% _a_ \\b\\";
    QTest::newRow("right to left") << "אנה הקוסמת";
    QTest::newRow("combining and emoji") << "Zoe\u0301 🐉✨";
    QTest::newRow("hundred characters") << QString(100, QChar('W'));
}

void TestStaging::hostileNamesStageExactly() {
    QFETCH(QString, name);
    TW_Library library(m_fixture->path(), m_settings);
    library.SetCasterHold(name, "Tomewright Auto Generated Spellbook");
    library.InitializeSpellbook({row(name, "1")}, name);
    QVERIFY(library.AddNewCaster(name));
    QVERIFY(!library.AddNewCaster(name));
    QCOMPARE(column(library, "SELECT Caster FROM CasterHold"), QStringList{name});
    QCOMPARE(column(library, "SELECT Caster, SpellName FROM SpellbookFiltered"),
             QStringList{name + "|" + name});
    QCOMPARE(column(library, "SELECT Spellbook FROM SpellCasters"), QStringList{name});
    QVERIFY(library.DeleteNewCaster(name));
    QCOMPARE(column(library, "SELECT count(*) FROM Spells"), QStringList{"1"});
}

void TestStaging::failedStagingLeavesTheOldBook() {
    TW_Library library(m_fixture->path(), m_settings);
    library.InitializeSpellbook({row("Old A", "1"), row("Old B", "2")}, "Before");
    library.database().execute("CREATE TRIGGER refuse BEFORE INSERT ON SpellbookFiltered WHEN "
                               "NEW.SpellName = 'Bad' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    try {
        library.InitializeSpellbook({row("New A", "1"), row("Bad", "2"), row("New C", "3")},
                                    "After");
        QFAIL("no failure");
    } catch (const TwError& error) {
        QCOMPARE(error.source(), QString("InitializeSpellbook"));
        QVERIFY2(error.description().contains("refused"), qPrintable(error.description()));
    }
    QCOMPARE(column(library, "SELECT Caster, SpellName FROM SpellbookFiltered"),
             (QStringList{"Before|Old A", "Before|Old B"}));
}

QTEST_GUILESS_MAIN(TestStaging)
#include "tst_staging.moc"
