// Book files as a user keeps them: what is saved comes back field for field, and a file that
// is not a good book is refused with one message naming it and what is wrong.
#include "library/BookFile.h"
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"
#include "ui/TwError.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace {

SpellbookDocument sampleDocument() {
    SpellbookDocument document;
    GeneratedBook& book = document.book;
    book.caster = "Vessa Thorn";
    book.casterLevel = "9th";
    book.casterClass = "ILLUSIONIST";
    book.volume = "Full (10-30 spells/ level)";
    book.frequency = "Rare";
    book.hasSeed = true;
    book.seed = 1234;
    book.excludedSchools = {"Abjuration", "Evocation", "Wild"};
    book.limitedLevels = {4, 5};
    book.spells = {{"Glass Echo", "1", "Common", "Illusion, Phantasm", "Vellum of Hours", "12",
                    "An echo of the caster's voice."},
                   {"Veil of Ash", "2", "Rare", "Illusion", "Duskward Grimoire", "40", "", true}};
    document.customCounts = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    document.specialistPercent = 70;
    return document;
}

// Fields compared one by one, so a failure names the field that changed.
void compareDocuments(const SpellbookDocument& actual, const SpellbookDocument& expected) {
    QCOMPARE(actual.book.caster, expected.book.caster);
    QCOMPARE(actual.book.casterLevel, expected.book.casterLevel);
    QCOMPARE(actual.book.casterClass, expected.book.casterClass);
    QCOMPARE(actual.book.volume, expected.book.volume);
    QCOMPARE(actual.book.frequency, expected.book.frequency);
    QCOMPARE(actual.book.hasSeed, expected.book.hasSeed);
    QCOMPARE(actual.book.seed, expected.book.seed);
    QCOMPARE(actual.book.excludedSchools, expected.book.excludedSchools);
    QCOMPARE(actual.book.limitedLevels, expected.book.limitedLevels);
    QCOMPARE(actual.customCounts, expected.customCounts);
    QCOMPARE(actual.specialistPercent, expected.specialistPercent);
    QCOMPARE(actual.book.spells.size(), expected.book.spells.size());
    for (qsizetype i = 0; i < expected.book.spells.size(); ++i) {
        const SpellRow& a = actual.book.spells[i];
        const SpellRow& e = expected.book.spells[i];
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.level, e.level);
        QCOMPARE(a.frequency, e.frequency);
        QCOMPARE(a.schools, e.schools);
        QCOMPARE(a.book, e.book);
        QCOMPARE(a.page, e.page);
        QCOMPARE(a.description, e.description);
        QCOMPARE(a.pinned, e.pinned);
    }
}

// A device that takes a few bytes and then refuses, as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (m_room <= 0) {
            setErrorString("No space left on device");
            return -1;
        }
        const qint64 taken = qMin(length, m_room);
        if (taken < length)
            setErrorString("No space left on device");
        m_room -= taken;
        return taken;
    }

private:
    qint64 m_room;
};

QByteArray withChange(const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = QJsonDocument::fromJson(BookFile::toJson(sampleDocument())).object();
    change(root);
    return QJsonDocument(root).toJson();
}

void setInRequest(QJsonObject& root, const QString& key, const QJsonValue& value) {
    QJsonObject request = root["request"].toObject();
    if (value.isUndefined())
        request.remove(key);
    else
        request[key] = value;
    root["request"] = request;
}

void setInSpell(QJsonObject& root, int index, const QString& key, const QJsonValue& value) {
    QJsonArray spells = root["spells"].toArray();
    QJsonObject spell = spells[index].toObject();
    if (value.isUndefined())
        spell.remove(key);
    else
        spell[key] = value;
    spells[index] = spell;
    root["spells"] = spells;
}

CatalogueSpell spell(const QString& name, int level, const QString& schools) {
    return FixtureDatabase::spell(name, level, "Common", schools);
}

QStringList names(const QList<SpellRow>& rows) {
    QStringList result;
    for (const SpellRow& row : rows)
        result << row.name;
    return result;
}

SpellRow row(const QString& name, int level, const QString& schools, bool pinned = false) {
    return {name, QString::number(level), "Common", schools, "Test Book", "1", "", pinned};
}

} // namespace

class TestBookFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void badFiles_data();
    void badFiles();
    void unreadableFiles();
    void failedWriteKeepsTheOldFile();
    void rerollKeepsPinsAndCounts_data();
    void rerollKeepsPinsAndCounts();
    void rerollTakesTheSpecialtyShare_data();
    void rerollTakesTheSpecialtyShare();
    void rerollOfAShortLevelSaysSo();

private:
    QTemporaryDir m_dir;
};

void TestBookFile::roundTrip_data() {
    QTest::addColumn<SpellbookDocument>("document");
    QTest::newRow("a drawn book with pins and limited levels") << sampleDocument();
    SpellbookDocument hostile = sampleDocument();
    hostile.book.caster = "Ana \"the <b>Bold</b>\" O'Neil & Søn, \\ | * 魔法";
    hostile.book.spells[0].name = "Ward \"of\" <script>x</script>";
    // 400 characters, the most a description holds: an emoji is one of them, however stored.
    hostile.book.spells[0].description =
        QString(391, QChar(0x00e9)) + "\n\t\"end\"" + QString::fromUtf8("🔥");
    hostile.book.spells[1].page = QString(20, '9');
    hostile.book.spells[1].name = QString(100, 'n');
    hostile.book.spells[1].book = QString(100, 'b');
    QTest::newRow("texts that look like markup, quotes, and each at its longest") << hostile;
    SpellbookDocument largest = sampleDocument();
    largest.book.seed = std::numeric_limits<quint64>::max();
    largest.specialistPercent = 0;
    QTest::newRow("the largest seed, no specialist share") << largest;
    SpellbookDocument unseeded = sampleDocument();
    unseeded.book.hasSeed = false;
    unseeded.book.seed = 0;
    unseeded.book.spells.clear();
    unseeded.book.casterLevel = "";
    QTest::newRow("no seed, no spells, no level picked") << unseeded;
}

void TestBookFile::roundTrip() {
    QFETCH(SpellbookDocument, document);
    const QString path = m_dir.filePath("book.twbook");
    BookFile::write(document, path);
    compareDocuments(BookFile::read(path), document);
    // What a user's text editor sees: UTF-8 JSON with its format number.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(root["format"].toInt(), 1);
    QCOMPARE(root["request"].toObject()["caster"].toString(), document.book.caster);
}

void TestBookFile::badFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString f = "\"%1\" ";
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": 1,\n  oops\n}")
                              << f + "is not a spellbook: it is not JSON (unterminated object at "
                                     "line 3, column 3).";
    QTest::newRow("empty file") << QByteArray()
                                << f + "is not a spellbook: it is not JSON (illegal value at line "
                                       "1, column 1).";
    QTest::newRow("a JSON list") << QByteArray("[1, 2]")
                                 << f + "is not a spellbook: it holds no JSON object.";
    QTest::newRow("no format") << withChange([](QJsonObject& r) { r.remove("format"); })
                               << f + "is not a spellbook: it has no \"format\" number.";
    QTest::newRow("format as text") << withChange([](QJsonObject& r) { r["format"] = "1"; })
                                    << f + "is not a spellbook: it has no \"format\" number.";
    QTest::newRow("newer format")
        << withChange([](QJsonObject& r) { r["format"] = 2; })
        << f + "was saved by a newer version of Tomewright (book format 2); this version reads "
               "format 1 and older.";
    QTest::newRow("no request") << withChange([](QJsonObject& r) { r.remove("request"); })
                                << f + "is not a complete spellbook: \"request\" is missing.";
    QTest::newRow("no caster") << withChange([](QJsonObject& r) {
        setInRequest(r, "caster", QJsonValue::Undefined);
    }) << f + "is not a complete spellbook: \"request.caster\" is missing.";
    QTest::newRow("caster as a number")
        << withChange([](QJsonObject& r) { setInRequest(r, "caster", 7); })
        << f + "is not a valid spellbook: \"request.caster\" should be text.";
    QTest::newRow("no spells") << withChange([](QJsonObject& r) { r.remove("spells"); })
                               << f + "is not a complete spellbook: \"spells\" is missing.";
    QTest::newRow("spells not a list") << withChange([](QJsonObject& r) { r["spells"] = "x"; })
                                       << f + "is not a valid spellbook: \"spells\" should be a "
                                              "list.";
    QTest::newRow("a spell not an object")
        << withChange([](QJsonObject& r) { r["spells"] = QJsonArray{3}; })
        << f + "is not a valid spellbook: spell 1 should be an object.";
    QTest::newRow("a spell without a name")
        << withChange([](QJsonObject& r) { setInSpell(r, 1, "name", "  "); })
        << f + "is not a valid spellbook: spell 2 has no name.";
    QTest::newRow("a spell with no page")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "page", QJsonValue::Undefined); })
        << f + "is not a complete spellbook: the \"page\" of spell 1 is missing.";
    QTest::newRow("a page as a number")
        << withChange([](QJsonObject& r) { setInSpell(r, 1, "page", 40); })
        << f + "is not a valid spellbook: the \"page\" of spell 2 should be text.";
    QTest::newRow("pinned as text")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "pinned", "yes"); })
        << f + "is not a valid spellbook: the \"pinned\" of spell 1 should be true or false.";
    QTest::newRow("eight custom counts")
        << withChange([](QJsonObject& r) {
               setInRequest(r, "customCounts", QJsonArray{1, 2, 3, 4, 5, 6, 7, 8});
           })
        << f + "is not a valid spellbook: \"request.customCounts\" should hold nine counts, for "
               "spell levels 1 to 9.";
    QTest::newRow("a negative count")
        << withChange([](QJsonObject& r) {
               setInRequest(r, "customCounts", QJsonArray{1, 2, 3, -4, 5, 6, 7, 8, 9});
           })
        << f + "is not a valid spellbook: \"request.customCounts\" should hold whole numbers "
               "from 0 to 1000.";
    QTest::newRow("a share between steps")
        << withChange([](QJsonObject& r) { setInRequest(r, "specialistPercent", 55); })
        << f + "is not a valid spellbook: \"request.specialistPercent\" should go in steps of 10.";
    QTest::newRow("a share over 100")
        << withChange([](QJsonObject& r) { setInRequest(r, "specialistPercent", 110); })
        << f + "is not a valid spellbook: \"request.specialistPercent\" should hold whole "
               "numbers from 0 to 100.";
    QTest::newRow("a seed as a number")
        << withChange([](QJsonObject& r) { setInRequest(r, "seed", 1234); })
        << f + "is not a valid spellbook: \"request.seed\" should be a whole number written as "
               "text.";
    QTest::newRow("a negative seed")
        << withChange([](QJsonObject& r) { setInRequest(r, "seed", "-1"); })
        << f + "is not a valid spellbook: \"request.seed\" should be a whole number written as "
               "text.";
    QTest::newRow("level 31st")
        << withChange([](QJsonObject& r) { setInRequest(r, "level", "31st"); })
        << f + "is not a valid spellbook: \"request.level\" is \"31st\", not a caster level from "
               "1st to 30th.";
    QTest::newRow("an unknown class")
        << withChange([](QJsonObject& r) { setInRequest(r, "class", "Bard"); })
        << f + "is not a valid spellbook: \"request.class\" is \"Bard\", not a class Tomewright "
               "knows.";
    const QString level = f + "is not a valid spellbook: the \"level\" of spell 2 is \"%2\", not a "
                              "spell level from 1 to 9.";
    for (const char* bad : {"banana", "", "12345678901234567890", "-3", "0", "42", " 3", "3.0"})
        QTest::newRow(qPrintable(QString("spell level \"%1\"").arg(bad)))
            << withChange([bad](QJsonObject& r) { setInSpell(r, 1, "level", bad); })
            << level.arg("%1", bad);
    QTest::newRow("a spell level as a number")
        << withChange([](QJsonObject& r) { setInSpell(r, 1, "level", 2); })
        << f + "is not a valid spellbook: the \"level\" of spell 2 should be text.";
    const QString tooLong = f + "is not a valid spellbook: the \"%2\" of spell 1 is %3 characters "
                                "long, more than the %4 allowed.";
    QTest::newRow("a name of 101 characters")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "name", QString(101, 'n')); })
        << tooLong.arg("%1", "name", "101", "100");
    QTest::newRow("a book of 101 characters")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "book", QString(101, 'b')); })
        << tooLong.arg("%1", "book", "101", "100");
    QTest::newRow("a page of 21 characters")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "page", QString(21, '9')); })
        << tooLong.arg("%1", "page", "21", "20");
    QTest::newRow("a description of 401 characters")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "description", QString(401, 'd')); })
        << tooLong.arg("%1", "description", "401", "400");
    QTest::newRow("a description of 50 MB") << withChange([](QJsonObject& r) {
        setInSpell(r, 0, "description", QString(50'000'000, 'd'));
    }) << tooLong.arg("%1", "description", "50000000", "400");
    const QString control = f + "is not a valid spellbook: the \"%2\" of spell 1 holds a control "
                                "character (%3).";
    QTest::newRow("U+0000 in a name") << withChange([](QJsonObject& r) {
        setInSpell(r, 0, "name", QString("Nul") + QChar(0) + "Spell");
    }) << control.arg("%1", "name", "U+0000");
    QTest::newRow("U+0000 in a description") << withChange([](QJsonObject& r) {
        setInSpell(r, 0, "description", QString("Ends") + QChar(0) + "here");
    }) << control.arg("%1", "description", "U+0000");
    QTest::newRow("a bell in a book")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "book", "Bell\aBook"); })
        << control.arg("%1", "book", "U+0007");
    QTest::newRow("a line break in a school")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "schools", "Fire,\nAir"); })
        << control.arg("%1", "schools", "U+000A");
    QTest::newRow("an escape in a description")
        << withChange([](QJsonObject& r) { setInSpell(r, 0, "description", "\x1b[2J"); })
        << control.arg("%1", "description", "U+001B");
    QTest::newRow("U+0000 in the caster")
        << withChange([](QJsonObject& r) { setInRequest(r, "caster", QString("Ana") + QChar(0)); })
        << f + "is not a valid spellbook: \"request.caster\" holds a control character (U+0000).";
    QTest::newRow("an unknown volume")
        << withChange([](QJsonObject& r) { setInRequest(r, "volume", "Huge"); })
        << f + "is not a valid spellbook: \"request.volume\" is \"Huge\", not a volume "
               "Tomewright knows.";
}

void TestBookFile::badFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_dir.filePath("bad.twbook");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    try {
        BookFile::read(path);
        QFAIL("a bad book was read");
    } catch (const TwError& error) {
        QCOMPARE(error.description(), message.arg(path));
    }
}

void TestBookFile::unreadableFiles() {
    const QString missing = m_dir.filePath("gone.twbook");
    try {
        BookFile::read(missing);
        QFAIL("a missing book was read");
    } catch (const TwError& error) {
        QCOMPARE(error.description(),
                 QString("The spellbook \"%1\" cannot be opened: No such file or directory.")
                     .arg(missing));
    }
    try {
        BookFile::write(sampleDocument(), m_dir.filePath("no/such/folder/book.twbook"));
        QFAIL("a book was written into a missing folder");
    } catch (const TwError& error) {
        QVERIFY2(
            error.description().startsWith(QString("The spellbook cannot be saved to \"%1\": ")
                                               .arg(m_dir.filePath("no/such/folder/book.twbook"))),
            qPrintable(error.description()));
    }
}

void TestBookFile::failedWriteKeepsTheOldFile() {
    // The writer reports a device that stops midway, and the saved file is not touched by it.
    FailingDevice device(100);
    try {
        BookFile::writeTo(device, sampleDocument(), "Vessa.twbook");
        QFAIL("a write that stopped midway was reported as done");
    } catch (const TwError& error) {
        QCOMPARE(error.description(),
                 QString("The spellbook cannot be saved to \"Vessa.twbook\": No space left on "
                         "device."));
    }
    // A real file that fills up midway (a file size limit, as on a full disk): the book saved
    // before stays whole.
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.twbook");
    BookFile::write(sampleDocument(), path);
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    SpellbookDocument larger = sampleDocument();
    for (int i = 0; i < 200; ++i)
        larger.book.spells << SpellRow{QString("Spell %1").arg(i), "1", "Common", "Fire", "B", "1",
                                       QString(400, 'x')};
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 8192;
    setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
        BookFile::write(larger, path);
    } catch (const TwError& error) {
        message = error.description();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(message,
             QString("The spellbook cannot be saved to \"%1\": File too large.").arg(path));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.twbook"});
}

void TestBookFile::rerollKeepsPinsAndCounts_data() {
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QList<int>>("changedLevels");
    QTest::newRow("level 1 only") << QList<int>{1} << QList<int>{1};
    QTest::newRow("level 2 only") << QList<int>{2} << QList<int>{2};
    QTest::newRow("the whole book") << QList<int>{} << QList<int>{1, 2};
}

void TestBookFile::rerollKeepsPinsAndCounts() {
    QFETCH(QList<int>, levels);
    QFETCH(QList<int>, changedLevels);
    FixtureDatabase fixture;
    QList<CatalogueSpell> spells;
    for (int i = 1; i <= 30; ++i)
        spells << spell(QString("One %1").arg(i, 2, 10, QChar('0')), 1, "Evocation");
    for (int i = 1; i <= 30; ++i)
        spells << spell(QString("Two %1").arg(i, 2, 10, QChar('0')), 2, "Evocation");
    fixture.build(spells);
    SharedSettings settings;
    TW_Library library(fixture.path(), settings);
    library.random().reseed(7);
    // A hand-added spell of another level stands in the book too.
    const QList<SpellRow> book = {
        row("One 01", 1, "Evocation", true), row("One 02", 1, "Evocation"),
        row("Two 01", 2, "Evocation"),       row("One 03", 1, "Evocation"),
        row("Two 02", 2, "Evocation", true), row("Two 03", 2, "Evocation")};
    for (int round = 0; round < 20; ++round) {
        RecordingForm form;
        const QList<SpellRow> after =
            library.RerollSpellbook(form, book, levels, "", "('Wild')", "MAGE", 4, 5);
        QCOMPARE(after.size(), book.size());
        QCOMPARE(form.panel3, QString());
        const QStringList drawn = names(after);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), after.size());
        bool anyChanged = false;
        for (qsizetype i = 0; i < book.size(); ++i) {
            QCOMPARE(after[i].level, book[i].level); // each place keeps its level
            const bool redrawn = !book[i].pinned && changedLevels.contains(book[i].level.toInt());
            if (!redrawn)
                QCOMPARE(after[i], book[i]);
            anyChanged = anyChanged || after[i] != book[i];
        }
        QVERIFY(anyChanged);
    }
}

void TestBookFile::rerollTakesTheSpecialtyShare_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("pinnedSpecialty"); // the level of a pinned specialty spell, or 0
    QTest::addColumn<int>("leastSpecialty");  // of the level's 4 rows
    QTest::addColumn<int>("plainSpells");     // in the catalogue, beside 6 specialty ones
    QTest::newRow("50%, none pinned: 2 of 4") << 5 << 0 << 2 << 40;
    QTest::newRow("50%, one pinned: it counts, 2 of 4") << 5 << 1 << 2 << 40;
    QTest::newRow("100%: all 4") << 10 << 0 << 4 << 40;
    QTest::newRow("10% rounds 0.4 up to the least share, 1") << 1 << 0 << 1 << 40;
    QTest::newRow("0%: no share") << 0 << 0 << 0 << 40;
    QTest::newRow("50%, one pinned at another level: not counted, 2 of 4") << 5 << 2 << 2 << 40;
    // The rest is drawn mostly from the specialty spells not taken: none of them twice.
    QTest::newRow("50%, few others") << 5 << 0 << 2 << 2;
}

void TestBookFile::rerollTakesTheSpecialtyShare() {
    QFETCH(int, tenths);
    QFETCH(int, pinnedSpecialty);
    QFETCH(int, leastSpecialty);
    QFETCH(int, plainSpells);
    FixtureDatabase fixture;
    QList<CatalogueSpell> spells;
    for (int i = 1; i <= plainSpells; ++i)
        spells << spell(QString("Plain %1").arg(i), 1, "Conjuration");
    for (int i = 1; i <= 6; ++i)
        spells << spell(QString("Fiery %1").arg(i), 1, "Fire;Evocation");
    fixture.build(spells);
    SharedSettings settings;
    TW_Library library(fixture.path(), settings);
    library.random().reseed(11);
    QList<SpellRow> book = {row("Plain 1", 1, "Conjuration"), row("Plain 2", 1, "Conjuration"),
                            row("Plain 3", 1, "Conjuration"), row("Plain 4", 1, "Conjuration")};
    if (pinnedSpecialty == 1)
        book[0] = row("Fiery 1", 1, "Fire, Evocation", true);
    if (pinnedSpecialty == 2)
        book << row("Fiery 1", 2, "Fire, Evocation", true);
    const QString core = "('Abjuration','Alteration','Charm','Conjuration','Divination',"
                         "'Enchantment','Evocation','Illusion','Invocation','Necromancy',"
                         "'Phantasm','Summoning')";
    for (int round = 0; round < 20; ++round) {
        RecordingForm form;
        const QList<SpellRow> after = library.RerollSpellbook(
            form, book, {1}, core, "('Water','Wild')", "Elementalist - Fire", 4, tenths);
        QCOMPARE(after.size(), book.size());
        const QStringList drawn = names(after);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), book.size());
        int specialty = 0;
        for (const SpellRow& spell : after.mid(0, 4))
            specialty += spell.schools.contains("Fire") ? 1 : 0;
        QVERIFY2(specialty >= leastSpecialty, qPrintable(names(after).join(", ")));
        if (tenths == 10)
            QCOMPARE(specialty, 4);
    }
}

void TestBookFile::rerollOfAShortLevelSaysSo() {
    FixtureDatabase fixture;
    fixture.build({spell("Only A", 3, "Evocation"), spell("Only B", 3, "Evocation"),
                   spell("Only C", 3, "Evocation")});
    SharedSettings settings;
    TW_Library library(fixture.path(), settings);
    // Five level-3 places, one pinned on a spell the catalogue has lost: two spells are left
    // to draw for four places.
    const QList<SpellRow> book = {row("Lost Spell", 3, "Evocation", true),
                                  row("Only A", 3, "Evocation"), row("X", 3, "Evocation"),
                                  row("Y", 3, "Evocation"), row("Only B", 3, "Evocation")};
    RecordingForm form;
    const QList<SpellRow> after =
        library.RerollSpellbook(form, book, {3}, "", "('Wild')", "MAGE", 4, 5);
    QCOMPARE(form.panel3, QString("Following Levels Volume was limited by criteria: 3"));
    QCOMPARE(after.size(), 4);
    QCOMPARE(after.first(), book.first());
    QStringList drawn = names(after.mid(1));
    drawn.sort();
    QCOMPARE(drawn, (QStringList{"Only A", "Only B", "Only C"}));
}

QTEST_GUILESS_MAIN(TestBookFile)
#include "tst_book_file.moc"
