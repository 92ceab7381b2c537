// The catalogue's rules, one row per broken rule: the field a form shows the problem at and the
// kind of problem. The same function checks a CSV row (tst_catalogue_files) and the form.
#include "library/catalogue/SpellRules.h"

#include <QtTest>

namespace {
const QStringList kSchools = {"Fire", "Air", "Evocation"};
const QStringList kFrequencies = {"Common", "Rare"};

CatalogueSpell goodSpell() {
    CatalogueSpell spell;
    spell.name = "Ember Lattice";
    spell.level = "3";
    spell.frequency = "Common";
    spell.schools = {"Fire", "Evocation"};
    spell.book = "Greywater";
    spell.page = "12";
    spell.description = "Sparks.\nMore sparks.";
    return spell;
}

QString fieldName(SpellProblem::Field field) {
    using F = SpellProblem::Field;
    switch (field) {
    case F::Name:
        return "Name";
    case F::Level:
        return "Level";
    case F::Frequency:
        return "Frequency";
    case F::Schools:
        return "Schools";
    case F::Book:
        return "Book";
    case F::Page:
        return "Page";
    case F::Description:
        return "Description";
    }
    return "?";
}

QString codeName(SpellProblem::Code code) {
    using C = SpellProblem::Code;
    switch (code) {
    case C::Empty:
        return "Empty";
    case C::ControlCharacter:
        return "ControlCharacter";
    case C::TooLong:
        return "TooLong";
    case C::SameName:
        return "SameName";
    case C::NearName:
        return "NearName";
    case C::NotALevel:
        return "NotALevel";
    case C::UnknownFrequency:
        return "UnknownFrequency";
    case C::NoSchool:
        return "NoSchool";
    case C::EmptySchool:
        return "EmptySchool";
    case C::UnknownSchool:
        return "UnknownSchool";
    case C::SchoolTwice:
        return "SchoolTwice";
    }
    return "?";
}
} // namespace

class TestSpellRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void editedSpellKeepsItsName();
};

void TestSpellRules::rules_data() {
    // field=value changes one field of a good spell; expected: "Field/Code" in field order.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a good spell") << ""
                                  << "" << QStringList();
    QTest::newRow("empty name") << "name"
                                << "" << QStringList{"Name/Empty"};
    QTest::newRow("name of 100 characters") << "name" << QString(100, 'x') << QStringList();
    QTest::newRow("name of 101 characters")
        << "name" << QString(101, 'x') << QStringList{"Name/TooLong"};
    QTest::newRow("100 emoji are 100 characters")
        << "name" << QString::fromUtf8(QByteArray(100 * 4, 0).replace(QByteArray(4, 0), "🔥"))
        << QStringList();
    QTest::newRow("escape in the name") << "name"
                                        << "Ember\x1b[2J" << QStringList{"Name/ControlCharacter"};
    QTest::newRow("taken name") << "name"
                                << "Stone Ward" << QStringList{"Name/SameName"};
    QTest::newRow("taken name, other case") << "name"
                                            << "STONE WARD" << QStringList{"Name/SameName"};
    QTest::newRow("taken name, hyphen") << "name"
                                        << "Stone-Ward" << QStringList{"Name/NearName"};
    QTest::newRow("taken name, no blank") << "name"
                                          << "stoneward" << QStringList{"Name/NearName"};
    QTest::newRow("taken name, en dash") << "name"
                                         << "Stone\u2013Ward" << QStringList{"Name/NearName"};
    QTest::newRow("taken name, accent") << "name"
                                        << "Stöne Ward" << QStringList{"Name/NearName"};
    QTest::newRow("taken name, other words") << "name"
                                             << "Stone Wards" << QStringList();
    QTest::newRow("level 0") << "level"
                             << "0" << QStringList{"Level/NotALevel"};
    QTest::newRow("level 10") << "level"
                              << "10" << QStringList{"Level/NotALevel"};
    QTest::newRow("level 9") << "level"
                             << "9" << QStringList();
    QTest::newRow("level words") << "level"
                                 << "three" << QStringList{"Level/NotALevel"};
    QTest::newRow("frequency, other case") << "frequency"
                                           << "common" << QStringList{"Frequency/UnknownFrequency"};
    QTest::newRow("no school") << "schools"
                               << "" << QStringList{"Schools/NoSchool"};
    QTest::newRow("unknown school") << "schools"
                                    << "Fire;Firee" << QStringList{"Schools/UnknownSchool"};
    QTest::newRow("empty and twice")
        << "schools"
        << "Fire;;Fire" << QStringList{"Schools/EmptySchool", "Schools/SchoolTwice"};
    QTest::newRow("book of 101") << "book" << QString(101, 'b') << QStringList{"Book/TooLong"};
    QTest::newRow("page of 21") << "page" << QString(21, '1') << QStringList{"Page/TooLong"};
    QTest::newRow("page with a tab") << "page"
                                     << "1\t2" << QStringList{"Page/ControlCharacter"};
    QTest::newRow("description of 400") << "description" << QString(400, 'd') << QStringList();
    QTest::newRow("description of 401")
        << "description" << QString(401, 'd') << QStringList{"Description/TooLong"};
    QTest::newRow("description with tab and line break") << "description"
                                                         << "a\tb\nc" << QStringList();
    QTest::newRow("description with a bell")
        << "description"
        << "a\ab" << QStringList{"Description/ControlCharacter"};
}

void TestSpellRules::rules() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    CatalogueSpell spell = goodSpell();
    if (field == "name")
        spell.name = value;
    else if (field == "level")
        spell.level = value;
    else if (field == "frequency")
        spell.frequency = value;
    else if (field == "schools")
        spell.schools = value.isEmpty() ? QStringList() : value.split(';');
    else if (field == "book")
        spell.book = value;
    else if (field == "page")
        spell.page = value;
    else if (field == "description")
        spell.description = value;
    TakenNames taken;
    taken.add("Stone Ward");
    taken.add("Frost Bolt", 7);

    QStringList found;
    for (const SpellProblem& problem : checkSpell(spell, kSchools, kFrequencies, taken)) {
        found << fieldName(problem.field) + "/" + codeName(problem.code);
        QVERIFY2(!problem.message.isEmpty(), "a problem without words");
    }
    QCOMPARE(found, expected);
}

void TestSpellRules::editedSpellKeepsItsName() {
    // The spell being edited frees its own name, but not a name too like it held by another.
    TakenNames taken;
    taken.add("Stone Ward");
    taken.add("Ember Lattice");
    taken.remove("Ember Lattice");
    CatalogueSpell spell = goodSpell();
    QVERIFY(checkSpell(spell, kSchools, kFrequencies, taken).isEmpty());
    taken.remove("Stone-Ward"); // another spelling frees nothing
    spell.name = "stone ward";
    const QList<SpellProblem> problems = checkSpell(spell, kSchools, kFrequencies, taken);
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().code, SpellProblem::Code::SameName);
}

QTEST_GUILESS_MAIN(TestSpellRules)
#include "tst_spell_rules.moc"
