// The report: the staged book read back, filled into the template, laid out and saved as PDF.
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/SpellbookReport.h"
#include "ui/TwError.h"

#include <QFile>
#include <QTextDocument>
#include <QtTest>

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void stagedBookReadsBack();
    void everySpellOnceUnderItsLevelInOrder();
    void textIsShownNotInterpreted();
    void compactTemplateLeavesOutDescriptions();
    void badTemplateNamesTheFile_data();
    void badTemplateNamesTheFile();
    void pdfEmbedsItsFonts();

private:
    ReportBook stagedBook();
    FixtureDatabase m_fixture;
    SharedSettings m_settings;
};

void TestReport::initTestCase() {
    auto ember = FixtureDatabase::spell("Ember Lattice", 2, "Rare", "Fire;Evocation;Wild",
                                        "Greywater Compendium", "61");
    ember.description = "A grid of embers hangs in the air.";
    m_fixture.build({ember, FixtureDatabase::spell("Quiet Step", 1, "Common", "Illusion"),
                     FixtureDatabase::spell("Star Anchor", 9, "Very Rare", "Force;Evocation"),
                     FixtureDatabase::spell("Dew Mirror", 1, "Uncommon", "Water;Divination")});
}

ReportBook TestReport::stagedBook() {
    TW_Library library(m_fixture.path(), m_settings);
    library.SetCasterHold("Ana Vell", "Tomewright Auto Generated Spellbook");
    library.InitializeSpellbook({{"Star Anchor", "9", "", "", "", ""},
                                 {"Quiet Step", "1", "", "", "", ""},
                                 {"Ember Lattice", "2", "", "", "", ""},
                                 {"Dew Mirror", "1", "", "", "", ""}},
                                "Ana Vell");
    return SpellbookReport::readStagedBook(m_fixture.path(), "kobold3");
}

void TestReport::stagedBookReadsBack() {
    const ReportBook book = stagedBook();
    QCOMPARE(book.caster, QString("Ana Vell"));
    QCOMPARE(book.filterName, QString("Tomewright Auto Generated Spellbook"));
    QCOMPARE(book.spells.size(), 4);
    const ReportSpell& ember = book.spells[2];
    QCOMPARE(ember.name, QString("Ember Lattice"));
    QCOMPARE(ember.schools, QString("Fire, Evocation, Wild"));
    QCOMPARE(ember.frequency, QString("Rare"));
    QCOMPARE(ember.book, QString("Greywater Compendium"));
    QCOMPARE(ember.page, QString("61"));
    QCOMPARE(ember.description, QString("A grid of embers hangs in the air."));
}

void TestReport::everySpellOnceUnderItsLevelInOrder() {
    const QString html = SpellbookReport::renderHtml(stagedBook(), TOMEWRIGHT_TEMPLATE);
    const QString text = SpellbookReport::makeDocument(html)->toPlainText();
    const QStringList expectedOrder = {"Ana Vell",      "4 spells in 3 spell levels",
                                       "1st Level",     "Quiet Step",
                                       "Dew Mirror",    "2nd Level",
                                       "Ember Lattice", "A grid of embers hangs in the air.",
                                       "9th Level",     "Star Anchor"};
    qsizetype from = 0;
    for (const QString& part : expectedOrder) {
        const qsizetype at = text.indexOf(part, from);
        QVERIFY2(at >= 0, qPrintable(part + " missing or out of order in:\n" + text));
        from = at + part.size();
    }
    for (const char* spell : {"Quiet Step", "Dew Mirror", "Ember Lattice", "Star Anchor"})
        QCOMPARE(text.count(spell), 1);
    QVERIFY(!text.contains("3rd Level"));
}

void TestReport::compactTemplateLeavesOutDescriptions() {
    const QString text = SpellbookReport::makeDocument(
                             SpellbookReport::renderHtml(stagedBook(), TOMEWRIGHT_COMPACT_TEMPLATE))
                             ->toPlainText();
    QVERIFY(text.contains("Ember Lattice"));
    QVERIFY(text.contains("Star Anchor"));
    QVERIFY(!text.contains("A grid of embers"));
}

void TestReport::textIsShownNotInterpreted() {
    ReportBook book;
    book.caster = "<b>Ana</b> & \"Bel\" {{caster}}";
    book.spells.append({"Tom's <i>Trick</i>", "1", "Common", "Charm", "B", "1", "a < b"});
    const QString text =
        SpellbookReport::makeDocument(SpellbookReport::renderHtml(book, TOMEWRIGHT_TEMPLATE))
            ->toPlainText();
    QVERIFY2(text.contains(book.caster), qPrintable(text));
    QVERIFY(text.contains("Tom's <i>Trick</i>"));
    QVERIFY(text.contains("a < b"));
}

void TestReport::badTemplateNamesTheFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << "cannot be read";
    QTest::newRow("unclosed section")
        << QByteArray("{{#levels}}<p>{{level}}</p>") << "is not a valid template";
}

void TestReport::badTemplateNamesTheFile() {
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    const QString path = folder.filePath("broken.rpt");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    try {
        SpellbookReport::renderHtml(ReportBook(), path);
        QFAIL("no failure");
    } catch (const TwError& error) {
        QVERIFY2(error.description().contains(expected), qPrintable(error.description()));
        QVERIFY2(error.description().contains(path), qPrintable(error.description()));
    }
}

void TestReport::pdfEmbedsItsFonts() {
    auto document = SpellbookReport::makeDocument(
        SpellbookReport::renderHtml(stagedBook(), TOMEWRIGHT_TEMPLATE));
    const QByteArray pdf = SpellbookReport::pdfBytes(*document, "Previewing Spellbook Ana Vell",
                                                     QPageSize(QPageSize::A4));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/FontFile2"));
    QVERIFY(pdf.contains("DejaVu"));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
