// Reading the files users make: every problem in words, at its line; what spreadsheets and
// Windows programs save is understood.
#include "tools/catalogue/SpellFile.h"

#include <QtTest>

namespace {
const QByteArray kHeader = "Name,Level,Frequency,Schools,Book,Page,Description\n";
const QStringList kSchools = {"Fire", "Air", "Evocation"};
const QStringList kFrequencies = {"Common"};

QByteArray repeated(const char* text, int times) {
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += text;
    return bytes;
}
} // namespace

class TestCatalogueFiles : public QObject {
    Q_OBJECT

private slots:
    void everyProblemInWords_data();
    void everyProblemInWords();
    void realFilesAreRead_data();
    void realFilesAreRead();
};

void TestCatalogueFiles::everyProblemInWords_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("rows")
        << kHeader + "Good,1,Common,Fire,B,1,\n"
                     "Bad School,2,Common,Firee,B,2,\n"
                     "Bad Level,10,Common,Fire,B,3,\n"
                     ",3,Common,Fire,B,4,\n"
                     "Short,4,Common\n"
                     "Odd,5,Legendary,Fire;;Air;Fire,B,6,\n"
                     "Lonely,1,Common,,B,1,\n"
        << QStringList{"f.csv:3: unknown school \"Firee\"",
                       "f.csv:4: level \"10\" is not 1 to 9",
                       "f.csv:5: empty name",
                       "f.csv:6: 3 columns instead of 7",
                       "f.csv:7: unknown frequency \"Legendary\"; an empty school name; school "
                       "\"Fire\" given twice",
                       "f.csv:8: no school"};
    QTest::newRow("duplicates name the first line, letter case does not count")
        << kHeader + "Ember,1,Common,Fire,B,1,\nOther,1,Common,Fire,B,1,\n"
                     "ember,2,Common,Fire,B,1,\n Ember ,3,Common,Fire,B,1,\n"
        << QStringList{"f.csv:4: \"ember\" differs from \"Ember\" on line 2 only in letter case",
                       "f.csv:5: duplicate name \"Ember\" (first on line 2)"};
    QTest::newRow("a syntax error, and the rows after it still checked")
        << kHeader + "\"Ember\" Bolt,1,Common,Fire,B,1,\nSay \"hi\",1,Common,Fire,B,1,\n"
                     "Later,12,Common,Fire,B,1,\n"
        << QStringList{"f.csv:2: text after the closing quote of a field; a field that holds "
                       "quotes must be quoted as a whole, with each quote inside it doubled "
                       "(\"say \"\"hi\"\"\")",
                       "f.csv:3: a quote inside a field that does not begin with one; a field "
                       "that holds quotes must be quoted as a whole, with each quote inside it "
                       "doubled (\"say \"\"hi\"\"\")",
                       "f.csv:4: level \"12\" is not 1 to 9"};
    QTest::newRow("a quote never closed")
        << kHeader + "Good,1,Common,Fire,B,1,\n\"Open,2,Common,Fire,B,2,\nMore,1,Common,Fire,B,1,\n"
        << QStringList{"f.csv:3: a quote opens a field here that is never closed"};
    // The next spell's quoted description ends the runaway field, and the text after that quote
    // is where the parser stops; the fault is the line the field began on.
    QTest::newRow("a description's quote never closed, the next spell's quote ends it")
        << kHeader + "Good,1,Common,Fire,B,1,\"Fine.\"\nOpen,2,Common,Fire,B,2,\"Never closed\n"
                     "Next,1,Common,Fire,B,1,\"Its own.\"\nLater,1,Common,Fire,B,1,\n"
        << QStringList{"f.csv:3: the quoted field that begins here runs on to line 4: text after "
                       "the closing quote of a field; a field that holds quotes must be quoted "
                       "as a whole, with each quote inside it doubled (\"say \"\"hi\"\"\")"};
    QTest::newRow("a quote never closed after a field of two lines")
        << kHeader + "Two,1,Common,Fire,\"Book\nof lines\",1,\"Never closed\nMore,1,Common\n"
        << QStringList{"f.csv:3: a quote opens a field here that is never closed"};
    QTest::newRow("a field of two lines is read whole")
        << kHeader + "Two,1,Common,Fire,B,1,\"Line one\nline two\"\nBad,12,Common,Fire,B,1,\n"
        << QStringList{"f.csv:4: level \"12\" is not 1 to 9"};
    QTest::newRow("lengths in characters, found and allowed")
        << kHeader + QByteArray(101, 'n') + ",1,Common,Fire," + QByteArray(101, 'b') + "," +
               QByteArray(21, '9') + "," + QByteArray(401, 'd') + "\n" +
               // 401 emoji (802 UTF-16 units) are 401 characters
               "Emoji,1,Common,Fire,B,1," + repeated("\xF0\x9F\x94\xA5", 401) + "\n"
        << QStringList{"f.csv:2: the name is 101 characters long, more than the 100 allowed; "
                       "the book is 101 characters long, more than the 100 allowed; the page is "
                       "21 characters long, more than the 20 allowed; the description is 401 "
                       "characters long, more than the 400 allowed",
                       "f.csv:3: the description is 401 characters long, more than the 400 "
                       "allowed"};
    QTest::newRow("control characters, shown and not printed")
        << kHeader + "Red\x1B[31m,1,Common,Fire,B,1,\nBell,1,Common,Fire\x07,B\x01,1,ok\x02\n"
        << QStringList{"f.csv:2: the name holds a control character (U+001B)",
                       "f.csv:3: unknown school \"FireU+0007\"; the book holds a control "
                       "character (U+0001); the description holds a control character "
                       "(U+0002)"};
    QTest::newRow("U+0000 like any control character")
        << kHeader + "Nul" + '\0' + "Spell,1,Common,Fire,B,1,\nQuiet,1,Common,Fire,B" + '\0' +
               ",1,a" + '\0' + "b\n"
        << QStringList{"f.csv:2: the name holds a control character (U+0000)",
                       "f.csv:3: the book holds a control character (U+0000); the description "
                       "holds a control character (U+0000)"};
    QTest::newRow("empty file") << QByteArray() << QStringList{"f.csv:1: the file is empty"};
    QTest::newRow("header only") << kHeader
                                 << QStringList{"f.csv:1: the file has no spells, only a header"};
    QTest::newRow("another header, shown as found")
        << QByteArray("Name,Lvl,Frequency\nA,1,Common\n")
        << QStringList{"f.csv:1: the header must be "
                       "\"Name,Level,Frequency,Schools,Book,Page,Description\" (Description may "
                       "be left out), not \"Name,Lvl,Frequency\""};
    QTest::newRow("not UTF-8: the first bad line")
        << kHeader + "Good,1,Common,Fire,B,1,\nCaf\xE9,1,Common,Fire,B,1,\nx\x92,1,Common,Fire\n"
        << QStringList{"f.csv:3: the text is not UTF-8; save the file as UTF-8, or read a file "
                       "from Windows with --encoding windows-1252"};
    QTest::newRow("UTF-16")
        << QByteArray("\xFF\xFEN\0a\0", 6)
        << QStringList{"f.csv:1: the file is UTF-16 text; save it as UTF-8 (in a spreadsheet: "
                       "\"CSV UTF-8\")"};
    QTest::newRow("semicolons: an unquoted list of schools")
        << QByteArray("Name;Level;Frequency;Schools;Book;Page\nA;1;Common;Fire;Air;B;1\n")
        << QStringList{"f.csv:2: 7 columns instead of 6 (in a file separated by semicolons, a "
                       "field that holds one, such as \"Fire;Evocation\", must be quoted)"};
}

void TestCatalogueFiles::everyProblemInWords() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QStringList errors;
    parseSpells(file, "f.csv", kSchools, kFrequencies, &errors);
    QCOMPARE(errors, expected);
    for (const QString& error : errors)
        QVERIFY2(!error.contains(QChar(0x1B)), "a control character reached the message");
}

void TestCatalogueFiles::realFilesAreRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("windows1252");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("lastDescription");

    // 400 characters once each "\r\n" is one line break (402 before): just within the limit.
    const QByteArray longText = "First line\r\n" + QByteArray(379, 'x') + "\r\nlast line";
    QTest::newRow("spreadsheet: mark, semicolons, CRLF inside quotes")
        << "\xEF\xBB\xBFName;Level;Frequency;Schools;Book;Page;Description\r\n"
           "Ember;1;Common;\"Fire;Evocation\";Home, Vol. 2;3;\"" +
               longText + "\"\r\n"
        << false << QStringList{"Ember"} << "First line\n" + QString(379, 'x') + "\nlast line";
    QTest::newRow("windows-1252, read as such")
        << QByteArray("Name,Level,Frequency,Schools,Book,Page,Description\r\n"
                      "Caf\xE9 \x93"
                      "Ember\x94,1,Common,Fire,B,1,It\x92s \x80 5.\r\n")
        << true << QStringList{"Café “Ember”"} << "It’s € 5.";
    QTest::newRow("tabs, no Description column")
        << QByteArray("Name\tLevel\tFrequency\tSchools\tBook\tPage\nA\t1\tCommon\tAir\tB\t1\n")
        << false << QStringList{"A"} << QString();
    QTest::newRow("old Macintosh line ends, header in other letter case")
        << QByteArray("name,level,frequency,schools,book,page,description\rA,1,Common,Air,B,1,"
                      "\"one\rtwo\"\rB,2,Common,Fire,B,1,\r")
        << false << QStringList{"A", "B"} << QString();
    QTest::newRow("201 emoji are 201 characters")
        << kHeader + "Fire Storm,1,Common,Fire,B,1," + repeated("\xF0\x9F\x94\xA5", 201) + "\n"
        << false << QStringList{"Fire Storm"}
        << QString::fromUtf8(repeated("\xF0\x9F\x94\xA5", 201));
}

void TestCatalogueFiles::realFilesAreRead() {
    QFETCH(QByteArray, file);
    QFETCH(bool, windows1252);
    QFETCH(QStringList, names);
    QFETCH(QString, lastDescription);
    const SpellFile read = readSpellFile(
        file, kSchools, kFrequencies, windows1252 ? TextEncoding::Windows1252 : TextEncoding::Utf8);
    QStringList errors = describeProblems("f.csv", read.problems);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QStringList found;
    for (const CatalogueSpell& spell : read.spells)
        found << spell.name;
    QCOMPARE(found, names);
    if (!lastDescription.isEmpty())
        QCOMPARE(read.spells.last().description, lastDescription);
    QVERIFY(!read.spells.last().description.contains('\r'));
}

QTEST_GUILESS_MAIN(TestCatalogueFiles)
#include "tst_catalogue_files.moc"
