// The report: the staged book read back, filled into the template, laid out and saved as PDF.
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/PdfText.h"
#include "ui/PaperSize.h"
#include "ui/SpellbookReport.h"
#include "ui/TwError.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTextDocument>
#include <QtTest>
#include <numeric>

namespace {
const QStringList kWords = {"amber", "ashen",  "bell",   "cinder", "copper",  "dusk",
                            "ember", "glass",  "hollow", "iron",   "lantern", "moth",
                            "pale",  "quiet",  "raven",  "salt",   "silver",  "thorn",
                            "tide",  "velvet", "willow", "winter", "wren",    "yarrow"};

QString madeUpText(int first, int count) {
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << kWords[(first * 7 + i * 5) % kWords.size()];
    return words.join(' ');
}

// A book of count spells in level order, three a level, with descriptions of up to
// longest words (every fifth spell without one).
ReportBook madeUpBook(int count, int longest = 40) {
    ReportBook book;
    book.caster = "Ana Vell";
    book.filterName = "Tomewright Auto Generated Spellbook";
    for (int i = 0; i < count; ++i) {
        const QString name = QString("Spell %1 %2").arg(i + 1).arg(madeUpText(i, 1 + i % 4));
        book.spells.append({name, QString::number(1 + i / 3), i % 2 ? "Rare" : "Common",
                            i % 3 ? "Fire, Evocation" : "Illusion", "Greywater Compendium",
                            QString::number(10 + i),
                            i % 5 == 4 ? QString() : madeUpText(i, (i * 13) % longest) + "."});
    }
    return book;
}

QString ordinal(int level) {
    return level == 1   ? "1st"
           : level == 2 ? "2nd"
           : level == 3 ? "3rd"
                        : QString("%1th").arg(level);
}

// The book printed to a PDF file in folder; the file's path.
QString printToFile(const ReportBook& book, const QString& templatePath, const QPageSize& paper,
                    const QTemporaryDir& folder) {
    auto document = SpellbookReport::makeDocument(SpellbookReport::renderHtml(book, templatePath));
    QFile file(folder.filePath("book.pdf"));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(SpellbookReport::pdfBytes(*document, "Book", paper));
    return file.fileName();
}

QList<QStringList> printedPages(const ReportBook& book, const QString& templatePath,
                                const QPageSize& paper) {
    QTemporaryDir folder;
    return PdfText::pageWords(printToFile(book, templatePath, paper, folder));
}

// The pages holding the words one after the other.
QList<qsizetype> pagesWith(const QList<QStringList>& pages, const QStringList& words) {
    QList<qsizetype> found;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (PdfText::find(pages[p], words) >= 0)
            found << p;
    }
    return found;
}
} // namespace

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
    void templateImagesOnlyFromItsFolder_data();
    void templateImagesOnlyFromItsFolder();
    void pdfEmbedsItsFonts();
    void cardsNineToAPageNoneSplit_data();
    void cardsNineToAPageNoneSplit();
    void textTallerThanAPageIsCutBetweenLines();
    void endlessWordPrintsWhole();
    void rowsStayInTheTextArea_data();
    void rowsStayInTheTextArea();
    void printerAndPdfShowTheSamePages();
    void paperForLocale_data();
    void paperForLocale();
    void namesInEveryScriptPrintAsThemselves();
    void undrawableTextIsNamed_data();
    void undrawableTextIsNamed();

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

void TestReport::templateImagesOnlyFromItsFolder_data() {
    // {ROOT} holds outside.png; the template lies in {ROOT}/templates with inside.png,
    // img/nested.png and escape.png, a link to ../outside.png.
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("embedded");
    QTest::newRow("beside the template") << "inside.png" << true;
    QTest::newRow("in a folder of its own") << "img/nested.png" << true;
    QTest::newRow("its folder by the full path") << "{ROOT}/templates/inside.png" << true;
    QTest::newRow("another folder by the full path") << "{ROOT}/outside.png" << false;
    QTest::newRow("another folder as a file URL") << "file://{ROOT}/outside.png" << false;
    QTest::newRow("up and out") << "../outside.png" << false;
    QTest::newRow("up and back in") << "../templates/inside.png" << true;
    QTest::newRow("a link that leads out") << "escape.png" << false;
    QTest::newRow("a device that never ends") << "/dev/zero" << false;
}

void TestReport::templateImagesOnlyFromItsFolder() {
    QFETCH(QString, source);
    QFETCH(bool, embedded);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("templates/img"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const char* name : {"outside.png", "templates/inside.png", "templates/img/nested.png"})
        QVERIFY(image.save(root.filePath(name)));
    QVERIFY(QFile::link(root.filePath("outside.png"), root.filePath("templates/escape.png")));
    const QString templatePath = root.filePath("templates/report.rpt");
    QFile file(templatePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString("<html><body><p>{{caster}}</p><p><img src=\"%1\"></p></body></html>")
                   .arg(QString(source).replace("{ROOT}", root.path()))
                   .toUtf8());
    file.close();
    auto document = SpellbookReport::makeDocument(
        SpellbookReport::renderHtml(stagedBook(), templatePath), templatePath);
    const QByteArray pdf = SpellbookReport::pdfBytes(*document, "Book", QPageSize(QPageSize::A4));
    QVERIFY(pdf.startsWith("%PDF"));
    // The template's red image is 8 pixels square; nothing else in the book is.
    QCOMPARE(pdf.contains("/Subtype /Image\n/Width 8\n/Height 8\n"), embedded);
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

void TestReport::cardsNineToAPageNoneSplit_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<int>("longSpell"); // the spell with a very long description, or -1
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << -1;
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << -1;
    QTest::newRow("a card with a page of text") << QPageSize(QPageSize::A4) << 13;
}

void TestReport::cardsNineToAPageNoneSplit() {
    QFETCH(QPageSize, paper);
    QFETCH(int, longSpell);
    ReportBook book = madeUpBook(23);
    if (longSpell >= 0)
        book.spells[longSpell].description = madeUpText(1, 180) + ".";
    const QList<QStringList> pages = printedPages(book, TOMEWRIGHT_CARDS_TEMPLATE, paper);
    QList<int> cards(pages.size());
    qsizetype longCardPage = -1;
    for (qsizetype i = 0; i < book.spells.size(); ++i) {
        const ReportSpell& spell = book.spells[i];
        const QString card =
            QStringList{spell.name,
                        ordinal(spell.level.toInt()) + " Level \u00b7 " + spell.frequency,
                        spell.schools, spell.description,
                        spell.book + ", page " + spell.page + " \u00b7 " + book.caster}
                .join(' ');
        const QList<qsizetype> found = pagesWith(pages, PdfText::words(card));
        QVERIFY2(found.size() == 1, qPrintable(spell.name + " is not whole on one page"));
        ++cards[found.first()];
        if (i == longSpell)
            longCardPage = found.first();
    }
    if (longSpell < 0) {
        QCOMPARE(cards, (QList<int>{9, 9, 5}));
    } else {
        // The long card's row keeps its own height, so its page holds fewer rows; the others
        // stay three rows to a page.
        QCOMPARE(std::accumulate(cards.begin(), cards.end(), 0), 23);
        QVERIFY(cards[longCardPage] < 9);
        for (qsizetype p = 0; p + 1 < cards.size(); ++p)
            QVERIFY(cards[p] % 3 == 0 && cards[p] <= 9);
    }
    // Every page is numbered at its foot.
    for (qsizetype p = 0; p < pages.size(); ++p)
        QCOMPARE(pages[p].last(), QString::number(p + 1));
}

void TestReport::textTallerThanAPageIsCutBetweenLines() {
    ReportBook book = madeUpBook(4);
    QStringList numbered;
    for (int i = 1; i <= 1500; ++i)
        numbered << QString("w%1").arg(i);
    book.spells[1].description = numbered.join(' ');
    const QList<QStringList> pages =
        printedPages(book, TOMEWRIGHT_TEMPLATE, QPageSize(QPageSize::A4));
    QVERIFY(pages.size() >= 2);
    // Read on from page to page, leaving out the page numbers and the repeated headers, the
    // text comes whole: no line lost at a cut. (Qt draws one line above a clip that starts
    // inside a paragraph; the page's clip hides it, but it stays in the file: a join may
    // repeat one line, no more.)
    const QStringList header = PdfText::words("1st Level \u2014 3 spells Spell Schools Frequency "
                                              "Book Page");
    QStringList read;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList words = pages[p].mid(0, pages[p].size() - 1);
        if (p > 0) {
            QCOMPARE(words.mid(0, header.size()), header);
            words = words.mid(header.size());
            for (qsizetype repeated = std::min<qsizetype>(30, words.size()); repeated > 0;
                 --repeated) {
                if (read.mid(read.size() - repeated) == words.mid(0, repeated)) {
                    words = words.mid(repeated);
                    break;
                }
            }
        }
        read += words;
    }
    QVERIFY2(PdfText::find(read, numbered) >= 0, qPrintable(read.join(' ')));
    QCOMPARE(read.count("w1"), 1);
    // The spell after it still follows whole.
    QVERIFY(PdfText::find(read, PdfText::words(book.spells[2].name)) >
            PdfText::find(read, numbered));
}

void TestReport::endlessWordPrintsWhole() {
    // A description of one "word" of 3,000 letters (a pasted key, a run of one character) is
    // wrapped across lines with nothing added, lost or changed, and quickly (bench_report times
    // it; before, each line measured the rest of the word again).
    ReportBook book = madeUpBook(2);
    QString word;
    for (int i = 0; word.size() < 3000; ++i)
        word += QString::number(i) + QChar('a' + i % 26);
    word.truncate(3000);
    book.spells[0].description = word;
    const QString text =
        SpellbookReport::makeDocument(SpellbookReport::renderHtml(book, TOMEWRIGHT_TEMPLATE))
            ->toPlainText();
    QCOMPARE(QString(text).remove(QChar(0x200B)).count(word), 1);
    QVERIFY(!text.contains(word)); // it may be broken between lines
    const QList<QStringList> pages =
        printedPages(book, TOMEWRIGHT_TEMPLATE, QPageSize(QPageSize::A4));
    QCOMPARE(pages.size(), 1);
    QString lines;
    for (const QString& printed : pages[0]) {
        const QString letters = QString(printed).remove(QChar(0x200B));
        if (word.contains(letters) && letters.size() > 10)
            lines += letters;
    }
    QCOMPARE(lines, word);
}

void TestReport::rowsStayInTheTextArea_data() {
    QTest::addColumn<QString>("templatePath");
    QTest::addColumn<QPageSize>("paper");
    QTest::newRow("with descriptions, A4") << TOMEWRIGHT_TEMPLATE << QPageSize(QPageSize::A4);
    QTest::newRow("with descriptions, Letter")
        << TOMEWRIGHT_TEMPLATE << QPageSize(QPageSize::Letter);
    QTest::newRow("compact, A4") << TOMEWRIGHT_COMPACT_TEMPLATE << QPageSize(QPageSize::A4);
}

void TestReport::rowsStayInTheTextArea() {
    // One level of 120 spells runs over many pages, its column header repeated at the top of
    // each: every row still ends inside the text area, 2 cm above the paper's foot, where only
    // the page number stands.
    QFETCH(QString, templatePath);
    QFETCH(QPageSize, paper);
    ReportBook book = madeUpBook(120);
    for (ReportSpell& spell : book.spells)
        spell.level = "1";
    QTemporaryDir folder;
    const QList<PdfText::PlacedPage> pages =
        PdfText::placedWords(printToFile(book, templatePath, paper, folder));
    QVERIFY(pages.size() >= 3);
    const qreal margin = 2 / 2.54 * 72;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const qreal textBottom = pages[p].size.height() - margin;
        QStringList below;
        for (const PdfText::PlacedWord& word : pages[p].words) {
            if (word.box.bottom() > textBottom + 0.5)
                below << word.text;
        }
        QCOMPARE(below, QStringList{QString::number(p + 1)});
    }
}

void TestReport::printerAndPdfShowTheSamePages() {
    const ReportBook book = madeUpBook(60);
    auto document =
        SpellbookReport::makeDocument(SpellbookReport::renderHtml(book, TOMEWRIGHT_TEMPLATE));
    QTemporaryDir folder;
    // The printer at its own resolution, as the print dialog and the preview use it.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("printer.pdf"));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    SpellbookReport::printDocument(*document, &printer);
    QFile written(folder.filePath("writer.pdf"));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(SpellbookReport::pdfBytes(*document, "Book", QPageSize(QPageSize::Letter)));
    written.close();
    const QList<QStringList> fromWriter = PdfText::pageWords(written.fileName());
    QVERIFY(fromWriter.size() > 2);
    QCOMPARE(PdfText::pageWords(folder.filePath("printer.pdf")), fromWriter);
}

void TestReport::paperForLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("United States") << "en_US" << QPageSize::Letter;
    QTest::newRow("Canada, English") << "en_CA" << QPageSize::Letter;
    QTest::newRow("Canada, French") << "fr_CA" << QPageSize::Letter;
    QTest::newRow("Mexico") << "es_MX" << QPageSize::Letter;
    QTest::newRow("Philippines") << "fil_PH" << QPageSize::Letter;
    QTest::newRow("United Kingdom") << "en_GB" << QPageSize::A4;
    QTest::newRow("Germany") << "de_DE" << QPageSize::A4;
    QTest::newRow("Spain") << "es_ES" << QPageSize::A4;
    QTest::newRow("Australia") << "en_AU" << QPageSize::A4;
    QTest::newRow("no locale") << "C" << QPageSize::A4;
}

void TestReport::paperForLocale() {
    QFETCH(QString, locale);
    QFETCH(QPageSize::PageSizeId, paper);
    QCOMPARE(PaperSize::forLocale(QLocale(locale)).id(), paper);
}

void TestReport::namesInEveryScriptPrintAsThemselves() {
    ReportBook book = madeUpBook(3);
    book.caster = QString::fromUtf8("Ærin Łódź");
    book.spells[0].name = QString::fromUtf8("Ὠκεανοῦ Δεσμός");
    book.spells[1].name = QString::fromUtf8("Жар Птица");
    book.spells[2].name = QString::fromUtf8("Ŧħē Ŵȳrd Ŝœur");
    QVERIFY(SpellbookReport::undrawableNotes(book).isEmpty());
    // Read back from the file: drawn with the font's own glyphs, not boxes.
    const QList<QStringList> pages =
        printedPages(book, TOMEWRIGHT_TEMPLATE, QPageSize(QPageSize::A4));
    QCOMPARE(pages.size(), 1);
    for (const QString& text :
         {book.caster, book.spells[0].name, book.spells[1].name, book.spells[2].name})
        QVERIFY2(PdfText::find(pages[0], PdfText::words(text)) >= 0, qPrintable(text));
}

void TestReport::undrawableTextIsNamed_data() {
    QTest::addColumn<QString>("caster");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("Latin, Greek and Cyrillic")
        << QString::fromUtf8("Ærin Łódź") << QString::fromUtf8("Ἄνεμος, вихрь и ветер.")
        << QStringList();
    QTest::newRow("joiners and variation selectors")
        << QString::fromUtf8("Ana\u200dVell") << QString::fromUtf8("Star\ufe0f and tab\there.")
        << QStringList();
    QTest::newRow("unassigned character in a description")
        << "Ana" << QString::fromUtf8("The sign \u0378 glows.")
        << QStringList{QString::fromUtf8("Spell \"Quiet Step\": no installed font can draw "
                                         "\"\u0378\" (U+0378); it prints as an empty box.")};
    QTest::newRow("two characters, one outside the basic plane")
        << "Ana" << QString::fromUtf8("\U0010FFFD and \u0378, \u0378 again.")
        << QStringList{QString::fromUtf8("Spell \"Quiet Step\": no installed font can draw "
                                         "\"\U0010FFFD\" (U+10FFFD), \"\u0378\" (U+0378); they "
                                         "print as empty boxes.")};
    QTest::newRow("the caster's name")
        << QString::fromUtf8("Ana \u0378") << "Calm."
        << QStringList{QString::fromUtf8("Caster \"Ana \u0378\": no installed font can draw "
                                         "\"\u0378\" (U+0378); it prints as an empty box.")};
}

void TestReport::undrawableTextIsNamed() {
    QFETCH(QString, caster);
    QFETCH(QString, description);
    QFETCH(QStringList, notes);
    ReportBook book;
    book.caster = caster;
    book.spells.append({"Quiet Step", "1", "Common", "Illusion", "B", "1", description});
    book.spells.append({"Plain Spark", "1", "Common", "Fire", "B", "2", "Sparks."});
    QCOMPARE(SpellbookReport::undrawableNotes(book), notes);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
