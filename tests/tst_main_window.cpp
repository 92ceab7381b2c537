// The main window: start state, the selection lists, the class's schools, start-up failures.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "app/StartupLoader.h"
#include "library/CatalogueStamp.h"
#include "tests/support/EngineRounds.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/KeyDerivation.h"
#include "ui/MessageBox.h"
#include "ui/SpeedLayers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>
#include <optional>

namespace {
struct Message {
    QString title;
    QString text;
};

QStringList checkedSchools(Frm_Main& window) {
    auto* list = window.findChild<QListWidget*>("lstSchools");
    QStringList checked;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            checked << list->item(row)->text().trimmed();
    }
    return checked;
}

QStringList comboTexts(QComboBox* combo) {
    QStringList texts;
    for (int row = 0; row < combo->count(); ++row)
        texts << combo->itemText(row);
    return texts;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startStateShowsEveryControl();
    void fixedListsCarryTheirNumbers();
    void catalogueListsComeFromTheDatabase();
    void emptyCataloguesLeaveListsEmpty();
    void frequencyWithoutVeryRarePicksNothing();
    void classMarksItsSchools_data();
    void classMarksItsSchools();
    void classMatchesRowsWithBlanks();
    void allAndNone();
    void coreSchoolsMessage();
    void startFailureShowsOneMessage_data();
    void startFailureShowsOneMessage();
    void closingReleasesTheLibrary();
    void chooserFillsAfterTheFirstFrame();
    void loaderUpgradesTheUserCopy_data();
    void loaderOnAFileKeyedWithOtherRounds();
    void loaderUpgradesTheUserCopy();

private:
    std::unique_ptr<FixtureDatabase> m_fixture;
    QList<Message> m_messages;
};

void TestMainWindow::init() {
    m_messages.clear();
    MessageBox::setHandler([this](const QString& title, const QString& text) {
        m_messages.append({title, text});
    });
    m_fixture = std::make_unique<FixtureDatabase>();
    m_fixture->build({
        FixtureDatabase::spell("Quiet Lantern", 1, "Common", "Illusion;Phantasm"),
        FixtureDatabase::spell("Amber Stair", 3, "Very Rare", "Alteration"),
        FixtureDatabase::spell("Brine Hand", 2, "Rare", "Water;Conjuration"),
    });
    Constants::Settings = SharedSettings();
}

void TestMainWindow::cleanup() {
    MessageBox::setHandler(nullptr);
    Constants::MyLibrary.reset();
}

void TestMainWindow::startStateShowsEveryControl() {
    Constants::Settings.LimitByFrequency = false;
    Constants::Settings.SpecialistPercent.clear();
    Constants::Settings.SpecialistPercentIndex = 0;
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    QVERIFY(m_messages.isEmpty());
    // The caption the window system is given (the modified marker resolved).
    window.winId();
    QCOMPARE(window.windowHandle()->title(), QString(" Tomewright, V 1.0"));

    for (const char* name : {"lblFind", "txtFind", "lblSelect", "cboSpells", "cmdAdd"}) {
        QWidget* control = window.findChild<QWidget*>(name);
        QVERIFY2(control, name);
        QVERIFY2(!control->isEnabled(), name);
    }
    QCOMPARE(window.findChild<QLineEdit*>("txtName")->maxLength(), 100);
    for (QComboBox* combo : window.findChildren<QComboBox*>())
        QVERIFY2(!combo->isEditable(), qPrintable(combo->objectName()));

    auto* list = window.findChild<QTreeWidget*>("LV_Spells");
    QCOMPARE(list->topLevelItemCount(), 0);
    QStringList headers;
    for (int c = 0; c < list->columnCount(); ++c)
        headers << list->headerItem()->text(c);
    QCOMPARE(headers, (QStringList{"Spell Name", "Level", "Frequency", "Schools", "Book", "Page"}));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);

    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "&Tools", "&About"}));
    QVERIFY(window.findChild<QMenu*>("Menu_PopUp"));
    QVERIFY(window.findChild<QMenu*>("Menu_Pop2"));
    QVERIFY(!window.toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QVERIFY(window.toolbarButton(Frm_Main::kGenerateKey)->isEnabled());
    // Each button and each menu entry of the tool bar shows its picture.
    for (const QString& key : {Frm_Main::kPrintKey, Frm_Main::kGenerateKey})
        QVERIFY2(!window.toolbarButton(key)->icon().pixmap(16).isNull(), qPrintable(key));
    for (QAction* entry : window.findChild<QMenu*>("PrintSpellbookMenu")->actions())
        QVERIFY2(entry->isSeparator() || !entry->icon().pixmap(16).isNull(),
                 qPrintable(entry->text()));

    // The shared settings get their start values at load.
    QCOMPARE(Constants::Settings.DefaultFifth, 0);
    QCOMPARE(Constants::Settings.SpecialistPercent, QString("50%"));
    QCOMPARE(Constants::Settings.SpecialistPercentIndex, 5);
    QVERIFY(Constants::Settings.LimitByFrequency);
}

void TestMainWindow::fixedListsCarryTheirNumbers() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    auto* level = window.findChild<QComboBox*>("cboLevel");
    QCOMPARE(level->count(), 30);
    QCOMPARE(level->currentIndex(), -1);
    for (int row = 0; row < 30; ++row)
        QCOMPARE(level->itemData(row).toInt(), row + 1);
    const QStringList levels = comboTexts(level);
    QCOMPARE(levels.mid(0, 4), (QStringList{"1st", "2nd", "3rd", "4th"}));
    QCOMPARE(levels.mid(10, 3), (QStringList{"11th", "12th", "13th"}));
    QCOMPARE(levels.mid(19, 5), (QStringList{"20th", "21st", "22nd", "23rd", "24th"}));
    QCOMPARE(levels.last(), QString("30th"));

    auto* classes = window.findChild<QComboBox*>("cboClass");
    QCOMPARE(classes->count(), 21);
    QCOMPARE(classes->currentText(), QString("MAGE"));
    QCOMPARE(classes->itemText(9), QString("Elementalist - Air"));
    QCOMPARE(classes->itemText(20), QString("Wild Mage"));

    auto* volume = window.findChild<QComboBox*>("cboVolume");
    QCOMPARE(volume->count(), 6);
    QCOMPARE(volume->currentText(), QString("Average (3-10 spells/ level)"));
    for (int row = 0; row < 6; ++row)
        QCOMPARE(volume->itemData(row).toInt(), row + 1);
    QCOMPARE(volume->itemText(5), QString("Custom (see Options)"));
}

void TestMainWindow::catalogueListsComeFromTheDatabase() {
    m_fixture->build({FixtureDatabase::spell("Quiet Lantern", 1, "Common", "Illusion"),
                      FixtureDatabase::spell("Amber Stair", 3, "Very Rare", "Alteration")},
                     {"Fire", "Abjuration", "Wild"},
                     {{"Common", 7}, {"Very Rare", 40}, {"Rare", 12}});
    {
        Database database(m_fixture->path(), ";pwd=kobold3");
        database.execute("UPDATE Spells SET Name = '  Padded Name  ' WHERE Name = 'Amber Stair'");
    }
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());

    auto* frequency = window.findChild<QComboBox*>("cboFrequency");
    QCOMPARE(comboTexts(frequency), (QStringList{"Common", "Rare", "Very Rare"}));
    QCOMPARE(frequency->itemData(0).toInt(), 7);
    QCOMPARE(frequency->itemData(1).toInt(), 12);
    QCOMPARE(frequency->itemData(2).toInt(), 40);
    QCOMPARE(frequency->currentText(), QString("Very Rare"));

    auto* schools = window.findChild<QListWidget*>("lstSchools");
    QCOMPARE(schools->count(), 3);
    QCOMPARE(schools->item(0)->text(), QString("Fire"));
    QVERIFY(checkedSchools(window).isEmpty());

    auto* spells = window.findChild<QComboBox*>("cboSpells");
    QCOMPARE(comboTexts(spells), (QStringList{"Padded Name", "Quiet Lantern"}));
    QCOMPARE(spells->currentIndex(), -1);
}

void TestMainWindow::emptyCataloguesLeaveListsEmpty() {
    m_fixture->build({}, {}, FixtureDatabase::standardFrequencies());
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(window.findChild<QListWidget*>("lstSchools")->count(), 0);
    QCOMPARE(window.findChild<QComboBox*>("cboSpells")->count(), 0);
}

void TestMainWindow::frequencyWithoutVeryRarePicksNothing() {
    m_fixture->build({}, {"Fire"}, {{"Common", 1}});
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    QCOMPARE(window.findChild<QComboBox*>("cboFrequency")->count(), 1);
    QCOMPARE(window.findChild<QComboBox*>("cboFrequency")->currentIndex(), -1);
    m_fixture->build({}, {"Fire"}, {});
    Frm_Main empty(m_fixture->folder());
    QVERIFY(empty.Form_Load());
    QCOMPARE(empty.findChild<QComboBox*>("cboFrequency")->count(), 0);
}

void TestMainWindow::classMarksItsSchools_data() {
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("MAGE") << QStringList{"MAGE"} << QStringList{"Wild"};
    QTest::newRow("ABJURER then DIVINER")
        << QStringList{"ABJURER", "DIVINER"}
        << QStringList{"Alteration", "Conjuration", "Illusion", "Summoning", "Wild"};
    QTest::newRow("Wild Mage") << QStringList{"Wild Mage"} << QStringList{};
    QTest::newRow("MAGE then Wild Mage") << QStringList{"MAGE", "Wild Mage"} << QStringList{};
    QTest::newRow("Dimensionalist") << QStringList{"Dimensionalist"} << QStringList{"Wild"};
    QTest::newRow("Geometer") << QStringList{"Geometer"}
                              << QStringList{"Charm", "Enchantment", "Illusion", "Phantasm",
                                             "Wild"};
    QTest::newRow("ILLUSIONIST then ENCHANTER keeps Charm clear")
        << QStringList{"ILLUSIONIST", "ENCHANTER"}
        << QStringList{"Abjuration", "Evocation", "Invocation", "Necromancy", "Wild"};
    QTest::newRow("Elementalist - Fire")
        << QStringList{"Elementalist - Fire"} << QStringList{"Water", "Wild"};
}

void TestMainWindow::classMarksItsSchools() {
    QFETCH(QStringList, classes);
    QFETCH(QStringList, checked);
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    auto* combo = window.findChild<QComboBox*>("cboClass");
    for (const QString& name : classes) {
        combo->setCurrentText(name);
        QCOMPARE(combo->currentText(), name);
        window.cboClass_Click();
    }
    QStringList marked = checkedSchools(window);
    marked.sort();
    QCOMPARE(marked, checked);
}

void TestMainWindow::classMatchesRowsWithBlanks() {
    // A school the database lacks is skipped; a row with blanks still matches its name.
    m_fixture->build({}, {" Illusion ", "Wild", "Phantasm"});
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.findChild<QComboBox*>("cboClass")->setCurrentText("Alchemist");
    window.cboClass_Click();
    QCOMPARE(checkedSchools(window), (QStringList{"Illusion", "Wild", "Phantasm"}));
}

void TestMainWindow::allAndNone() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.findChild<QPushButton*>("cmdAllSchools")->click();
    QCOMPARE(checkedSchools(window).size(), 24);
    window.findChild<QPushButton*>("cmdNoneSchools")->click();
    QVERIFY(checkedSchools(window).isEmpty());
}

void TestMainWindow::coreSchoolsMessage() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.findChild<QAction*>("Tools_Core")->trigger();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].title, QString("Core Schools"));
    QCOMPARE(m_messages[0].text,
             QString("The following Schools are considered Core Schools:\n\nAbjuration\n"
                     "Alteration\nCharm\nConjuration\nDivination\nEnchantment\nEvocation\n"
                     "Illusion\nInvocation\nNecromancy\nPhantasm\nSummoning"));
    QCOMPARE(window.coreSchools().size(), 12);
}

void TestMainWindow::startFailureShowsOneMessage_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("loaderFirst"); // started before the window, as the program does
    for (const bool loaderFirst : {false, true}) {
        const char* how = loaderFirst ? "loader first" : "load step";
        QTest::addRow("missing file, %s", how) << "remove"
                                               << "is missing" << loaderFirst;
        QTest::addRow("wrong password, %s", how) << "rekey"
                                                 << "password is wrong" << loaderFirst;
        QTest::addRow("missing table, %s", how) << "DROP TABLE [Sphere Names]"
                                                << "Sphere Names" << loaderFirst;
        QTest::addRow("missing view, %s", how) << "DROP TABLE Spells"
                                               << "Spells" << loaderFirst;
        QTest::addRow("missing column, %s", how)
            << "ALTER TABLE Frequency RENAME TO Gone; CREATE TABLE Frequency (Frequency TEXT)"
            << "FrequencyID" << loaderFirst;
    }
}

void TestMainWindow::startFailureShowsOneMessage() {
    QFETCH(QString, damage);
    QFETCH(QString, expected);
    if (damage == "remove") {
        QFile::remove(m_fixture->path());
    } else if (damage == "rekey") {
        Database database(m_fixture->path(), ";pwd=kobold3");
        database.execute("PRAGMA rekey = 'another'");
    } else {
        Database database(m_fixture->path(), ";pwd=kobold3");
        database.executeScript(damage);
    }
    QFETCH(bool, loaderFirst);
    std::optional<StartupLoader> loader;
    if (loaderFirst)
        loader.emplace(m_fixture->path(), Constants::Settings);
    Frm_Main window(m_fixture->folder());
    QVERIFY(!(loader ? window.Form_Load(*loader) : window.Form_Load()));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(expected), qPrintable(m_messages[0].text));
    QCOMPARE(m_messages[0].text, m_messages[0].text.trimmed());
    QVERIFY(!window.isVisible());
    QVERIFY(!Constants::MyLibrary);
}

void TestMainWindow::closingReleasesTheLibrary() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.show();
    QVERIFY(Constants::MyLibrary);
    window.close();
    QVERIFY(!Constants::MyLibrary);
}

void TestMainWindow::chooserFillsAfterTheFirstFrame() {
    // Started as the program starts: the lists of the first frame are filled before the window
    // shows; the spell chooser, which that frame does not show, right after it.
    {
        Database database(m_fixture->path(), ";pwd=kobold3");
        database.execute("UPDATE Spells SET Description = 'Hums.' WHERE Name = 'Brine Hand'");
        // A name far wider than the chooser, which must not widen it when it comes.
        database.execute("INSERT INTO Spells (Name, Lvl, Frequency) VALUES (?, '1', 'Common')",
                         {QString("Zealous ") + QString(120, QChar('W'))});
    }
    StartupLoader loader(m_fixture->path(), Constants::Settings);
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load(loader));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(window.findChild<QComboBox*>("cboFrequency")->currentText(), QString("Very Rare"));
    QCOMPARE(window.findChild<QListWidget*>("lstSchools")->count(), 24);
    auto* spells = window.findChild<QComboBox*>("cboSpells");
    QCOMPARE(spells->count(), 0);
    window.show();
    const QRect laidOut = spells->geometry();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(spells->count(), 4);
    QCOMPARE(comboTexts(spells).mid(0, 3),
             (QStringList{"Amber Stair", "Brine Hand", "Quiet Lantern"}));
    // Filled in place: nothing in the window moves.
    QCoreApplication::processEvents();
    QCOMPARE(spells->geometry(), laidOut);
    QCOMPARE(spells->itemData(1, Qt::ToolTipRole).toString(), QString("Hums."));
    QVERIFY(spells->itemData(0, Qt::ToolTipRole).isNull());
    QCOMPARE(spells->currentIndex(), -1);
}

void TestMainWindow::loaderUpgradesTheUserCopy_data() {
    QTest::addColumn<bool>("installedReadable");
    QTest::newRow("a newer install") << true;
    QTest::newRow("an install that cannot be read") << false;
}

void TestMainWindow::loaderUpgradesTheUserCopy() {
    // A user's copy of an installed catalogue takes in the install's new spells while the window
    // is built; when it cannot, the copy is used as it was and the user is told why.
    QFETCH(bool, installedReadable);
    QTemporaryDir folder;
    const QString copy = folder.filePath("copy.mdb");
    QVERIFY(QFile::copy(m_fixture->path(), copy));
    const QString installed = folder.filePath("installed.mdb");
    QVERIFY(QFile::copy(m_fixture->path(), installed));
    if (installedReadable) {
        Database database(installed, ";pwd=kobold3");
        database.execute("INSERT INTO Spells (Name, Lvl, Frequency, Book, Page) VALUES "
                         "('Copper Veil', '2', 'Common', 'B', '7')");
        database.execute("INSERT INTO SpellandSphere (Name, Sphere) VALUES "
                         "('Copper Veil', 'Abjuration')");
        CatalogueStamp{TOMEWRIGHT_VERSION, "with Copper Veil"}.write(database);
    } else {
        QFile file(installed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    StartupLoader loader(copy, Constants::Settings, installed);
    const StartupCatalogue catalogue = loader.take();
    QStringList names;
    for (RecordSet spells = catalogue.library->FetchAllSpells(); !spells.eof(); spells.moveNext())
        names << spells.text(qsizetype(0)).trimmed();
    QCOMPARE(names.contains("Copper Veil"), installedReadable);
    QVERIFY(names.contains("Brine Hand"));
    if (installedReadable)
        QCOMPARE(loader.upgradeFailure(), QString());
    else
        QVERIFY2(loader.upgradeFailure().startsWith(
                     "Your spell catalogue could not take in this Tomewright's spells and is "
                     "used as it was: The spell database \"" +
                     installed + "\" cannot be opened"),
                 qPrintable(loader.upgradeFailure()));
}

void TestMainWindow::loaderOnAFileKeyedWithOtherRounds() {
    // A file the engine keyed with other rounds (another version of it) is opened by the engine
    // from the password when the key derived here does not fit; the start goes on as ever and
    // fills the chooser right after the first frame.
    QVERIFY(setEngineRounds(4000));
    const auto restore = qScopeGuard([] { setEngineRounds(KeyDerivation::kSqlCipherRounds); });
    FixtureDatabase other;
    {
        // Made by the engine alone, as the other version would make it.
        SpeedLayers::ownKeyDerivation = false;
        const auto own = qScopeGuard([] { SpeedLayers::ownKeyDerivation = true; });
        other.build({FixtureDatabase::spell("Tallow Knot", 1, "Common", "Abjuration"),
                     FixtureDatabase::spell("Ember Psalm", 2, "Common", "Evocation")});
    }
    StartupLoader loader(other.path(), Constants::Settings);
    Frm_Main window(other.folder());
    QVERIFY(window.Form_Load(loader));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* spells = window.findChild<QComboBox*>("cboSpells");
    QTRY_COMPARE(comboTexts(spells), (QStringList{"Ember Psalm", "Tallow Knot"}));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
