// tomewright-cli generate as a user runs it: reproducible seeds, batches, formats, messages.
#include "tests/support/FixtureDatabase.h"
#include "tools/catalogue/CsvFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QByteArray out;
    QString errors;
};
} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameSeedSameBytes_data();
    void sameSeedSameBytes();
    void batchBooksCanBeRemadeAlone();
    void batchIsOneFile_data();
    void batchIsOneFile();
    void unwritableOutputWritesNothing();
    void wrongOptionsAndChecks_data();
    void wrongOptionsAndChecks();
    void databaseFailureExitsOne();
    void limitedNoteGoesToErrorsBookStillWritten();
    void jsonLinesHoldEveryField();
    void quotesAndCommasSurvive();
    void pdfStartsEachBookOnANewPage();
    void seedIsReportedWhenDrawn();

private:
    Run run(QStringList arguments, bool withDatabase = true);
    FixtureDatabase m_fixture;
};

void TestCli::initTestCase() {
    QList<CatalogueSpell> spells;
    const QStringList schools = {"Evocation;Fire", "Illusion;Phantasm", "Abjuration",
                                 "Divination",     "Wild;Charm",        "Conjuration;Summoning"};
    int n = 0;
    for (int level = 1; level <= 9; ++level) {
        for (int i = 0; i < 36; ++i) {
            ++n;
            auto spell = FixtureDatabase::spell(QString("Spell %1").arg(n, 3, 10, QChar('0')),
                                                level, i % 7 == 6 ? "Unique" : "Common",
                                                schools[i % schools.size()], "Test Book",
                                                QString::number(n));
            spell.description = QString("Does thing %1, well.").arg(n);
            spells << spell;
        }
    }
    m_fixture.build(spells);
}

Run TestCli::run(QStringList arguments, bool withDatabase) {
    if (withDatabase)
        arguments << "--db" << m_fixture.path();
    QProcess process;
    process.start(TOMEWRIGHT_CLI, QStringList{"generate"} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestCli::sameSeedSameBytes_data() {
    QTest::addColumn<QString>("format");
    for (const char* format : {"text", "csv", "json", "markdown"})
        QTest::newRow(format) << format;
}

void TestCli::sameSeedSameBytes() {
    QFETCH(QString, format);
    const QStringList options = {"--name",      "Ana",      "--level", "18th",     "--class",
                                 "illusionist", "--volume", "high",    "--format", format};
    const Run first = run(options + QStringList{"--seed", "42"});
    const Run again = run(options + QStringList{"--seed", "42"});
    const Run other = run(options + QStringList{"--seed", "43"});
    QCOMPARE(first.status, 0);
    QVERIFY(first.out.size() > 200);
    QCOMPARE(again.out, first.out);
    QVERIFY(other.out != first.out);
}

void TestCli::batchBooksCanBeRemadeAlone() {
    const QStringList options = {"--level", "12", "--class", "MAGE", "--format", "json"};
    const Run batch =
        run(options + QStringList{"--name", "Cultist", "--count", "3", "--seed", "100"});
    QCOMPARE(batch.status, 0);
    const QList<QByteArray> lines = batch.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(QJsonDocument::fromJson(lines[i]).object()["caster"].toString(),
                 QString("Cultist %1").arg(i + 1));
    const Run single = run(options + QStringList{"--name", "Cultist 2", "--seed", "101"});
    QCOMPARE(single.out.trimmed(), lines[1]);
}

void TestCli::batchIsOneFile_data() {
    QTest::addColumn<QString>("format");
    for (const char* format : {"text", "csv", "json", "markdown"})
        QTest::newRow(format) << format;
}

void TestCli::batchIsOneFile() {
    // A batch is written book by book as it is drawn: to a file or to the standard output it is
    // the same bytes, and it reads as one file of that format, not as books pasted together.
    QFETCH(QString, format);
    QTemporaryDir folder;
    const QString path = folder.filePath("batch." + format);
    const QStringList options = {"--name", "Cultist", "--level", "7",        "--count",
                                 "3",      "--seed",  "9",       "--format", format};
    const Run out = run(options);
    const Run file = run(options + QStringList{"--output", path});
    QCOMPARE(out.status, 0);
    QCOMPARE(file.status, 0);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), out.out);
    const QString text = QString::fromUtf8(out.out);
    if (format == "csv") {
        const CsvContent csv = parseCsv(out.out, "batch.csv");
        QVERIFY(csv.errors.isEmpty());
        QCOMPARE(csv.records[0].fields.value(0), QString("Caster"));
        QCOMPARE(text.count("Spell Name,"), 1);
        QCOMPARE(csv.records.last().fields.value(0), QString("Cultist 3"));
    } else if (format == "json") {
        const QList<QByteArray> lines = out.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        for (const QByteArray& line : lines)
            QVERIFY(QJsonDocument::fromJson(line).isObject());
    } else {
        // One blank line between two books in text, a heading per book in markdown.
        const QString first = format == "text" ? "Cultist 1\n" : "# Cultist 1\n";
        QVERIFY(text.startsWith(first));
        for (const char* next : {"Cultist 2\n", "Cultist 3\n"})
            QVERIFY(text.contains(format == "text" ? QString("\n\n\n") + next
                                                   : QString("|\n\n\n# ") + next));
    }
}

void TestCli::unwritableOutputWritesNothing() {
    QTemporaryDir folder;
    const QString path = folder.filePath("no-such-folder/batch.json");
    const Run result = run(
        {"--name", "Ana", "--level", "3", "--count", "2", "--format", "json", "--output", path});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.errors.contains("\"" + path + "\" cannot be written"),
             qPrintable(result.errors));
    QVERIFY(result.out.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestCli::wrongOptionsAndChecks_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList base = {"--name", "Ana", "--level", "5"};
    QTest::newRow("no name") << QStringList{"--level", "5"} << "Caster Name is a required Field";
    QTest::newRow("blank name") << QStringList{"--name", "  ", "--level", "5"}
                                << "Caster Name is a required Field";
    QTest::newRow("no level") << QStringList{"--name", "Ana"} << "Caster Level is a required Field";
    QTest::newRow("level 31") << QStringList{"--name", "Ana", "--level", "31"}
                              << "Unknown level \"31\"";
    QTest::newRow("unknown class") << base + QStringList{"--class", "Wizard"}
                                   << "Unknown class \"Wizard\". Valid: \"MAGE\", \"ABJURER\"";
    QTest::newRow("unknown volume")
        << base + QStringList{"--volume", "huge"} << "Unknown volume \"huge\"";
    QTest::newRow("unknown frequency")
        << base + QStringList{"--frequency", "Mythic"} << "Unknown frequency \"Mythic\"";
    QTest::newRow("unknown school")
        << base + QStringList{"--exclude", "Firee"} << "Unknown school \"Firee\"";
    QTest::newRow("bad custom") << base + QStringList{"--custom", "10=3"} << "--custom takes";
    QTest::newRow("percent not in tens")
        << base + QStringList{"--specialist-percent", "15"} << "steps of 10";
    QTest::newRow("bad format") << base + QStringList{"--format", "docx"}
                                << "Unknown format \"docx\"";
    QTest::newRow("pdf without output")
        << base + QStringList{"--format", "pdf"} << "--format pdf needs --output.";
    QStringList everyCore = base + QStringList{"--class", "Wild Mage"};
    for (const char* school :
         {"Abjuration", "Alteration", "Charm", "Conjuration", "Divination", "Enchantment",
          "Evocation", "Illusion", "Invocation", "Necromancy", "Phantasm", "Summoning"})
        everyCore << "--exclude" << school;
    QTest::newRow("specialist without a core school")
        << everyCore << "You must include at least one Core School for a Specialist";
    QStringList everySchool = base;
    for (const QString& school : FixtureDatabase::standardSchools())
        everySchool << "--exclude" << school;
    QTest::newRow("all schools excluded")
        << everySchool << "You cannot request all Schools to be Excluded";
    QTest::newRow("unknown option") << base + QStringList{"--colour", "red"} << "Unknown option";
}

void TestCli::wrongOptionsAndChecks() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QVERIFY(result.out.isEmpty());
}

void TestCli::databaseFailureExitsOne() {
    const Run result =
        run({"--name", "Ana", "--level", "5", "--db", "/nonexistent/Spells.mdb"}, false);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.errors.contains("is missing"), qPrintable(result.errors));
}

void TestCli::limitedNoteGoesToErrorsBookStillWritten() {
    // A diviner at Full volume: only the Divination-school spells and a few others qualify.
    const Run result = run({"--name",    "Seer",      "--level",   "3",          "--class",
                            "DIVINER",   "--volume",  "full",      "--exclude",  "Evocation",
                            "--exclude", "Illusion",  "--exclude", "Abjuration", "--exclude",
                            "Charm",     "--exclude", "Phantasm",  "--seed",     "1"});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.errors.contains("Seer: Following Levels Volume was limited by criteria: 1, 2"),
             qPrintable(result.errors));
    QVERIFY(result.out.contains("1st Level"));
}

void TestCli::jsonLinesHoldEveryField() {
    const Run result = run({"--name", "Ana", "--level", "7", "--class", "INVOKER", "--exclude",
                            "fire", "--seed", "9", "--format", "json", "--count", "2"});
    QCOMPARE(result.status, 0);
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    for (const QByteArray& line : lines) {
        QJsonParseError error;
        const QJsonObject book = QJsonDocument::fromJson(line, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        for (const char* key : {"caster", "level", "class", "volume", "frequency", "seed",
                                "excluded", "limited", "spells"})
            QVERIFY2(book.contains(key), key);
        QCOMPARE(book["class"].toString(), QString("INVOKER"));
        QCOMPARE(book["level"].toString(), QString("7th"));
        QVERIFY(book["excluded"].toArray().contains("Fire"));
        const QJsonObject spell = book["spells"].toArray().first().toObject();
        for (const char* key :
             {"name", "level", "frequency", "schools", "book", "page", "description"})
            QVERIFY2(spell.contains(key), key);
        QVERIFY(spell["schools"].isArray());
        QVERIFY(spell["description"].toString().startsWith("Does thing"));
    }
    QCOMPARE(QJsonDocument::fromJson(lines[1]).object()["seed"].toString(), QString("10"));
}

void TestCli::quotesAndCommasSurvive() {
    const QString name = "Ana \"Red\", Vell";
    const Run json = run({"--name", name, "--level", "3", "--seed", "5", "--format", "json"});
    QCOMPARE(QJsonDocument::fromJson(json.out).object()["caster"].toString(), name);
    const Run csv =
        run({"--name", name, "--level", "3", "--seed", "5", "--format", "csv", "--count", "2"});
    const CsvContent content = parseCsv(csv.out, "out.csv");
    QVERIFY(content.errors.isEmpty());
    QCOMPARE(content.records.first().fields.first(), QString("Caster"));
    QCOMPARE(content.records[1].fields.first(), name + " 1");
    // Caster, Spell Name, Level, Frequency, Schools, Book, Page, Description
    const QStringList& fields = content.records[1].fields;
    QCOMPARE(fields.size(), 8);
    QCOMPARE(fields[7], QString("Does thing %1, well.").arg(fields[6]));
}

void TestCli::pdfStartsEachBookOnANewPage() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("books.pdf");
    const Run result = run({"--name", "Cultist", "--level", "5", "--count", "2", "--seed", "3",
                            "--format", "pdf", "--output", pdf, "--template", TOMEWRIGHT_TEMPLATE});
    QCOMPARE(result.status, 0);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(60000));
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
    int starts = 0;
    for (const QString& page : pages) {
        const QString top = page.trimmed().section('\n', 0, 0).trimmed();
        if (top.startsWith("Cultist "))
            ++starts;
    }
    QCOMPARE(starts, 2);
    QVERIFY(pages.join("").contains("seed 4"));
}

void TestCli::seedIsReportedWhenDrawn() {
    const Run result = run({"--name", "Ana", "--level", "2", "--format", "markdown"});
    QCOMPARE(result.status, 0);
    const QRegularExpression seed("Seed: (\\d+)");
    const QRegularExpressionMatch match = seed.match(result.errors);
    QVERIFY2(match.hasMatch(), qPrintable(result.errors));
    QVERIFY(result.out.contains(("seed " + match.captured(1)).toUtf8()));
    const Run again =
        run({"--name", "Ana", "--level", "2", "--format", "markdown", "--seed", match.captured(1)});
    QCOMPARE(again.out, result.out);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
