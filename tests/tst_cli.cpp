// tomewright-cli generate as a user runs it: reproducible seeds, batches, formats, messages.
#include "library/catalogue/CsvFile.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/PdfText.h"
#include "tests/support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Words for made-up spell texts: none holds a hyphen (a line may break after it), so the words
// read back from a PDF are the words written; none is a word of the report's own headings.
const QStringList kWords = {"amber",  "ashen",  "bell",   "bramble", "cinder",  "copper", "crown",
                            "dusk",   "ember",  "glass",  "gloam",   "hollow",  "iron",   "lantern",
                            "marrow", "moth",   "oaken",  "pale",    "quiet",   "raven",  "salt",
                            "silver", "stone",  "thorn",  "tide",    "umber",   "velvet", "willow",
                            "winter", "wren",   "harbor", "needle",  "orchard", "pewter", "quill",
                            "rook",   "saddle", "tallow", "vesper",  "yarrow"};

QString sentence(QRandomGenerator& random, int count, bool title) {
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word = kWords[random.bounded(int(kWords.size()))];
        if (title || i == 0)
            word[0] = word[0].toUpper();
        words << word;
    }
    return words.join(' ');
}

// A catalogue for full books of high-level casters: 40 spells a level, names of two to six
// words (long ones wrap), descriptions from none to a long paragraph.
QList<CatalogueSpell> wordySpells() {
    QRandomGenerator random(2026);
    QList<CatalogueSpell> spells;
    QSet<QString> names;
    const QStringList schools = FixtureDatabase::standardSchools();
    const QStringList books = {"Greywater Compendium", "Ninefold Stair", "Vellum of Hours"};
    for (int level = 1; level <= 9; ++level) {
        for (int i = 0; i < 40; ++i) {
            QString name;
            do
                name = sentence(random, 2 + random.bounded(5), true);
            while (names.contains(name));
            names.insert(name);
            QStringList spellSchools;
            for (int s = 0; s < 1 + random.bounded(3); ++s)
                spellSchools << schools[random.bounded(int(schools.size()))];
            spellSchools.removeDuplicates();
            CatalogueSpell spell = FixtureDatabase::spell(
                name, level, "Common", spellSchools.join(';'), books[random.bounded(3)],
                QString::number(1 + random.bounded(300)));
            const int length = random.bounded(10) == 0 ? 120 : random.bounded(45);
            if (length > 0)
                spell.description = sentence(random, length, false) + '.';
            spells << spell;
        }
    }
    return spells;
}

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
    void optionBoundaries_data();
    void optionBoundaries();
    void sameSeedSameFileAcrossProcesses_data();
    void sameSeedSameFileAcrossProcesses();
    void savedBookRendersAsGenerated_data();
    void savedBookRendersAsGenerated();
    void handEditedBookRendersAsEdited();
    void batchOfBooksIsOneFileEach();
    void renderRefusesWhatItCannotRead_data();
    void renderRefusesWhatItCannotRead();
    void pdfSameBytesInTwoProcesses();
    void pdfKeepsEverySpellWhole();
    void paperFromOptionOrLocale_data();
    void paperFromOptionOrLocale();
    void undrawableTextWarnsNamingTheSpell_data();
    void undrawableTextWarnsNamingTheSpell();
    void sameBookInEveryLanguage_data();
    void sameBookInEveryLanguage();
    void helpExamplesRun();
    void overwriteRefusals_data();
    void overwriteRefusals();
    void fullOutputFails_data();
    void fullOutputFails();
    void boundedReads_data();
    void boundedReads();
    void progressOnlyOnATerminal_data();
    void progressOnlyOnATerminal();

private:
    // Runs generate; environment entries "NAME=value" set a variable, "NAME" removes it.
    Run run(QStringList arguments, bool withDatabase = true, const QStringList& environment = {});
    static Run render(const QStringList& arguments);
    // Runs the program with any command; stdout names a file for the standard output.
    static Run command(const QStringList& arguments, const QString& stdoutFile = QString(),
                       const QString& workingFolder = QString());
    FixtureDatabase m_fixture;
    QTemporaryDir m_dir;
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

Run TestCli::run(QStringList arguments, bool withDatabase, const QStringList& environment) {
    if (withDatabase)
        arguments << "--db" << m_fixture.path();
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment) {
        if (entry.contains('='))
            variables.insert(entry.section('=', 0, 0), entry.section('=', 1));
        else
            variables.remove(entry);
    }
    process.setProcessEnvironment(variables);
    process.start(TOMEWRIGHT_CLI, QStringList{"generate"} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

Run TestCli::render(const QStringList& arguments) {
    QProcess process;
    process.start(TOMEWRIGHT_CLI, QStringList{"render"} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

Run TestCli::command(const QStringList& arguments, const QString& stdoutFile,
                     const QString& workingFolder) {
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(TOMEWRIGHT_CLI, arguments);
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
        const CsvContent csv = parseCsv(out.out);
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
    QTest::newRow("custom volume without counts")
        << base + QStringList{"--volume", "custom"}
        << "--volume custom needs --custom with the spells per level, for example --custom "
           "1=4,2=3,3=2.";
    QTest::newRow("counts with the full volume")
        << base + QStringList{"--volume", "full", "--custom", "1=4"}
        << "--custom sets the spells per level of the custom volume only; add --volume custom, "
           "or leave --custom out for the full volume.";
    QTest::newRow("counts with the default volume")
        << base + QStringList{"--custom", "1=4"}
        << "--custom sets the spells per level of the custom volume only; add --volume custom, "
           "or leave --custom out for the average volume.";
    QTest::newRow("unknown option") << base + QStringList{"--colour", "red"} << "Unknown option";
    QTest::newRow("unknown paper")
        << base + QStringList{"--format", "pdf", "--output", "x.pdf", "--paper", "legal"}
        << "Unknown paper \"legal\". Valid: \"a4\", \"letter\".";
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
    const CsvContent content = parseCsv(csv.out);
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

void TestCli::optionBoundaries_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* tag, const QStringList& options, int status,
                        const QString& message = QString()) {
        QTest::newRow(tag) << options << status << message;
    };
    const QString level = "Unknown level \"%1\". Valid: 1 to 30, or 1st to 30th.";
    for (const char* accepted : {"1", "1st", "30", "30th", "22nd", "23RD"})
        row(qPrintable(QString("level %1").arg(accepted)), {"--level", accepted}, 0);
    for (const char* refused : {"0", "31", "31st", "abc", "-1", "2nd-ish"})
        row(qPrintable(QString("level %1").arg(refused)), {"--level", refused}, 2,
            level.arg(refused));
    const QString custom = "--custom takes a whole number from %1 to %2, not \"%3\".";
    row("custom 1=0 and 9=1000", {"--level", "20", "--volume", "custom", "--custom", "1=0,9=1000"},
        0);
    row("custom level 0", {"--level", "5", "--custom", "0=3"}, 2, custom.arg(1).arg(9).arg("0"));
    row("custom level 10", {"--level", "5", "--custom", "10=3"}, 2, custom.arg(1).arg(9).arg("10"));
    row("custom count 1001", {"--level", "5", "--custom", "1=1001"}, 2,
        custom.arg(0).arg(1000).arg("1001"));
    row("custom count negative", {"--level", "5", "--custom", "1=-1"}, 2,
        custom.arg(0).arg(1000).arg("-1"));
    const QString percent = "--specialist-percent takes a whole number from 0 to 100, not \"%1\".";
    for (const char* accepted : {"0", "100", "50"})
        row(qPrintable(QString("percent %1").arg(accepted)),
            {"--level", "5", "--class", "ILLUSIONIST", "--specialist-percent", accepted}, 0);
    for (const char* refused : {"110", "-10", "ten"})
        row(qPrintable(QString("percent %1").arg(refused)),
            {"--level", "5", "--specialist-percent", refused}, 2, percent.arg(refused));
    const QString count = "--count takes a whole number from 1 to 100000, not \"%1\".";
    row("count 1", {"--level", "5", "--count", "1"}, 0);
    for (const char* refused : {"0", "100001", "-2", "many"})
        row(qPrintable(QString("count %1").arg(refused)), {"--level", "5", "--count", refused}, 2,
            count.arg(refused));
    const QString seed = "--seed takes a whole number from 0 to 18446744073709551615, not \"%1\".";
    for (const char* accepted : {"0", "18446744073709551615"})
        row(qPrintable(QString("seed %1").arg(accepted)), {"--level", "5", "--seed", accepted}, 0);
    for (const char* refused : {"18446744073709551616", "-1", "seed"})
        row(qPrintable(QString("seed %1").arg(refused)), {"--level", "5", "--seed", refused}, 2,
            seed.arg(refused));
}

void TestCli::optionBoundaries() {
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run result = run(QStringList{"--name", "Ana", "--seed", "3"} + options);
    QCOMPARE(result.status, status);
    if (status == 0) {
        QVERIFY(result.out.startsWith("Ana\n"));
    } else {
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(result.errors.trimmed().split('\n').last(), message);
    }
}

void TestCli::sameSeedSameFileAcrossProcesses_data() {
    QTest::addColumn<QString>("format");
    for (const char* format : {"text", "csv", "json", "markdown", "pdf", "book"})
        QTest::newRow(format) << format;
}

void TestCli::sameSeedSameFileAcrossProcesses() {
    QFETCH(QString, format);
    // Each run a process of its own, as a user runs the command twice.
    const auto file = [&](const QString& seed) {
        const QString path = m_dir.filePath(QString("%1-%2.out").arg(format, seed));
        const Run result =
            run({"--name", "Ana", "--level", "9", "--class", "NECROMANCER", "--count", "2",
                 "--format", format, "--output",
                 format == "book" ? m_dir.filePath("books-" + seed) : path, "--seed", seed});
        if (result.status != 0)
            return QByteArray("failed: ") + result.errors.toUtf8();
        if (format == "book")
            return fileBytes(m_dir.filePath("books-" + seed + "/Ana 2.twbook"));
        return fileBytes(path);
    };
    const QByteArray first = file("77");
    QVERIFY2(first.size() > 300, first.constData());
    QDir(m_dir.filePath("books-77")).removeRecursively();
    QCOMPARE(file("77"), first);
    QVERIFY(file("78") != first);
}

void TestCli::savedBookRendersAsGenerated_data() {
    QTest::addColumn<QString>("format");
    for (const char* format : {"text", "csv", "json", "markdown"})
        QTest::newRow(format) << format;
}

void TestCli::savedBookRendersAsGenerated() {
    QFETCH(QString, format);
    const QStringList options = {
        "--name",    "Orrin",    "--level", "14",       "--class",
        "invoker",   "--volume", "custom",  "--custom", "1=4,2=6,3=5,4=3,5=5,6=2,7=3",
        "--exclude", "Fire",     "--seed",  "987654321"};
    const QString book = m_dir.filePath("orrin-" + format + ".twbook");
    QCOMPARE(run(options + QStringList{"--format", "book", "--output", book}).status, 0);
    const Run printed = render({book, "--format", format});
    const Run generated = run(options + QStringList{"--format", format});
    QCOMPARE(printed.status, 0);
    QVERIFY2(!printed.errors.contains("spellbook"), qPrintable(printed.errors));
    QVERIFY(printed.out.size() > 500);
    QCOMPARE(printed.out, generated.out);
}

void TestCli::handEditedBookRendersAsEdited() {
    const QString book = m_dir.filePath("edited.twbook");
    QCOMPARE(
        run({"--name", "Ana", "--level", "3", "--format", "book", "--output", book, "--seed", "5"})
            .status,
        0);
    QFile file(book);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray spells = root["spells"].toArray();
    QVERIFY(spells.size() >= 2);
    QJsonObject first = spells[0].toObject();
    first["name"] = "Hand-Written \"Ward\", Mine";
    first["page"] = "xii";
    spells[0] = first;
    spells.removeAt(1);
    root["spells"] = spells;
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(root).toJson());
    file.close();

    const Run printed = render({book, "--format", "csv"});
    QCOMPARE(printed.status, 0);
    const CsvContent csv = parseCsv(printed.out);
    QVERIFY(csv.errors.isEmpty());
    QCOMPARE(csv.records.size(), spells.size() + 1); // the header and one row a spell
    QCOMPARE(csv.records[1].fields[0], QString("Hand-Written \"Ward\", Mine"));
    QCOMPARE(csv.records[1].fields[5], QString("xii"));
}

void TestCli::batchOfBooksIsOneFileEach() {
    const QString folder = m_dir.filePath("cult");
    QCOMPARE(run({"--name", "Cult/ist", "--level", "5", "--count", "3", "--seed", "10", "--format",
                  "book", "--output", folder})
                 .status,
             0);
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList{"Cult_ist 1.twbook", "Cult_ist 2.twbook", "Cult_ist 3.twbook"}));
    // The second book is the one the batch drew second: seed + 1.
    const Run second = render({folder + "/Cult_ist 2.twbook", "--format", "json"});
    const Run alone =
        run({"--name", "Cult/ist 2", "--level", "5", "--seed", "11", "--format", "json"});
    QCOMPARE(second.out, alone.out);
    // Several books render in the order given.
    const Run both =
        render({folder + "/Cult_ist 3.twbook", folder + "/Cult_ist 1.twbook", "--format", "json"});
    const QList<QByteArray> lines = both.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(QJsonDocument::fromJson(lines[0]).object()["caster"].toString(),
             QString("Cult/ist 3"));
}

void TestCli::renderRefusesWhatItCannotRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("not JSON") << QByteArray("spells: none")
                              << "\"%1\" is not a spellbook: it is not JSON (illegal value at line "
                                 "1, column 1).";
    QTest::newRow("newer") << QByteArray("{\"format\": 3}")
                           << "\"%1\" was saved by a newer version of Tomewright (book format 3); "
                              "this version reads format 1 and older.";
    QTest::newRow("missing") << QByteArray()
                             << "The spellbook \"%1\" cannot be opened: No such "
                                "file or directory.";
}

void TestCli::renderRefusesWhatItCannotRead() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_dir.filePath("bad.twbook");
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Run result = render({path, "--format", "json"});
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.errors.trimmed().split('\n').last(), message.arg(path));
}

void TestCli::pdfSameBytesInTwoProcesses() {
    QTemporaryDir folder;
    const QStringList options = {
        "--name", "Ana",      "--level", "20th",       "--volume",          "full",    "--seed",
        "42",     "--format", "pdf",     "--template", TOMEWRIGHT_TEMPLATE, "--paper", "a4"};
    // Qt takes QT_HASH_SEED=0 as a fixed hash seed and draws a random one otherwise (it ignores
    // other values): every run but the first hashes in its own order.
    const QStringList hashSeeds = {"QT_HASH_SEED=0", "QT_HASH_SEED", "QT_HASH_SEED=7",
                                   "QT_HASH_SEED",   "QT_HASH_SEED", "QT_HASH_SEED"};
    QList<QByteArray> files;
    for (qsizetype i = 0; i < hashSeeds.size(); ++i) {
        const QString path = folder.filePath(QString("book%1.pdf").arg(i));
        const Run result = run(options + QStringList{"--output", path}, true, {hashSeeds[i]});
        QCOMPARE(result.status, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        files << file.readAll();
    }
    QVERIFY(files[0].startsWith("%PDF"));
    for (qsizetype i = 1; i < files.size(); ++i)
        QVERIFY2(files[i] == files[0], qPrintable(QString("run %1 differs").arg(i)));
    // The bytes follow the book: another seed, another file.
    const QString other = folder.filePath("other.pdf");
    QCOMPARE(run(QStringList(options).replaceInStrings("42", "43") + QStringList{"--output", other})
                 .status,
             0);
    QFile file(other);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() != files[0]);
}

void TestCli::pdfKeepsEverySpellWhole() {
    FixtureDatabase catalogue;
    catalogue.build(wordySpells());
    QTemporaryDir folder;
    const QString pdf = folder.filePath("books.pdf");
    const QStringList options = {"--name",   "Cultist", "--level", "20",
                                 "--volume", "full",    "--count", "20",
                                 "--seed",   "2026",    "--db",    catalogue.path()};
    const Run books = run(options + QStringList{"--format", "json"}, false);
    QCOMPARE(books.status, 0);
    const Run printed = run(options + QStringList{"--format", "pdf", "--output", pdf, "--template",
                                                  TOMEWRIGHT_TEMPLATE},
                            false);
    QCOMPARE(printed.status, 0);
    const QList<QStringList> pages = PdfText::pageWords(pdf);
    QVERIFY(pages.size() > 20);

    // Every page ends with its number and repeats the column header.
    const QStringList header = {"Spell", "Schools", "Frequency", "Book", "Page"};
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QCOMPARE(pages[p].last(), QString::number(p + 1));
        QVERIFY2(PdfText::find(pages[p], header) >= 0, qPrintable(QString("page %1").arg(p + 1)));
    }

    // Each spell, its row and its description, stands whole on one page, in the book's order.
    QList<QSet<qsizetype>> spellStarts(pages.size());
    qsizetype page = 0;
    qsizetype from = 0;
    int spellCount = 0;
    const QList<QByteArray> lines = books.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 20);
    for (const QByteArray& line : lines) {
        QList<QJsonObject> spells;
        for (const QJsonValue& spell : QJsonDocument::fromJson(line).object()["spells"].toArray())
            spells << spell.toObject();
        std::stable_sort(spells.begin(), spells.end(), [](const auto& a, const auto& b) {
            return a["level"].toInt() < b["level"].toInt();
        });
        for (const QJsonObject& spell : spells) {
            QStringList schools;
            for (const QJsonValue& school : spell["schools"].toArray())
                schools << school.toString();
            const QStringList words = PdfText::words(QStringList{
                spell["name"].toString(), schools.join(", "), spell["frequency"].toString(),
                spell["book"].toString(), spell["page"].toString(), spell["description"].toString()}
                                                         .join(' '));
            qsizetype at = PdfText::find(pages[page], words, from);
            while (at < 0 && page + 1 < pages.size() &&
                   PdfText::find(pages[page], PdfText::words(spell["name"].toString()), from) < 0) {
                ++page;
                from = 0;
                at = PdfText::find(pages[page], words, from);
            }
            QVERIFY2(at >= 0, qPrintable(QString("\"%1\" is not whole on page %2: %3 ...")
                                             .arg(words.join(' '))
                                             .arg(page + 1)
                                             .arg(pages[page].mid(from, 60).join(' '))));
            spellStarts[page].insert(at);
            from = at + words.size();
            ++spellCount;
        }
    }
    QVERIFY(spellCount > 20 * 9 * 10);

    // A level heading and the column header always have a spell under them on their page.
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (qsizetype at = PdfText::find(pages[p], header); at >= 0;
             at = PdfText::find(pages[p], header, at + 1)) {
            QVERIFY2(spellStarts[p].contains(at + header.size()),
                     qPrintable(QString("page %1: a heading with no spell under it").arg(p + 1)));
            QCOMPARE(pages[p].value(at - 4), QString("Level"));
        }
    }
}

void TestCli::paperFromOptionOrLocale_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper");
    QTest::newRow("a4 asked") << QStringList{"--paper", "a4"} << "en_US.UTF-8"
                              << "A4";
    QTest::newRow("letter asked") << QStringList{"--paper", "LETTER"} << "de_DE.UTF-8"
                                  << "letter";
    QTest::newRow("United States") << QStringList() << "en_US.UTF-8"
                                   << "letter";
    QTest::newRow("Germany") << QStringList() << "de_DE.UTF-8"
                             << "A4";
    QTest::newRow("no locale") << QStringList() << "C"
                               << "A4";
}

void TestCli::paperFromOptionOrLocale() {
    QFETCH(QStringList, options);
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("book.pdf");
    // No print server: a default printer's paper would come before the locale's. No LANGUAGE:
    // Qt takes the locale from its first language when it is set.
    const QStringList environment = {
        "LC_ALL=" + locale, "LANG",     "LC_PAPER",
        "LC_MEASUREMENT",   "LANGUAGE", "CUPS_SERVER=" + folder.filePath("no-cups.sock")};
    const Run result =
        run(options + QStringList{"--name", "Ana", "--level", "3", "--format", "pdf", "--output",
                                  pdf, "--template", TOMEWRIGHT_TEMPLATE},
            true, environment);
    QCOMPARE(result.status, 0);
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(text);
    QVERIFY2(size.hasMatch(), qPrintable(text));
    // Points: A4 is 210 x 297 mm, Letter 8.5 x 11 inches.
    const QSizeF expected = paper == "A4" ? QSizeF(595.3, 841.9) : QSizeF(612, 792);
    QVERIFY2(qAbs(size.captured(1).toDouble() - expected.width()) < 1 &&
                 qAbs(size.captured(2).toDouble() - expected.height()) < 1,
             qPrintable(text));
}

void TestCli::undrawableTextWarnsNamingTheSpell_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("warning");
    QTest::newRow("Greek and Cyrillic") << QString::fromUtf8("Ὠκεανοῦ Жар-птица")
                                        << QString::fromUtf8("Ωραία φλόγα, жаркое пламя.") << "";
    QTest::newRow("unassigned character in the name")
        << QString::fromUtf8("Sigil \u0378 Unwritten") << "Plain words."
        << QString::fromUtf8("warning: Spell \"Sigil \u0378 Unwritten\": no installed font can "
                             "draw \"\u0378\" (U+0378); it prints as an empty box.");
}

void TestCli::undrawableTextWarnsNamingTheSpell() {
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, warning);
    FixtureDatabase catalogue;
    CatalogueSpell spell = FixtureDatabase::spell(name, 1, "Common", "Fire");
    spell.description = description;
    catalogue.build({spell, FixtureDatabase::spell("Plain Spark", 1, "Common", "Fire")});
    QTemporaryDir folder;
    const QString pdf = folder.filePath("book.pdf");
    const Run result = run({"--name", "Ana", "--level", "1", "--volume", "custom", "--custom",
                            "1=2", "--seed", "1", "--format", "pdf", "--output", pdf, "--template",
                            TOMEWRIGHT_TEMPLATE, "--db", catalogue.path()},
                           false);
    QCOMPARE(result.status, 0);
    QVERIFY(QFileInfo(pdf).size() > 0);
    if (warning.isEmpty()) {
        QVERIFY2(!result.errors.contains("warning"), qPrintable(result.errors));
    } else {
        QVERIFY2(result.errors.contains(warning), qPrintable(result.errors));
        QVERIFY(!result.errors.contains("Plain Spark"));
    }
}

void TestCli::sameBookInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("tooLarge"); // a template that never ends, its limit in the words
    const QString english = "The report template \"/dev/zero\" cannot be read: it holds more than "
                            "the 4 MB a template may.";
    QTest::newRow("English") << "en"
                             << "Following Levels Volume was limited by criteria: 1, 2"
                             << "Unknown level \"31st\"" << english;
    QTest::newRow("German") << "de"
                            << "Bei diesen Graden begrenzten die Kriterien den Umfang: 1, 2"
                            << "Unbekannte Stufe „31st“"
                            << "Die Berichtsvorlage „/dev/zero“ kann nicht gelesen werden: Sie "
                               "enthält mehr als die 4 MB, die eine Vorlage haben darf.";
    QTest::newRow("French") << "fr"
                            << "Volume limité par les critères aux niveaux suivants\u00a0: 1, 2"
                            << "Niveau inconnu «\u00a031st\u00a0»"
                            << "Le modèle de rapport «\u00a0/dev/zero\u00a0» ne peut pas être "
                               "lu\u00a0: il contient plus que les 4 Mo permis pour un modèle.";
    QTest::newRow("a language without a translation")
        << "es:it"
        << "Following Levels Volume was limited by criteria: 1, 2"
        << "Unknown level \"31st\"" << english;
}

void TestCli::sameBookInEveryLanguage() {
    // Messages in the user's language; the book, its JSON and the options the same in all.
    QFETCH(QString, language);
    QFETCH(QString, note);
    QFETCH(QString, refusal);
    QFETCH(QString, tooLarge);
    const QStringList diviner = {"--name",    "Seer",      "--level",   "3",          "--class",
                                 "DIVINER",   "--volume",  "full",      "--exclude",  "Evocation",
                                 "--exclude", "Illusion",  "--exclude", "Abjuration", "--exclude",
                                 "Charm",     "--exclude", "Phantasm",  "--seed",     "1",
                                 "--format",  "json"};
    const QStringList english = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG=C"};
    const QStringList spoken = {"LANGUAGE=" + language, "LC_ALL", "LC_MESSAGES", "LANG=C"};
    const Run inEnglish = run(diviner, true, english);
    const Run result = run(diviner, true, spoken);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, inEnglish.out);
    QVERIFY2(result.errors.contains("Seer: " + note), qPrintable(result.errors));
    const QJsonObject book = QJsonDocument::fromJson(result.out).object();
    QCOMPARE(book["limited"].toArray(), QJsonArray({1, 2}));
    QCOMPARE(book["level"].toString(), QString("3rd"));

    const Run refused = run({"--name", "Seer", "--level", "31st"}, true, spoken);
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.errors.contains(refusal), qPrintable(refused.errors));

    const QString pdf = m_dir.filePath("every-language.pdf");
    const Run unread = run({"--name", "Seer", "--level", "3", "--format", "pdf", "--output", pdf,
                            "--template", "/dev/zero"},
                           true, spoken);
    QCOMPARE(unread.status, 1);
    QVERIFY2(unread.errors.contains(tooLarge), qPrintable(unread.errors));
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestCli::helpExamplesRun() {
    // Every example of generate's --help works as it is printed (with the test catalogue, in a
    // folder of its own for the files it writes).
    const Run help = command({"generate", "--help"});
    QCOMPARE(help.status, 0);
    const QString text = QString::fromUtf8(help.out).replace("\\\n", " ");
    QStringList examples;
    for (const QString& line : text.split('\n')) {
        if (line.trimmed().startsWith("tomewright-cli generate"))
            examples << line.trimmed();
    }
    QVERIFY(examples.size() >= 3);
    QTemporaryDir folder;
    for (const QString& example : examples) {
        QStringList arguments = QProcess::splitCommand(example).mid(1);
        arguments << "--db" << m_fixture.path() << "--template" << TOMEWRIGHT_TEMPLATE;
        const Run result = command(arguments, QString(), folder.path());
        QVERIFY2(result.status == 0, qPrintable(example + "\n" + result.errors));
    }
}

void TestCli::overwriteRefusals_data() {
    // {DIR} is the row's folder, holding "mine.twbook" (a book the user edited), "Cult 3.twbook"
    // and "Cult 4.twbook" (books of an earlier batch, edited since) and "report.rpt".
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("kept"); // the file that must keep its bytes
    const QString input = "--output \"%1\" names \"%2\", one of the files read to make the "
                          "output; nothing was written. Choose another file for --output.";
    QTest::newRow("render into its own book")
        << QStringList{"render", "{DIR}/mine.twbook", "--format",
                       "json",   "--output",          "{DIR}/mine.twbook"}
        << 2 << input.arg("{DIR}/mine.twbook", "{DIR}/mine.twbook") << "mine.twbook";
    QTest::newRow("render into its book, spelled another way")
        << QStringList{"render", "{DIR}/mine.twbook", "--format",
                       "text",   "--output",          "{DIR}/sub/../mine.twbook"}
        << 2 << input.arg("{DIR}/sub/../mine.twbook", "{DIR}/mine.twbook") << "mine.twbook";
    QTest::newRow("render into a link to its book")
        << QStringList{"render",   "{DIR}/Cult 3.twbook", "{DIR}/mine.twbook", "--format", "csv",
                       "--output", "{DIR}/link.twbook"}
        << 2 << input.arg("{DIR}/link.twbook", "{DIR}/mine.twbook") << "mine.twbook";
    QTest::newRow("render a PDF over its template")
        << QStringList{"render",     "{DIR}/mine.twbook", "--format", "pdf",
                       "--template", "{DIR}/report.rpt",  "--output", "{DIR}/report.rpt"}
        << 2 << input.arg("{DIR}/report.rpt", "{DIR}/report.rpt") << "report.rpt";
    QTest::newRow("generate over its spell database")
        << QStringList{"generate", "--name", "Ana",      "--level", "3",
                       "--format", "json",   "--output", "{DB}"}
        << 2 << input.arg("{DB}", "{DB}") << "{DB}";
    const QString exists = "\"%1\" already exists; no book was written. Add --force to replace "
                           "it, edits and all, or choose another --output.";
    QTest::newRow("generate a book over an edited book")
        << QStringList{"generate", "--name", "Ana",      "--level",          "3",
                       "--format", "book",   "--output", "{DIR}/mine.twbook"}
        << 1 << exists.arg("{DIR}/mine.twbook") << "mine.twbook";
    QTest::newRow("a batch over edited books names the first")
        << QStringList{"generate", "--name",   "Cult", "--level",  "3",    "--count",
                       "5",        "--format", "book", "--output", "{DIR}"}
        << 1 << exists.arg("{DIR}/Cult 3.twbook") << "Cult 3.twbook";
    QTest::newRow("--force replaces them")
        << QStringList{"generate", "--name",   "Cult", "--level",  "3",     "--count",
                       "5",        "--format", "book", "--output", "{DIR}", "--force"}
        << 0 << QString() << QString();
}

void TestCli::overwriteRefusals() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    QTemporaryDir folder;
    const QString dir = folder.path();
    QVERIFY(QDir(dir).mkpath("sub"));
    QCOMPARE(run({"--name", "Cult", "--level", "3", "--count", "4", "--seed", "1", "--format",
                  "book", "--output", dir})
                 .status,
             0);
    QVERIFY(QFile::remove(dir + "/Cult 1.twbook") && QFile::remove(dir + "/Cult 2.twbook"));
    QVERIFY(QFile::rename(dir + "/Cult 4.twbook", dir + "/mine.twbook"));
    QVERIFY(QFile::copy(dir + "/mine.twbook", dir + "/Cult 4.twbook"));
    QVERIFY(QFile::link(dir + "/mine.twbook", dir + "/link.twbook"));
    QVERIFY(QFile::copy(TOMEWRIGHT_TEMPLATE, dir + "/report.rpt"));
    const QStringList files = QDir(dir).entryList(QDir::Files);
    QMap<QString, QByteArray> before;
    for (const QString& name : files)
        before[name] = fileBytes(dir + "/" + name);
    const QByteArray database = fileBytes(m_fixture.path());

    for (QString& argument : arguments)
        argument.replace("{DIR}", dir).replace("{DB}", m_fixture.path());
    if (arguments.first() == "generate")
        arguments << "--db" << m_fixture.path() << "--seed"
                  << "7";
    const Run result = command(arguments);
    QCOMPARE(result.status, status);
    if (message.isEmpty())
        QVERIFY2(!result.errors.contains("already exists"), qPrintable(result.errors));
    else
        QCOMPARE(result.errors.trimmed().split('\n').last(),
                 QString(message).replace("{DIR}", dir).replace("{DB}", m_fixture.path()));
    QCOMPARE(fileBytes(m_fixture.path()), database);
    if (status == 0) {
        // Every book of the batch is the new one.
        for (int i = 1; i <= 5; ++i)
            QVERIFY(QFileInfo::exists(QString("%1/Cult %2.twbook").arg(dir).arg(i)));
        QVERIFY(fileBytes(dir + "/Cult 4.twbook") != before["Cult 4.twbook"]);
        return;
    }
    // Nothing was written or replaced, the book the user kept least of all.
    QCOMPARE(QDir(dir).entryList(QDir::Files), files);
    for (const QString& name : files)
        QVERIFY2(fileBytes(dir + "/" + name) == before[name], qPrintable(name));
    QVERIFY(!kept.isEmpty());
}

void TestCli::fullOutputFails_data() {
    QTest::addColumn<QStringList>("arguments");
    const QStringList db = {"--db", "{DB}"};
    QTest::newRow("generate text") << QStringList{"generate", "--name", "Ana", "--level", "3"} + db;
    QTest::newRow("generate a batch of JSON")
        << QStringList{"generate", "--name", "Ana",      "--level", "9",
                       "--count",  "50",     "--format", "json"} +
               db;
    QTest::newRow("render markdown") << QStringList{"render", "{BOOK}", "--format", "markdown"};
    QTest::newRow("a dry-run import")
        << QStringList{"catalogue", "import", "--from", "{CSV}", "--dry-run"} + db;
    QTest::newRow("help") << QStringList{"render", "--help"};
    QTest::newRow("catalogue help") << QStringList{"catalogue", "import", "--help"};
    QTest::newRow("version") << QStringList{"--version"};
}

void TestCli::fullOutputFails() {
    // Output to a full disk is a failure with the system's reason, never success.
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    const QString book = folder.filePath("book.twbook");
    QCOMPARE(run({"--name", "Ana", "--level", "3", "--format", "book", "--output", book}).status,
             0);
    const QString csv = folder.filePath("new.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name,Level,Frequency,Schools,Book,Page\nBrand New,1,Common,Fire,B,1\n");
    file.close();
    for (QString& argument : arguments)
        argument.replace("{DB}", m_fixture.path()).replace("{BOOK}", book).replace("{CSV}", csv);
    // The same command to a file writes something: the output is not simply empty.
    const Run good = command(arguments);
    QCOMPARE(good.status, 0);
    QVERIFY(!good.out.isEmpty());
    const Run full = command(arguments, "/dev/full");
    QCOMPARE(full.status, 1);
    QVERIFY2(full.errors.endsWith("The output cannot be written: No space left on device.\n"),
             qPrintable(full.errors));
}

void TestCli::boundedReads_data() {
    // {ENDLESS} is a FIFO a writer fills for ever, {SILENT} one nobody writes to, {LARGE} a
    // sparse file of 65 MB.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString book = "\"%1\" is not a spellbook: it holds more than 64 MB, far more than a "
                         "book does.";
    QTest::newRow("render /dev/zero")
        << QStringList{"render", "/dev/zero"} << 2 << book.arg("/dev/zero");
    QTest::newRow("render a FIFO that never ends")
        << QStringList{"render", "{ENDLESS}"} << 2 << book.arg("{ENDLESS}");
    QTest::newRow("render a file of 65 MB")
        << QStringList{"render", "{LARGE}"} << 2 << book.arg("{LARGE}");
    QTest::newRow("render a FIFO nobody writes to")
        << QStringList{"render", "{SILENT}"} << 2
        << "\"{SILENT}\" is not a spellbook: it is not JSON (illegal value at line 1, column 1).";
    const QString csv = "\"%1\" cannot be read: it holds more than the 64 MB a CSV file may";
    QTest::newRow("import /dev/zero")
        << QStringList{"catalogue", "import", "--from", "/dev/zero", "--dry-run"} << 1
        << csv.arg("/dev/zero");
    QTest::newRow("import a FIFO that never ends")
        << QStringList{"catalogue", "import", "--from", "{ENDLESS}"} << 1 << csv.arg("{ENDLESS}");
    QTest::newRow("import a file of 65 MB")
        << QStringList{"catalogue", "import", "--from", "{LARGE}"} << 1 << csv.arg("{LARGE}");
    QTest::newRow("remove the names of /dev/zero")
        << QStringList{"catalogue", "remove", "--from", "/dev/zero"} << 1 << csv.arg("/dev/zero");
    QTest::newRow("a template of /dev/zero")
        << QStringList{"generate", "--name",   "Ana",   "--level",    "3",        "--format",
                       "pdf",      "--output", "{OUT}", "--template", "/dev/zero"}
        << 1
        << "The report template \"/dev/zero\" cannot be read: it holds more than the 4 MB a "
           "template may.";
}

void TestCli::boundedReads() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString endless = folder.filePath("endless");
    const QString silent = folder.filePath("silent");
    const QString large = folder.filePath("large.csv");
    QVERIFY(mkfifo(QFile::encodeName(endless).constData(), 0600) == 0);
    QVERIFY(mkfifo(QFile::encodeName(silent).constData(), 0600) == 0);
    QFile sparse(large);
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(65 * 1024 * 1024));
    sparse.close();
    // A writer that never stops. The test holds the FIFO open as well, so the program never
    // finds it without a writer, however late the writer starts.
    QProcess writer;
    int held = -1;
    if (arguments.join(' ').contains("{ENDLESS}")) {
        held = ::open(QFile::encodeName(endless).constData(), O_RDWR);
        QVERIFY(held >= 0);
        writer.start("sh", {"-c", "exec cat /dev/zero > \"$0\"", endless});
        QVERIFY(writer.waitForStarted());
    }
    const auto fill = [&](QString text) {
        return text.replace("{ENDLESS}", endless)
            .replace("{SILENT}", silent)
            .replace("{LARGE}", large)
            .replace("{OUT}", folder.filePath("book.pdf"));
    };
    for (QString& argument : arguments)
        argument = fill(argument);
    if (arguments.first() != "render")
        arguments << "--db" << m_fixture.path();
    const QByteArray database = fileBytes(m_fixture.path());
    const Run result = command(arguments);
    QCOMPARE(result.status, status);
    QVERIFY2(result.errors.contains(fill(message)), qPrintable(result.errors));
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(fileBytes(m_fixture.path()), database);
    QVERIFY(!QFileInfo::exists(folder.filePath("book.pdf")));
    if (held >= 0) {
        writer.kill();
        writer.waitForFinished();
        ::close(held);
    }
}

void TestCli::progressOnlyOnATerminal_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line"); // the progress line's last state
    QTest::newRow("a batch") << QStringList{"generate", "--name",   "Ana",    "--level",  "9",
                                            "--count",  "3",        "--seed", "7",        "--db",
                                            "{DB}",     "--format", "json",   "--output", "{OUT}"}
                             << "Drawing books: 3 of 3 (100%)";
    QTest::newRow("an import") << QStringList{"catalogue", "import", "--from",
                                              "{CSV}",     "--db",   "{DB}"}
                               << "Importing: 6 of 6 steps (100%)";
    QTest::newRow("a PDF") << QStringList{"render", "{BOOK}",   "--format",
                                          "pdf",    "--output", "{OUT}"}
                           << "Printing: page 1 of 1 (100%)";
}

void TestCli::progressOnlyOnATerminal() {
    // The line is asked for at once (not after a second) so that a quick command shows it; all
    // else is the command as a user runs it, its error stream a terminal or a file.
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);
    QTemporaryDir folder;
    const QString book = folder.filePath("book.twbook");
    QCOMPARE(
        run({"--name", "Ana", "--level", "1", "--seed", "3", "--format", "book", "--output", book})
            .status,
        0);
    const QString csv = folder.filePath("new.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name,Level,Frequency,Schools,Book,Page\nBrand New,1,Common,Fire,B,1\n"
               "Second Wind,2,Common,Fire,B,2\n");
    file.close();
    int runs = 0;
    // Each run on its own copy of the database (an import changes it) and its own output.
    const auto start = [&](QProcess& process, bool terminal, const QString& after) {
        const QString db = folder.filePath(QString("run%1.mdb").arg(++runs));
        QFile::copy(m_fixture.path(), db);
        QStringList concrete = arguments;
        for (QString& argument : concrete)
            argument.replace("{DB}", db)
                .replace("{BOOK}", book)
                .replace("{CSV}", csv)
                .replace("{OUT}", folder.filePath(QString("out%1").arg(runs)));
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert("LANG", "C.UTF-8");
        variables.remove("LANGUAGE");
        variables.remove("LC_ALL");
        if (!after.isEmpty())
            variables.insert("TOMEWRIGHT_PROGRESS_AFTER_MS", after);
        process.setProcessEnvironment(variables);
        if (!terminal) {
            process.start(TOMEWRIGHT_CLI, concrete);
            return;
        }
        // script(1) gives the command a terminal and copies what it writes there to its output.
        QStringList quoted{QString("'%1'").arg(TOMEWRIGHT_CLI)};
        for (const QString& argument : concrete)
            quoted << "'" + argument + "'";
        process.start("script", {"-qfec", quoted.join(' '), "/dev/null"});
    };
    const auto finish = [](QProcess& process) {
        process.waitForFinished(120000);
        return Run{process.exitCode(), process.readAllStandardOutput(),
                   QString::fromUtf8(process.readAllStandardError())};
    };

    QProcess plainProcess;
    start(plainProcess, false, "0");
    const Run plain = finish(plainProcess);
    QCOMPARE(plain.status, 0);
    // Not a terminal: the error stream is exactly what it is without the line.
    QProcess plainLaterProcess;
    start(plainLaterProcess, false, QString());
    QCOMPARE(finish(plainLaterProcess).errors, plain.errors);
    QVERIFY2(!plain.errors.contains('\r') && !plain.errors.contains("\033[K"),
             qPrintable(plain.errors));

    QProcess terminalProcess;
    start(terminalProcess, true, "0");
    const Run terminal = finish(terminalProcess);
    QCOMPARE(terminal.status, 0);
    const QString shown = QString::fromUtf8(terminal.out);
    const qsizetype last = shown.lastIndexOf("\r" + line + "\033[K");
    QVERIFY2(last >= 0, qPrintable(shown));
    // The line is wiped at once, before the command's own messages, which are as they were.
    QVERIFY2(shown.mid(last + line.size() + 4).startsWith("\r\033[K"), qPrintable(shown));
    QString rest = shown;
    rest.remove(QRegularExpression("\r[^\r\n]*\033\\[K"));
    rest.replace("\r\n", "\n");
    QCOMPARE(rest, plain.errors);

    // A command that ends within its second shows no line at all.
    QProcess quickProcess;
    start(quickProcess, true, QString());
    const Run quick = finish(quickProcess);
    QCOMPARE(quick.status, 0);
    QVERIFY2(!quick.out.contains("\033[K"), quick.out.constData());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
