// The game's tables, every row, checked against the rules as a game master reads them (not
// against the code's own tables): caster level to spell level, each volume's range, each
// class's schools, the specialist share.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "library/CasterClasses.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

namespace {
enum Volume { Sparse = 1, Low, Average, High, Full, Custom };

QList<CatalogueSpell> spells(const QString& prefix, int level, int n, const QString& schools) {
    QList<CatalogueSpell> result;
    for (int i = 1; i <= n; ++i)
        result << FixtureDatabase::spell(QString("%1 %2").arg(prefix).arg(i, 3, 10, QChar('0')),
                                         level, "Common", schools);
    return result;
}

// The school list in the window's order, for comparing sets of schools.
QStringList inListOrder(const QStringList& schools) {
    QStringList ordered;
    for (const QString& school : FixtureDatabase::standardSchools())
        if (schools.contains(school))
            ordered << school;
    return ordered;
}
} // namespace

class TestRuleTables : public QObject {
    Q_OBJECT

private slots:
    void casterLevelToSpellLevel_data();
    void casterLevelToSpellLevel();
    void volumeRange_data();
    void volumeRange();
    void specialistShare_data();
    void specialistShare();
    void classSchools_data();
    void classSchools();
};

void TestRuleTables::casterLevelToSpellLevel_data() {
    QTest::addColumn<int>("caster");
    QTest::addColumn<int>("highest");
    // 1st-2nd: 1st-level spells; then one spell level every two caster levels up to 4th at
    // 7th-8th; 5th at 9th-11th; 6th at 12th-13th; 7th at 14th-15th; 8th at 16th-17th; 9th from
    // 18th on.
    const int table[31] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7,
                           8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    for (int caster = 0; caster <= 30; ++caster)
        QTest::addRow("caster level %d", caster) << caster << table[caster];
}

void TestRuleTables::casterLevelToSpellLevel() {
    QFETCH(int, caster);
    QFETCH(int, highest);
    QCOMPARE(TW_Library::highestSpellLevel(caster), highest);
    // What a user gets: a book of that caster has spells of levels 1 to highest, no more.
    static FixtureDatabase fixture;
    static bool built = false;
    if (!built) {
        QList<CatalogueSpell> all;
        for (int level = 1; level <= 9; ++level)
            all += spells(QString("L%1").arg(level), level, 3, "Evocation");
        fixture.build(all);
        built = true;
    }
    SharedSettings settings;
    TW_Library library(fixture.path(), settings);
    RecordingForm form;
    library.GenerateSpellbook(form, "", "", "Ana", caster, "MAGE", Sparse, 5);
    int top = 0;
    for (const SpellRow& row : form.rows)
        top = qMax(top, row.level.toInt());
    QCOMPARE(top, highest);
}

void TestRuleTables::volumeRange_data() {
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");
    QTest::newRow("Sparse (1-3 spells/ level)") << int(Sparse) << 1 << 3;
    QTest::newRow("Low (2-5 spells/ level)") << int(Low) << 2 << 5;
    QTest::newRow("Average (3-10 spells/ level)") << int(Average) << 3 << 10;
    QTest::newRow("High (5-15 spells/ level)") << int(High) << 5 << 15;
    QTest::newRow("Full (10-30 spells/ level)") << int(Full) << 10 << 30;
}

void TestRuleTables::volumeRange() {
    QFETCH(int, volume);
    QFETCH(int, least);
    QFETCH(int, most);
    // More spells than any volume asks for, so the volume alone decides the count.
    FixtureDatabase fixture;
    fixture.build(spells("Spell", 1, 40, "Evocation"));
    SharedSettings settings;
    TW_Library library(fixture.path(), settings);
    library.random().reseed(77);
    int smallest = 1000;
    int largest = 0;
    for (int run = 0; run < 600; ++run) {
        RecordingForm form;
        library.GenerateSpellbook(form, "", "", "Ana", 1, "MAGE", volume, 5);
        smallest = qMin(smallest, int(form.rows.size()));
        largest = qMax(largest, int(form.rows.size()));
        QCOMPARE(form.panel3, QString()); // never short: the catalogue holds enough
    }
    QCOMPARE(smallest, least);
    QCOMPARE(largest, most);
}

void TestRuleTables::specialistShare_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("spells");
    QTest::addColumn<int>("share");
    // The share of a level's spells, rounded half to even, at least one spell when there is a
    // share at all.
    QTest::newRow("50% of 5 = 2.5: rounds to 2") << 5 << 5 << 2;
    QTest::newRow("50% of 3 = 1.5: rounds to 2") << 5 << 3 << 2;
    QTest::newRow("50% of 7 = 3.5: rounds to 4") << 5 << 7 << 4;
    QTest::newRow("50% of 1 = 0.5: rounds to 0, raised to 1") << 5 << 1 << 1;
    QTest::newRow("30% of 5 = 1.5: rounds to 2") << 3 << 5 << 2;
    QTest::newRow("10% of 5 = 0.5: raised to 1") << 1 << 5 << 1;
    QTest::newRow("70% of 10 = 7") << 7 << 10 << 7;
    QTest::newRow("0%: no share") << 0 << 6 << 0;
    QTest::newRow("100% of 6: all six") << 10 << 6 << 6;
}

void TestRuleTables::specialistShare() {
    QFETCH(int, tenths);
    QFETCH(int, spells);
    QFETCH(int, share);
    // Few specialty spells among many others: the specialty draw comes first in the level, and
    // the general draw rarely finds one of the few.
    FixtureDatabase fixture;
    fixture.build(::spells("Glamour", 1, 12, "Illusion") + ::spells("Ward", 1, 600, "Abjuration"));
    SharedSettings settings;
    settings.DefaultFirst = spells;
    settings.SpecialistPercentIndex = tenths;
    TW_Library library(fixture.path(), settings);
    const QString include = SchoolListText::build({"Abjuration", "Illusion"});
    for (quint64 seed = 1; seed <= 10; ++seed) {
        library.random().reseed(seed);
        RecordingForm form;
        library.GenerateSpellbook(form, include, "", "Ana", 1, "ILLUSIONIST", Custom, 5);
        QCOMPARE(int(form.rows.size()), spells);
        int leading = 0;
        while (leading < form.rows.size() && form.rows[leading].name.startsWith("Glamour"))
            ++leading;
        QCOMPARE(leading, share);
    }
}

void TestRuleTables::classSchools_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("specialty");
    // Every class but the Wild Mage leaves out Wild; the specialists leave out their opposed
    // schools and keep their own.
    const QStringList wild = {"Wild"};
    QTest::newRow("MAGE") << "MAGE" << wild << QStringList();
    QTest::newRow("ABJURER") << "ABJURER" << wild + QStringList{"Alteration", "Illusion"}
                             << QStringList{"Abjuration"};
    QTest::newRow("Alchemist") << "Alchemist"
                               << wild + QStringList{"Phantasm", "Illusion", "Necromancy"}
                               << QStringList{"Alchemy"};
    QTest::newRow("Artificer") << "Artificer"
                               << wild + QStringList{"Enchantment", "Charm", "Necromancy"}
                               << QStringList{"Artifice"};
    QTest::newRow("Chronomancer") << "Chronomancer" << wild << QStringList{"Chronomancy"};
    QTest::newRow("CONJURER") << "CONJURER"
                              << wild + QStringList{"Invocation", "Evocation", "Divination"}
                              << QStringList{"Conjuration", "Summoning"};
    QTest::newRow("Dimensionalist") << "Dimensionalist" << wild << QStringList{"Dimension"};
    QTest::newRow("DIVINER") << "DIVINER" << wild + QStringList{"Conjuration", "Summoning"}
                             << QStringList{"Divination"};
    QTest::newRow("ENCHANTER") << "ENCHANTER"
                               << wild + QStringList{"Invocation", "Evocation", "Necromancy"}
                               << QStringList{"Enchantment", "Charm"};
    QTest::newRow("Elementalist - Air")
        << "Elementalist - Air" << wild + QStringList{"Earth"} << QStringList{"Air"};
    QTest::newRow("Elementalist - Earth")
        << "Elementalist - Earth" << wild + QStringList{"Air"} << QStringList{"Earth"};
    QTest::newRow("Elementalist - Fire")
        << "Elementalist - Fire" << wild + QStringList{"Water"} << QStringList{"Fire"};
    QTest::newRow("Elementalist - Water")
        << "Elementalist - Water" << wild + QStringList{"Fire"} << QStringList{"Water"};
    QTest::newRow("Force Mage") << "Force Mage" << wild + QStringList{"Divination", "Alteration"}
                                << QStringList{"Force"};
    QTest::newRow("Geometer") << "Geometer"
                              << wild + QStringList{"Enchantment", "Charm", "Illusion", "Phantasm"}
                              << QStringList{"Geometry"};
    QTest::newRow("ILLUSIONIST") << "ILLUSIONIST"
                                 << wild + QStringList{"Evocation", "Invocation", "Abjuration",
                                                       "Necromancy"}
                                 << QStringList{"Illusion", "Phantasm"};
    QTest::newRow("INVOKER") << "INVOKER"
                             << wild +
                                    QStringList{"Enchantment", "Charm", "Conjuration", "Summoning"}
                             << QStringList{"Invocation", "Evocation"};
    QTest::newRow("NECROMANCER") << "NECROMANCER"
                                 << wild + QStringList{"Illusion", "Enchantment", "Charm"}
                                 << QStringList{"Necromancy"};
    QTest::newRow("Shadow Mage") << "Shadow Mage"
                                 << wild + QStringList{"Abjuration", "Invocation", "Evocation"}
                                 << QStringList{"Shadow"};
    QTest::newRow("TRANSMUTER") << "TRANSMUTER" << wild + QStringList{"Abjuration", "Necromancy"}
                                << QStringList{"Alteration"};
    QTest::newRow("Wild Mage") << "Wild Mage" << QStringList() << QStringList{"Wild"};
}

void TestRuleTables::classSchools() {
    QFETCH(QString, className);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, specialty);
    QCOMPARE(
        inListOrder(CasterClasses::exclusionsFor(className, FixtureDatabase::standardSchools())),
        inListOrder(excluded));
    QCOMPARE(CasterClasses::specialtySchools(className), specialty);

    // What the window ticks when the user picks the class with the keyboard on a fresh form.
    static FixtureDatabase fixture;
    if (!QFile::exists(fixture.path()))
        fixture.build(spells("Spell", 1, 3, "Evocation"));
    MessageBox::setHandler([](const QString&, const QString&) {});
    Constants::Settings = SharedSettings();
    {
        Frm_Main window(fixture.folder());
        QVERIFY(window.Form_Load());
        window.show();
        auto* classes = window.findChild<QComboBox*>("cboClass");
        const int row = classes->findText(className);
        QVERIFY(row >= 0);
        classes->setFocus();
        if (row == 0) {
            classes->setCurrentIndex(1);
            QTest::keyClick(classes, Qt::Key_Up);
        } else {
            classes->setCurrentIndex(row - 1);
            QTest::keyClick(classes, Qt::Key_Down);
        }
        QCOMPARE(classes->currentText(), className);
        QStringList ticked;
        auto* schools = window.findChild<QListWidget*>("lstSchools");
        for (int i = 0; i < schools->count(); ++i)
            if (schools->item(i)->checkState() == Qt::Checked)
                ticked << schools->item(i)->text();
        QCOMPARE(ticked, inListOrder(excluded));
    }
    Constants::MyLibrary.reset();
    MessageBox::setHandler(nullptr);
}

QTEST_MAIN(TestRuleTables)
#include "tst_rule_tables.moc"
