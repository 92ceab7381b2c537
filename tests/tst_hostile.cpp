// Hostile names end to end: a spell and a caster named with quotes, SQL, wildcards, right-to-left
// and combining characters or emoji are found, drawn, staged, printed and exported exactly.
#include "library/BookExport.h"
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"
#include "tests/support/SpreadsheetCsv.h"
#include "tools/catalogue/Catalogue.h"
#include "tools/catalogue/CsvFile.h"
#include "ui/SpellbookReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

class TestHostile : public QObject {
    Q_OBJECT

private slots:
    void endToEnd_data();
    void endToEnd();
    void jsonIsTheTextQtWrites_data();
    void jsonIsTheTextQtWrites();
    void csvReadsBack_data();
    void csvReadsBack();
};

void TestHostile::endToEnd_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("double quotes") << "The \"Red\" Word";
    QTest::newRow("apostrophe") << "Ogre's Lullaby";
    QTest::newRow("backslash") << "Back\\slash \\n";
    QTest::newRow("sql") << "x'; DROP TABLE Spells; --";
    QTest::newRow("wildcards") << "100% _chance_";
    QTest::newRow("markup") << "<b>Bold</b> & {{caster}} | pipe";
    QTest::newRow("html") << "<i>Soft</i> <script>x()</script> &amp; &lt;";
    QTest::newRow("markdown") << "*Star* __Under__ `tick` ~~Gone~~ [Link](page) ![i](y.png)";
    QTest::newRow("markdown heading marks") << "# Hash ## tail #";
    QTest::newRow("escapes") << "\\*not\\* \\| a\\_b\\";
    QTest::newRow("hundred characters") << QString(99, QChar('m')) + "!";
    QTest::newRow("right to left") << "שער האש";
    QTest::newRow("combining") << "Zoe\u0301 and n\u0303";
    QTest::newRow("emoji") << "Dragon's Breath 🐉🔥";
}

void TestHostile::endToEnd() {
    QFETCH(QString, name);
    FixtureDatabase fixture;
    fixture.build(
        {FixtureDatabase::spell(name, 1, "Common", "Fire;Evocation", "Book, \"Two\"", "7"),
         FixtureDatabase::spell("Plain", 2, "Common", "Fire")});
    SharedSettings settings;
    settings.DefaultFirst = 1;
    TW_Library library(fixture.path(), settings);

    // Found by name, and by nothing else.
    QCOMPARE(library.FetchSpellDetails(name).recordCount(), 2);
    QCOMPARE(library.FetchSpellDetails(name + " ").recordCount(), 0);

    // Drawn.
    RecordingForm form;
    library.GenerateSpellbook(form, "", "", name, 1, "MAGE", 6, 5);
    QCOMPARE(form.names(), QStringList{name});

    // Staged and read back by the report.
    library.SetCasterHold(name, "Tomewright Auto Generated Spellbook");
    library.InitializeSpellbook(form.rows, name);
    const ReportBook staged = SpellbookReport::readStagedBook(fixture.path(), "kobold3");
    QCOMPARE(staged.caster, name);
    QCOMPARE(staged.spells.size(), 1);
    QCOMPARE(staged.spells[0].name, name);
    QCOMPARE(staged.spells[0].schools, QString("Fire, Evocation"));

    // Printed.
    const QString printed =
        SpellbookReport::makeDocument(SpellbookReport::renderHtml(staged, TOMEWRIGHT_TEMPLATE))
            ->toPlainText();
    QCOMPARE(printed.count(name), 2); // the title and the spell

    // Exported.
    GeneratedBook book;
    book.caster = name;
    book.spells = form.rows;
    const QJsonObject json = QJsonDocument::fromJson(BookExport::json({book})).object();
    QCOMPARE(json["caster"].toString(), name);
    QCOMPARE(json["spells"].toArray()[0].toObject()["name"].toString(), name);
    QCOMPARE(json["spells"].toArray()[0].toObject()["book"].toString(), QString("Book, \"Two\""));
    const CsvContent csv = parseCsv(BookExport::csv({book, book}));
    QVERIFY(csv.errors.isEmpty());
    QCOMPARE(csv.records[1].fields[0], name);
    QCOMPARE(csv.records[1].fields[1], name);
    QCOMPARE(csv.records[1].fields[5], QString("Book, \"Two\""));
    QVERIFY(QString::fromUtf8(BookExport::text({book})).contains(name));
    // Markdown as a Markdown reader shows it: the caster's heading and the spell's first cell
    // hold the name as written, in plain letters, never read as markup.
    QTextDocument markdown;
    markdown.setMarkdown(QString::fromUtf8(BookExport::markdown({book})),
                         QTextDocument::MarkdownDialectGitHub);
    const QTextBlock heading = markdown.firstBlock();
    QCOMPARE(heading.text(), name);
    QVERIFY(heading.blockFormat().headingLevel() == 1);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : markdown.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable*>(frame);
    QVERIFY(table);
    QCOMPARE(table->columns(), 6);
    const QTextTableCell cell = table->cellAt(1, 0);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QCOMPARE(cursor.selectedText(), name);
    QCOMPARE(table->cellAt(1, 3).firstCursorPosition().block().text(), QString("Book, \"Two\""));
    for (QTextBlock block : {heading, cell.firstCursorPosition().block()}) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QVERIFY2(!format.fontItalic() && !format.fontStrikeOut() && !format.isAnchor() &&
                         !format.fontFixedPitch() &&
                         (block == heading || format.fontWeight() <= QFont::Normal),
                     qPrintable(it.fragment().text()));
        }
    }

    // And the catalogue is as it was.
    QCOMPARE(library.FetchAllSpells().recordCount(), 2);
}

void TestHostile::jsonIsTheTextQtWrites_data() {
    endToEnd_data();
    QTest::newRow("control characters") << QString("tab\there\nline\r\b\f\x01\x1f\x7f end");
    QTest::newRow("lone surrogates")
        << QString::fromUtf16(u"high \xD83D alone, low \xDC09 alone, \xD83D");
    QTest::newRow("line separators") << QString::fromUtf16(u"para\u2028graph\u2029 \uFEFF \uFFFF");
    QTest::newRow("empty") << QString();
}

void TestHostile::jsonIsTheTextQtWrites() {
    // The export writes its JSON itself; the text must be what QJsonDocument writes for the same
    // book, byte for byte, so files made before and after compare equal.
    QFETCH(QString, name);
    GeneratedBook book;
    book.caster = name;
    book.casterLevel = "12th";
    book.casterClass = name + "\\";
    book.volume = "Full (10-30 spells/ level)";
    book.frequency = "Very Rare";
    book.hasSeed = true;
    book.seed = 18446744073709551615ull;
    book.excludedSchools = {"Wild", name};
    book.limitedLevels = {7, 9};
    book.spells = {{name, "3", "Rare", "Fire, " + name + ", Evocation", "Book, \"Two\"", "7", name},
                   {"Plain", "x", "Common", "", "", "", ""}};
    QJsonArray spells;
    for (const SpellRow& spell : book.spells)
        spells.append(QJsonObject{
            {"name", spell.name},
            {"level", spell.level.toInt()},
            {"frequency", spell.frequency},
            {"schools", QJsonArray::fromStringList(spell.schools.split(", ", Qt::SkipEmptyParts))},
            {"book", spell.book},
            {"page", spell.page},
            {"description", spell.description}});
    const QJsonObject expected{{"caster", book.caster},
                               {"level", book.casterLevel},
                               {"class", book.casterClass},
                               {"volume", book.volume},
                               {"frequency", book.frequency},
                               {"excluded", QJsonArray::fromStringList(book.excludedSchools)},
                               {"limited", QJsonArray{7, 9}},
                               {"seed", "18446744073709551615"},
                               {"spells", spells}};
    const QByteArray line = QJsonDocument(expected).toJson(QJsonDocument::Compact) + '\n';
    QCOMPARE(BookExport::json({book}), line);
    GeneratedBook unseeded = book;
    unseeded.hasSeed = false;
    QJsonObject withoutSeed = expected;
    withoutSeed["seed"] = QJsonValue();
    QCOMPARE(BookExport::json({book, unseeded}),
             line + QJsonDocument(withoutSeed).toJson(QJsonDocument::Compact) + '\n');
}

void TestHostile::csvReadsBack_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("commas") << "Fire, Ice, and Ash,";
    QTest::newRow("quotes") << "The \"Red\" Word \"";
    QTest::newRow("a quote first") << "\"Hush\", said the moth";
    QTest::newRow("line breaks") << "First line\nsecond line\n";
    QTest::newRow("Windows line breaks") << "First line\r\nsecond line";
    QTest::newRow("an old Mac line break") << "First line\rsecond line";
    QTest::newRow("blanks at both ends") << "  indented, then trailing  ";
    QTest::newRow("a tab first") << "\tafter a tab";
    QTest::newRow("all at once") << " \"A\",\n\"B\" ";
}

void TestHostile::csvReadsBack() {
    // Every CSV the program writes, read back by a spreadsheet: the same fields in their columns.
    QFETCH(QString, text);
    GeneratedBook book;
    book.caster = text;
    book.spells = {{text, "3", "Very Rare", "Fire, " + text, text, text, text},
                   {"Plain", "1", "Common", "Air", "Vellum", "7", "Short."}};
    GeneratedBook other = book;
    other.caster = "Orrin";
    const QStringList header = {"Spell Name", "Level", "Frequency",  "Schools",
                                "Book",       "Page",  "Description"};
    const QList<QStringList> oneBook = {header,
                                        {text, "3", "Very Rare", "Fire, " + text, text, text, text},
                                        {"Plain", "1", "Common", "Air", "Vellum", "7", "Short."}};
    QCOMPARE(readSpreadsheetCsv(BookExport::csv({book})), oneBook);
    // Several books: the caster in a first column.
    const QList<QStringList> twoBooks = {
        QStringList{"Caster"} + header, QStringList{text} + oneBook[1],
        QStringList{text} + oneBook[2], QStringList{"Orrin"} + oneBook[1],
        QStringList{"Orrin"} + oneBook[2]};
    QCOMPARE(readSpreadsheetCsv(BookExport::csv({book, other})), twoBooks);

    // The catalogue's export: schools separated by semicolons, sorted by level.
    CatalogueSpell spell =
        FixtureDatabase::spell(text, 3, "Very Rare", "Fire;Evocation", text, text);
    spell.description = text;
    const Catalogue catalogue{FixtureDatabase::standardFrequencies(),
                              FixtureDatabase::standardSchools(),
                              {spell, FixtureDatabase::spell("Plain", 1, "Common", "Air")}};
    QCOMPARE(readSpreadsheetCsv(spellsCsv(catalogue)),
             (QList<QStringList>{
                 {"Name", "Level", "Frequency", "Schools", "Book", "Page", "Description"},
                 {"Plain", "1", "Common", "Air", "Test Book", "1", ""},
                 {text, "3", "Very Rare", "Fire;Evocation", text, text, text}}));
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
