// The seed promise: a seed, a request and a catalogue give the same book in every build. The
// books of tests/golden/seed_books.txt were drawn once, by an earlier build of the draw, from the
// fixture catalogue built here; every build must draw them again word for word.
//
// To write the file anew (only when the draw is meant to change, which breaks every seed a user
// has kept): TOMEWRIGHT_WRITE_GOLDEN=1 tst_seed_books
#include "library/BookRequest.h"
#include "library/CasterClasses.h"
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"

#include <QFile>
#include <QtTest>

namespace {

const QString kGolden = QStringLiteral(TOMEWRIGHT_TESTS_DIR "/golden/seed_books.txt");

// Nine levels of spells spread over the schools, frequencies, books and pages by fixed steps, and
// the odd rows a hand-edited catalogue may hold: names with blanks around them (the draw trims
// names, then looks the trimmed name up), a frequency the frequency table does not know (never
// drawn), a school listed twice, quotes, schools stored out of alphabetical order.
QList<CatalogueSpell> fixtureSpells() {
    const QStringList schools = FixtureDatabase::standardSchools();
    const QStringList core = CasterClasses::coreSchools();
    const QStringList frequencies = {"Common", "Uncommon", "Rare", "Very Rare", "Unique"};
    const QStringList words = {"Amber", "Bitter", "Crooked", "Distant", "Ember",  "Folded",
                               "Gray",  "Hollow", "Iron",    "Jade",    "Kindled"};
    const QStringList nouns = {"Veil", "Chord", "Lantern", "Thread", "Gate", "Mirror", "Tide"};
    QList<CatalogueSpell> spells;
    for (int level = 1; level <= 9; ++level) {
        // Fewer spells at the top, so high and full volumes run short there.
        const int count = level <= 6 ? 40 - 3 * level : 12 - level;
        for (int i = 0; i < count; ++i) {
            const int k = level * 37 + i * 11;
            const QString name = QStringLiteral("%1 %2 of %3")
                                     .arg(words[k % words.size()], nouns[(k / 3) % nouns.size()])
                                     .arg(level * 100 + i);
            QStringList own = {schools[(k * 7) % schools.size()]};
            if (!core.contains(own[0]) || i % 4 == 0)
                own << core[(k + i) % core.size()];
            if (i % 9 == 0)
                own << schools[(k + 5) % schools.size()];
            own.removeDuplicates();
            CatalogueSpell spell = FixtureDatabase::spell(
                name, level, frequencies[(k * 3 + i) % frequencies.size()], own.join(';'),
                QStringLiteral("Book %1").arg(k % 4), QString::number(k % 250 + 1));
            if (i % 3 != 0)
                spell.description = QStringLiteral("What %1 does.").arg(name);
            spells << spell;
        }
    }
    spells << FixtureDatabase::spell(" Padded Ward", 2, "Common", "Abjuration;Fire", "Odd", "1")
           << FixtureDatabase::spell("Padded Ward", 2, "Rare", "Evocation", "Odd", "2")
           << FixtureDatabase::spell("Trailing Blank ", 2, "Common", "Charm", "Odd", "3")
           << FixtureDatabase::spell("Legend Without Table", 1, "Legendary", "Evocation")
           << FixtureDatabase::spell("Twice Written", 3, "Uncommon", "Illusion;Illusion")
           << FixtureDatabase::spell("Zigzag \"Quoted\" Hex's", 4, "Common",
                                     "Summoning;Air;Necromancy;Abjuration");
    return spells;
}

struct Case {
    QString name;
    QString casterClass;
    int level;
    int volume;
    int frequency;
    quint64 seed;
    int specialistIndex;
    QStringList alsoExcluded;
    int books; // drawn one after another from the same library, seeds seed, seed + 1, ...
};

QList<Case> cases() {
    return {
        {"mage full 30", "MAGE", 30, 5, 4, 1, 5, {}, 3},
        {"mage sparse 1", "MAGE", 1, 1, 4, 2, 5, {}, 2},
        {"mage low 5", "MAGE", 5, 2, 5, 3, 5, {}, 1},
        {"mage average 12 common", "MAGE", 12, 3, 1, 4, 5, {}, 1},
        {"mage high 18 no evocation", "MAGE", 18, 4, 4, 5, 5, {"Evocation"}, 2},
        {"mage custom 14", "MAGE", 14, 6, 4, 6, 5, {}, 2},
        {"illusionist full 30", "ILLUSIONIST", 30, 5, 4, 7, 5, {}, 2},
        {"illusionist share 0", "ILLUSIONIST", 30, 5, 4, 8, 0, {}, 1},
        {"illusionist share 100", "ILLUSIONIST", 30, 4, 5, 9, 10, {}, 1},
        {"necromancer high 12", "NECROMANCER", 12, 4, 3, 10, 5, {}, 2},
        {"fire full 20 rare", "Elementalist - Fire", 20, 5, 3, 11, 3, {}, 1},
        {"wild mage average 9", "Wild Mage", 9, 3, 5, 12, 7, {}, 1},
        {"dimensionalist full 30", "Dimensionalist", 30, 5, 4, 13, 5, {}, 1},
        {"abjurer custom 30", "ABJURER", 30, 6, 4, 14, 5, {"Fire"}, 2},
        {"chronomancer sparse 7", "Chronomancer", 7, 1, 2, 15, 5, {}, 1},
        {"mage full 30 large seed", "MAGE", 30, 5, 4, 18446744073709551557ull, 5, {}, 1},
    };
}

// One book as lines: the note of limited levels, then one line per spell in the list's order.
QString bookText(const Case& request, quint64 seed, const RecordingForm& form) {
    QString text =
        QStringLiteral("== %1, seed %2\nnote: %3\n").arg(request.name).arg(seed).arg(form.panel3);
    for (const SpellRow& row : form.rows)
        text += QStringList{row.name, row.level, row.frequency,  row.schools,
                            row.book, row.page,  row.description}
                    .join(QLatin1Char('|')) +
                QLatin1Char('\n');
    return text;
}

// Draws every case's books from one library, one case after another, as a user's session does:
// the later books use the level rows the earlier ones read.
QStringList drawAll(const QString& databasePath) {
    SharedSettings settings;
    settings.DefaultFirst = 4;
    settings.DefaultThird = 2;
    settings.DefaultFifth = 40;
    settings.DefaultNinth = 1;
    TW_Library library(databasePath, settings);
    QStringList books;
    for (const Case& request : cases()) {
        settings.SpecialistPercentIndex = request.specialistIndex;
        BookRequest book;
        book.casterName = QStringLiteral("Golden");
        book.casterLevel = request.level;
        book.casterClass = request.casterClass;
        book.volume = request.volume;
        book.frequency = request.frequency;
        const QStringList schools = FixtureDatabase::standardSchools();
        book.schoolCount = schools.size();
        book.excludedSchools = CasterClasses::exclusionsFor(request.casterClass, schools);
        for (const QString& school : request.alsoExcluded)
            book.excludedSchools << school;
        const BookParameters p = defineParameters(book, CasterClasses::coreSchools());
        for (int i = 0; i < request.books; ++i) {
            const quint64 seed = request.seed + quint64(i);
            library.random().reseed(seed);
            RecordingForm form;
            library.GenerateSpellbook(form, p.pIncludeCoreSchools, p.pExcludeSchools, p.pCasterName,
                                      p.pCasterLevel, p.pCasterClass, p.pSpellbookVolume,
                                      p.pSpellbookFrequency);
            books << bookText(request, seed, form);
        }
    }
    return books;
}

// The golden file's books, split at their "== " lines.
QStringList goldenBooks() {
    QFile file(kGolden);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList books;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("== ")))
            books << QString();
        if (!books.isEmpty() && !line.isEmpty())
            books.last() += line + QLatin1Char('\n');
    }
    return books;
}

} // namespace

class TestSeedBooks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBooksAsBefore_data();
    void sameBooksAsBefore();

private:
    FixtureDatabase m_fixture;
    QStringList m_drawn;
};

void TestSeedBooks::initTestCase() {
    m_drawn = drawAll(m_fixture.build(fixtureSpells()));
    if (qEnvironmentVariableIsSet("TOMEWRIGHT_WRITE_GOLDEN")) {
        QFile file(kGolden);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(m_drawn.join(QLatin1Char('\n')).toUtf8());
        QSKIP("golden file written");
    }
}

void TestSeedBooks::sameBooksAsBefore_data() {
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("expected");
    const QStringList golden = goldenBooks();
    QVERIFY2(golden.size() == m_drawn.size(),
             qPrintable(QStringLiteral("%1 books in the golden file, %2 drawn")
                            .arg(golden.size())
                            .arg(m_drawn.size())));
    for (qsizetype i = 0; i < golden.size(); ++i)
        QTest::addRow("%s", qPrintable(golden[i].section(QLatin1Char('\n'), 0, 0).mid(3)))
            << m_drawn[i] << golden[i];
}

void TestSeedBooks::sameBooksAsBefore() {
    QFETCH(QString, drawn);
    QFETCH(QString, expected);
    // Line by line, so a failure names the first spell that differs.
    const QStringList drawnLines = drawn.split(QLatin1Char('\n'));
    const QStringList expectedLines = expected.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < qMin(drawnLines.size(), expectedLines.size()); ++i)
        QCOMPARE(drawnLines[i], expectedLines[i]);
    QCOMPARE(drawnLines.size(), expectedLines.size());
}

QTEST_GUILESS_MAIN(TestSeedBooks)
#include "tst_seed_books.moc"
