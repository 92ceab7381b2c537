// The catalogue window: its table and filters against the catalogue, the pool of a request
// against the library's own draw, and the window as a user meets it.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "dialogs/CatalogueWindow.h"
#include "dialogs/ImportSpellsDialog.h"
#include "dialogs/SpellForm.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "library/catalogue/CatalogueEdit.h"
#include "library/catalogue/SpellFilterModel.h"
#include "library/catalogue/SpellStore.h"
#include "library/catalogue/SpellTableModel.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingForm.h"
#include "tests/support/SpreadsheetCsv.h"
#include "tests/support/TestFiles.h"
#include "ui/Database.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/SaveChangesQuestion.h"
#include "ui/SaveFileDialog.h"
#include "ui/YesNoQuestion.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <algorithm>
#include <limits>

namespace {
const QString kAllCore = SchoolListText::build(
    {"Abjuration", "Alteration", "Charm", "Conjuration", "Divination", "Enchantment", "Evocation",
     "Illusion", "Invocation", "Necromancy", "Phantasm", "Summoning"});
const QByteArray kHeader = "Name,Level,Frequency,Schools,Book,Page,Description\n";

CatalogueSpell described(CatalogueSpell spell, const QString& description) {
    spell.description = description;
    return spell;
}

// Twenty spells over levels 1 to 3, a few schools, every frequency and two books.
QList<CatalogueSpell> twentySpells() {
    using F = FixtureDatabase;
    return {
        described(F::spell("Quiet Lantern", 1, "Common", "Illusion;Phantasm", "Greywater", "4"),
                  "A lantern whose light only the caster sees."),
        F::spell("Ember Lattice", 1, "Uncommon", "Fire;Evocation", "Greywater", "10"),
        described(F::spell("ember lattice Minor", 1, "Common", "Fire;Evocation", "Greywater", "9"),
                  "Cinders that DANCE like ÆTHER sparks."),
        F::spell("Brine Hand", 1, "Rare", "Water;Conjuration", "Vellum of Hours", "2"),
        F::spell("Salt Circle", 1, "Very Rare", "Abjuration", "Vellum of Hours", "3"),
        F::spell("Wild Spark", 1, "Common", "Wild", "Vellum of Hours", "5"),
        described(F::spell("Grave Whisper", 2, "Common", "Necromancy", "Greywater", "20"),
                  "The dead answer one question, in a LANTERN-lit voice."),
        F::spell("Hollow Step", 2, "Uncommon", "Alteration", "Greywater", "21"),
        F::spell("Mirror Veil", 2, "Rare", "Illusion", "Vellum of Hours", "22"),
        F::spell("Stone Ward", 2, "Common", "Abjuration;Earth", "Vellum of Hours", "23"),
        F::spell("Tide Call", 2, "Unique", "Water;Conjuration", "Vellum of Hours", "24"),
        F::spell("Shadow Knot", 2, "Very Rare", "Shadow;Illusion", "Greywater", "25"),
        F::spell("Amber Stair", 3, "Very Rare", "Alteration", "Greywater", "30"),
        F::spell("Cinder Rain", 3, "Common", "Fire;Evocation", "Greywater", "31"),
        F::spell("Dream Thread", 3, "Uncommon", "Phantasm;Charm", "Vellum of Hours", "32"),
        F::spell("Iron Oath", 3, "Rare", "Enchantment", "Vellum of Hours", "33"),
        F::spell("Lantern Eye", 3, "Common", "Divination", "Greywater", "34"),
        F::spell("North Wind", 3, "Uncommon", "Air;Evocation", "Greywater", "35"),
        F::spell("Seed of Thorns", 3, "Common", "Plant;Summoning", "Vellum of Hours", "36"),
        F::spell("Veil of Ash", 3, "Rare", "Fire;Illusion", "Greywater", "37"),
    };
}

// The names a proxy shows, sorted.
QStringList shownNames(const SpellFilterModel& filter) {
    QStringList names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names << filter.spellAt(row).spell.name;
    names.sort();
    return names;
}

// The names a proxy shows, in the order shown.
QStringList shownInOrder(const SpellFilterModel& filter) {
    QStringList names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names << filter.index(row, SpellTableModel::Name).data().toString();
    return names;
}

// The catalogue of the file at path into model, as the window reads it; shippedKeys as
// SpellTableModel::setCatalogue takes them.
void readIntoModel(SpellTableModel& model, const QString& path,
                   const QSet<QString>& shippedKeys = {}) {
    const Database database(path, TW_Library::kConnectText);
    QStringList origins;
    Catalogue catalogue = readCatalogueDatabase(database, &origins);
    model.setCatalogue(std::move(catalogue), origins, shippedKeys);
}

// The import preview as a user reads it: "LINE|name|outcome|reason" a row.
QStringList previewRows(const ImportSpellsDialog& dialog) {
    QStringList rows;
    const QTableWidget* table = dialog.preview();
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        rows << cells.join('|');
    }
    return rows;
}

// The stored spell of this name as "level|frequency|schools|book|page|description", and its
// recorded origin after a blank; "" when there is no such spell.
QString storedSpell(const QString& databasePath, const QString& name) {
    Database database(databasePath, TW_Library::kConnectText);
    for (const CatalogueSpell& spell : readCatalogueDatabase(database).spells) {
        if (spell.name == name)
            return QStringList{spell.level, spell.frequency, spell.schools.join(';'),
                               spell.book,  spell.page,      spell.description}
                       .join('|') +
                   " " + SpellOrigin::read(database).value(name);
    }
    return QString();
}

// Makes the spell of this name the table's current and only selected row.
void selectSpell(QTableView* table, const QString& name) {
    const QModelIndexList found = table->model()->match(table->model()->index(0, 0),
                                                        Qt::DisplayRole, name, 1, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    table->setFocus();
    table->setCurrentIndex(found.first());
    table->selectionModel()->select(found.first(), QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
}

// Opens the catalogue window beside the main window, active, as a user's click leaves it: its
// keys work.
CatalogueWindow* activeCatalogue(Frm_Main& window) {
    window.Tools_Catalogue_Click();
    CatalogueWindow* catalogue = window.catalogueWindow();
    if (!catalogue)
        return nullptr;
    QApplication::setActiveWindow(catalogue);
    if (!QTest::qWaitForWindowActive(catalogue))
        return nullptr;
    return catalogue;
}

// The spell form the window has open.
SpellForm* openForm(CatalogueWindow* window) {
    for (SpellForm* form : window->findChildren<SpellForm*>()) {
        if (form->isVisible())
            return form;
    }
    return nullptr;
}

// Types into the form's fields as a user does: the name, a level (typed into its list), a school
// (its box ticked with the space bar) and a description.
void fillForm(SpellForm* form, const QString& name, const QString& level, const QString& school,
              const QString& description) {
    auto* nameBox = form->findChild<QLineEdit*>("txtSpellName");
    nameBox->selectAll();
    QTest::keyClicks(nameBox, name);
    if (!level.isEmpty())
        QTest::keyClicks(form->findChild<QComboBox*>("cboSpellLevel"), level);
    for (QCheckBox* box : form->findChildren<QCheckBox*>("chkSpellSchool")) {
        if (box->text() == school)
            QTest::keyClick(box, Qt::Key_Space);
    }
    if (!description.isEmpty())
        QTest::keyClicks(form->findChild<QPlainTextEdit*>("txtSpellDescription"), description);
}

void addUserSpell(const QString& databasePath, const QByteArray& csvRows) {
    Database database(databasePath, TW_Library::kConnectText);
    QStringList errors;
    ImportOptions options;
    options.replace = true;
    importSpells(database, kHeader + csvRows, "mine.csv", options, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}
// The installed catalogue as shipped, and the user's copy of it with Moth Lantern added and Iron
// Oath changed.
struct ShippedAndChanged {
    FixtureDatabase installed;
    QTemporaryDir home;
    QString copy;

    ShippedAndChanged() {
        installed.build(twentySpells());
        copy = home.filePath("Spells.mdb");
        QVERIFY(QFile::copy(installed.path(), copy));
        addUserSpell(copy, "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                           "iron oath,3,Common,Enchantment,Homebrew,2,Kept.\n");
    }
};
} // namespace

class TestCatalogueWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filters_data();
    void filters();
    void sorting_data();
    void sorting();
    void orderWhileFiltering_data();
    void orderWhileFiltering();
    void longestRows_data();
    void longestRows();
    void heldSpellThroughFilterSortAndReset();
    void schoolsAndOriginsReadAsStored();
    void poolCountsAgreeWithTheDraw_data();
    void poolCountsAgreeWithTheDraw();
    void findByAWordOfTheDescription();
    void qualifyingForTheCurrentBook();
    void oneWindowBesideTheMainWindow();
    void changeByAnotherProgramIsSeen();
    void originsAgainstTheInstalledCatalogue();
    void importTheSampleFile();
    void importPreview_data();
    void importPreview();
    void importStoppedWritesNothing_data();
    void importStoppedWritesNothing();
    void exportSpells_data();
    void exportSpells();
    void newSpellThroughTheForm_data();
    void newSpellThroughTheForm();
    void removeAsksFirst_data();
    void removeAsksFirst();
    void undoAndRedoThroughTheKeys();
    void restoreShippedVersion();
    void changeReachesTheChooserAndTheDraw_data();
    void changeReachesTheChooserAndTheDraw();

private:
    // Opens the main window's catalogue window; the file dialog answers with path.
    CatalogueWindow* openCatalogue(Frm_Main& window);
    // Chooses path in "Import Spells..." and returns the dialog that checked it.
    ImportSpellsDialog* startImport(CatalogueWindow* catalogue, const QString& path);

    std::unique_ptr<FixtureDatabase> m_fixture;
    SharedSettings m_settings;
    QStringList m_messages;
};

void TestCatalogueWindow::init() {
    m_messages.clear();
    MessageBox::setHandler(
        [this](const QString&, const QString& text) { m_messages.append(text); });
    m_fixture = std::make_unique<FixtureDatabase>();
    m_fixture->build(twentySpells());
    // One spell of the user's own, and one shipped spell the user changed.
    addUserSpell(m_fixture->path(), "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                                    "Iron Oath,3,Common,Enchantment,Homebrew,2,Kept.\n");
    Constants::Settings = SharedSettings();
    m_settings = SharedSettings();
}

void TestCatalogueWindow::cleanup() {
    MessageBox::setHandler(nullptr);
    OpenFileDialog::setHandler(nullptr);
    SaveFileDialog::setHandler(nullptr);
    YesNoQuestion::setHandler(nullptr);
    SaveChangesQuestion::setHandler(nullptr);
    Constants::MyLibrary.reset();
}

void TestCatalogueWindow::filters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("school");
    QTest::addColumn<qint64>("rarest");
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("source");
    QTest::addColumn<QStringList>("expected");
    using S = SpellTableModel::SpellSource;

    QTest::newRow("a word of names and descriptions, any letter case")
        << "lantern" << 0 << "" << qint64(0) << "" << -1
        << QStringList{"Grave Whisper", "Lantern Eye", "Moth Lantern", "Quiet Lantern"};
    QTest::newRow("a name begun in small letters, capitals after")
        << "lattice minor" << 0 << "" << qint64(0) << "" << -1
        << QStringList{"ember lattice Minor"};
    QTest::newRow("a word of a description in capitals beyond ASCII")
        << "æther" << 0 << "" << qint64(0) << "" << -1 << QStringList{"ember lattice Minor"};
    QTest::newRow("text and level")
        << "LANTERN" << 3 << "" << qint64(0) << "" << -1 << QStringList{"Lantern Eye"};
    QTest::newRow("a school, any of a spell's")
        << "" << 0 << "Fire" << qint64(0) << "" << -1
        << QStringList{"Cinder Rain", "Ember Lattice", "Veil of Ash", "ember lattice Minor"};
    QTest::newRow("rarest Common")
        << "" << 1 << "" << qint64(1) << "" << -1
        << QStringList{"Quiet Lantern", "Wild Spark", "ember lattice Minor"};
    QTest::newRow("rarest Rare keeps Uncommon, not Very Rare")
        << "" << 2 << "" << qint64(3) << "" << -1
        << QStringList{"Grave Whisper", "Hollow Step", "Mirror Veil", "Moth Lantern", "Stone Ward"};
    QTest::newRow("book") << "" << 2 << "" << qint64(0) << "Vellum of Hours" << -1
                          << QStringList{"Mirror Veil", "Stone Ward", "Tide Call"};
    QTest::newRow("yours") << "" << 0 << "" << qint64(0) << "" << int(S::Yours)
                           << QStringList{"Moth Lantern"};
    QTest::newRow("changed by you")
        << "" << 0 << "" << qint64(0) << "" << int(S::ChangedByYou) << QStringList{"Iron Oath"};
    QTest::newRow("shipped, level 3, Evocation")
        << "" << 3 << "Evocation" << qint64(0) << "" << int(S::Shipped)
        << QStringList{"Cinder Rain", "North Wind"};
    QTest::newRow("nothing matches")
        << "no such words" << 0 << "" << qint64(0) << "" << -1 << QStringList();
}

void TestCatalogueWindow::filters() {
    QFETCH(QString, text);
    QFETCH(int, level);
    QFETCH(QString, school);
    QFETCH(qint64, rarest);
    QFETCH(QString, book);
    QFETCH(int, source);
    QFETCH(QStringList, expected);
    SpellTableModel model;
    QAbstractItemModelTester tester(&model);
    readIntoModel(model, m_fixture->path(), {QStringLiteral("iron oath")});
    SpellFilterModel filter;
    filter.setSpellModel(&model);
    QCOMPARE(model.rowCount(), 21);
    filter.setText(text);
    filter.setLevel(level);
    filter.setSchool(school);
    filter.setRarestFrequency(rarest);
    filter.setBook(book);
    filter.setSource(source);
    expected.sort();
    QCOMPARE(shownNames(filter), expected);
}

void TestCatalogueWindow::sorting_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("first"); // the names shown first, in order
    QTest::addColumn<QStringList>("last");  // and last
    using M = SpellTableModel;
    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    // As stored: the twenty in the fixture's order without Iron Oath, then Moth Lantern and Iron
    // Oath, which the import added and replaced. Rows that tie stay in that order both ways.
    QTest::newRow("name, letter case does not count")
        << int(M::Name) << up << QStringList{"Amber Stair", "Brine Hand", "Cinder Rain"}
        << QStringList{"Veil of Ash", "Wild Spark"};
    QTest::newRow("name, descending")
        << int(M::Name) << down << QStringList{"Wild Spark", "Veil of Ash", "Tide Call"}
        << QStringList{"Brine Hand", "Amber Stair"};
    QTest::newRow("level as a number, ties as stored")
        << int(M::Level) << up
        << QStringList{"Quiet Lantern", "Ember Lattice", "ember lattice Minor", "Brine Hand"}
        << QStringList{"Veil of Ash", "Iron Oath"};
    QTest::newRow("level descending, ties still as stored")
        << int(M::Level) << down << QStringList{"Amber Stair", "Cinder Rain", "Dream Thread"}
        << QStringList{"Salt Circle", "Wild Spark"};
    QTest::newRow("schools by their text, ties as stored")
        << int(M::Schools) << up
        << QStringList{"Salt Circle", "Stone Ward", "North Wind", "Hollow Step", "Amber Stair"}
        << QStringList{"Wild Spark"};
    QTest::newRow("schools descending")
        << int(M::Schools) << down
        << QStringList{"Wild Spark", "Brine Hand", "Tide Call", "Shadow Knot"}
        << QStringList{"Salt Circle"};
    QTest::newRow("frequency by rarity, not alphabet")
        << int(M::Frequency) << up
        << QStringList{"Quiet Lantern", "ember lattice Minor", "Wild Spark", "Grave Whisper"}
        << QStringList{"Shadow Knot", "Amber Stair", "Tide Call"};
    QTest::newRow("frequency descending: the rarest first")
        << int(M::Frequency) << down << QStringList{"Tide Call", "Salt Circle", "Shadow Knot"}
        << QStringList{"Moth Lantern", "Iron Oath"};
    QTest::newRow("book, letter case does not count")
        << int(M::Book) << up << QStringList{"Quiet Lantern", "Ember Lattice"}
        << QStringList{"Tide Call", "Dream Thread", "Seed of Thorns"};
    QTest::newRow("book descending")
        << int(M::Book) << down << QStringList{"Brine Hand", "Salt Circle", "Wild Spark"}
        << QStringList{"Veil of Ash"};
    QTest::newRow("page as a number: 2 before 10, ties as stored")
        << int(M::Page) << up
        << QStringList{"Moth Lantern", "Brine Hand", "Iron Oath", "Salt Circle", "Quiet Lantern"}
        << QStringList{"Seed of Thorns", "Veil of Ash"};
    QTest::newRow("page descending: 10 before 9")
        << int(M::Page) << down << QStringList{"Veil of Ash", "Seed of Thorns"}
        << QStringList{"Ember Lattice", "ember lattice Minor", "Wild Spark", "Quiet Lantern",
                       "Salt Circle",   "Brine Hand",          "Iron Oath",  "Moth Lantern"};
    QTest::newRow("origin: shipped first")
        << int(M::Origin) << up << QStringList{"Quiet Lantern", "Ember Lattice"}
        << QStringList{"Veil of Ash", "Moth Lantern", "Iron Oath"};
    QTest::newRow("origin descending: the user's first, as stored")
        << int(M::Origin) << down << QStringList{"Moth Lantern", "Iron Oath", "Quiet Lantern"}
        << QStringList{"Veil of Ash"};
}

void TestCatalogueWindow::sorting() {
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);
    SpellTableModel model;
    readIntoModel(model, m_fixture->path());
    SpellFilterModel filter;
    filter.setSpellModel(&model);
    filter.sort(column, Qt::SortOrder(order));
    QCOMPARE(filter.sortColumn(), column);
    const QStringList shown = shownInOrder(filter);
    QCOMPARE(shown.size(), 21);
    QCOMPARE(shown.mid(0, first.size()), first);
    QCOMPARE(shown.mid(shown.size() - last.size()), last);
}

void TestCatalogueWindow::orderWhileFiltering_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("texts"); // typed in the find box in turn
    QTest::addColumn<QStringList>("shown"); // after the last, in order
    using M = SpellTableModel;
    QTest::newRow("narrowing, sorted by name descending")
        << int(M::Name) << int(Qt::DescendingOrder) << QStringList{"lantern", "lantern e"}
        << QStringList{"Lantern Eye"};
    // Grave Whisper by its description.
    QTest::newRow("widening again after narrowing, sorted by name descending")
        << int(M::Name) << int(Qt::DescendingOrder)
        << QStringList{"lantern", "lantern e", "lantern"}
        << QStringList{"Quiet Lantern", "Moth Lantern", "Lantern Eye", "Grave Whisper"};
    QTest::newRow("widening to every spell, sorted by level descending")
        << int(M::Level) << int(Qt::DescendingOrder) << QStringList{"lantern e", "lantern", ""}
        << QStringList{"Amber Stair",   "Cinder Rain",         "Dream Thread", "Lantern Eye",
                       "North Wind",    "Seed of Thorns",      "Veil of Ash",  "Iron Oath",
                       "Grave Whisper", "Hollow Step",         "Mirror Veil",  "Stone Ward",
                       "Tide Call",     "Shadow Knot",         "Moth Lantern", "Quiet Lantern",
                       "Ember Lattice", "ember lattice Minor", "Brine Hand",   "Salt Circle",
                       "Wild Spark"};
    QTest::newRow("narrowing letter by letter, sorted by page descending")
        << int(M::Page) << int(Qt::DescendingOrder) << QStringList{"a", "la"}
        << QStringList{"Lantern Eye",         "Grave Whisper", "Ember Lattice",
                       "ember lattice Minor", "Quiet Lantern", "Moth Lantern"};
}

void TestCatalogueWindow::orderWhileFiltering() {
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shown);
    SpellTableModel model;
    readIntoModel(model, m_fixture->path());
    SpellFilterModel filter;
    QAbstractItemModelTester tester(&filter);
    filter.setSpellModel(&model);
    filter.sort(column, Qt::SortOrder(order));
    for (const QString& text : texts)
        filter.setText(text);
    QCOMPARE(shownInOrder(filter), shown);
}

void TestCatalogueWindow::longestRows_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("count");
    using M = SpellTableModel;
    QTest::newRow("the longest name") << int(M::Name) << 1;
    QTest::newRow("three of the longest school lists, as shown joined") << int(M::Schools) << 3;
    QTest::newRow("five books, fewer than the longest book has spells") << int(M::Book) << 5;
    QTest::newRow("the longest origin, by its shown text") << int(M::Origin) << 1;
    QTest::newRow("two pages") << int(M::Page) << 2;
    QTest::newRow("more than there are spells: every one") << int(M::Level) << 40;
    QTest::newRow("none") << int(M::Frequency) << 0;
}

void TestCatalogueWindow::longestRows() {
    QFETCH(int, column);
    QFETCH(int, count);
    SpellTableModel model;
    readIntoModel(model, m_fixture->path(), {QStringLiteral("iron oath")});
    model.sort(SpellTableModel::Level, Qt::DescendingOrder);
    const auto longest = model.longestRows(count)[size_t(column)];
    const auto shown = [&](int row) { return model.index(row, column).data().toString(); };
    QCOMPARE(int(longest.size()), std::min(count, model.rowCount()));
    // No row left out shows a longer text than any row chosen.
    qsizetype shortestChosen = std::numeric_limits<qsizetype>::max();
    for (const int row : longest)
        shortestChosen = std::min(shortestChosen, shown(row).size());
    for (int row = 0; row < model.rowCount(); ++row) {
        if (std::find(longest.begin(), longest.end(), row) == longest.end())
            QVERIFY2(shown(row).size() <= shortestChosen, qPrintable(shown(row)));
    }
}

void TestCatalogueWindow::heldSpellThroughFilterSortAndReset() {
    Database database(m_fixture->path(), TW_Library::kConnectText);
    QStringList origins;
    Catalogue catalogue = readCatalogueDatabase(database, &origins);
    SpellTableModel model;
    model.setCatalogue(catalogue, origins, {});
    SpellFilterModel filter;
    QAbstractItemModelTester tester(&filter);
    filter.setSpellModel(&model);
    filter.sort(SpellTableModel::Name, Qt::DescendingOrder);
    filter.setText("lantern");
    // The spell a user picked stays picked while the list changes around it.
    const QPersistentModelIndex held = filter.index(1, SpellTableModel::Name);
    QCOMPARE(held.data().toString(), QString("Moth Lantern"));
    filter.setText("moth");
    QCOMPARE(held.row(), 0);
    filter.setText("");
    QCOMPARE(held.data().toString(), QString("Moth Lantern"));
    filter.sort(SpellTableModel::Level, Qt::AscendingOrder);
    filter.setText("lantern");
    QCOMPARE(shownInOrder(filter),
             (QStringList{"Quiet Lantern", "Grave Whisper", "Moth Lantern", "Lantern Eye"}));
    QCOMPARE(held.row(), 2);
    QCOMPARE(model.rowOf("Moth Lantern"), filter.mapToSource(held).row());
    QCOMPARE(model.row(model.rowOf("Moth Lantern")).spell.name, QString("Moth Lantern"));
    // Read again with one more spell: the filter and the order hold.
    catalogue.spells << FixtureDatabase::spell("Lantern Moss", 2, "Common", "Plant", "Homebrew",
                                               "3");
    origins << QString();
    model.setCatalogue(catalogue, origins, {});
    QCOMPARE(shownInOrder(filter), (QStringList{"Quiet Lantern", "Grave Whisper", "Moth Lantern",
                                                "Lantern Moss", "Lantern Eye"}));
    QCOMPARE(filter.sortColumn(), int(SpellTableModel::Level));
    QCOMPARE(model.rowOf("Lantern Moss"), 13); // after the six of level 1 and seven of level 2
    QCOMPARE(model.rowOf("No Such Spell"), -1);
}

void TestCatalogueWindow::schoolsAndOriginsReadAsStored() {
    {
        // A school added to a spell later, a spell's schools stored again in another order,
        // and a school row of no spell; the origin of a spell taken out, and one recorded again
        // after the others.
        Database database(m_fixture->path(), TW_Library::kConnectText);
        SpellOrigin::set(database, "Gone Spell", SpellOrigin::kRemoved);
        SpellOrigin::set(database, "Wild Spark", SpellOrigin::kUser);
        database.execute("INSERT INTO SpellandSphere (Name, Sphere) VALUES ('Quiet Lantern', "
                         "'Shadow')");
        database.execute("DELETE FROM SpellandSphere WHERE Name = 'Cinder Rain'");
        database.execute("INSERT INTO SpellandSphere (Name, Sphere) VALUES ('Cinder Rain', "
                         "'Evocation'), ('Nobody', 'Fire'), ('Cinder Rain', 'Fire')");
        database.execute("DELETE FROM SpellandSphere WHERE Name = 'Wild Spark'");
    }
    Database database(m_fixture->path(), TW_Library::kConnectText);
    QHash<QString, QStringList> schools;
    QHash<QString, QString> origins;
    QStringList originList;
    const Catalogue catalogue = readCatalogueDatabase(database, &originList);
    QCOMPARE(originList.size(), catalogue.spells.size());
    for (qsizetype place = 0; place < catalogue.spells.size(); ++place) {
        schools.insert(catalogue.spells[place].name, catalogue.spells[place].schools);
        origins.insert(catalogue.spells[place].name, originList[place]);
    }
    QCOMPARE(origins.value("Quiet Lantern"), QString("shipped"));
    QCOMPARE(origins.value("Wild Spark"), QString("user"));
    QCOMPARE(origins.value("Veil of Ash"), QString("shipped"));
    QCOMPARE(origins.value("Moth Lantern"), QString("user"));
    QCOMPARE(origins.value("Iron Oath"), QString("user"));
    QVERIFY(!origins.contains("Gone Spell"));
    QCOMPARE(catalogue.spells.size(), 21);
    QCOMPARE(schools.value("Quiet Lantern"), (QStringList{"Illusion", "Phantasm", "Shadow"}));
    QCOMPARE(schools.value("Cinder Rain"), (QStringList{"Evocation", "Fire"}));
    QCOMPARE(schools.value("Ember Lattice"), (QStringList{"Fire", "Evocation"}));
    QCOMPARE(schools.value("Iron Oath"), QStringList{"Enchantment"});
    QVERIFY(schools.contains("Wild Spark"));
    QCOMPARE(schools.value("Wild Spark"), QStringList());
    QCOMPARE(catalogue.spells.first().description,
             QString("A lantern whose light only the caster sees."));
    QCOMPARE(catalogue.spells.last().level, QString("3"));
}

void TestCatalogueWindow::poolCountsAgreeWithTheDraw_data() {
    QTest::addColumn<QString>("casterClass");
    QTest::addColumn<QString>("exclude");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QList<int>>("expected"); // qualifying at levels 1, 2, 3, written by hand

    // The generalist: any school not excluded; Wild is what a mage excludes.
    QTest::newRow("mage, Very Rare") << "MAGE"
                                     << "('Wild')" << 4 << QList<int>{5, 6, 8};
    QTest::newRow("mage, Common") << "MAGE"
                                  << "('Wild')" << 1 << QList<int>{2, 3, 4};
    QTest::newRow("mage, Fire excluded, any school passing is enough")
        << "MAGE"
        << "('Wild','Fire')" << 5 << QList<int>{5, 7, 8};
    // A specialist: only core schools not excluded count; Water and Fire alone never do.
    QTest::newRow("illusionist without Evocation")
        << "ILLUSIONIST"
        << "('Evocation','Wild')" << 5 << QList<int>{3, 7, 6};
}

void TestCatalogueWindow::poolCountsAgreeWithTheDraw() {
    QFETCH(QString, casterClass);
    QFETCH(QString, exclude);
    QFETCH(int, frequency);
    QFETCH(QList<int>, expected);
    QString include;
    if (casterClass != "MAGE") {
        QStringList excluded;
        QVERIFY(SchoolListText::parse(exclude, &excluded));
        QStringList core;
        QVERIFY(SchoolListText::parse(kAllCore, &core));
        for (const QString& school : excluded)
            core.removeAll(school);
        include = SchoolListText::build(core);
    }
    // A custom volume asking more than any level holds draws every spell that qualifies.
    for (int level = 1; level <= 9; ++level)
        *m_settings.defaultField(level) = 99;
    m_settings.SpecialistPercentIndex = 0;
    {
        // A second row of a name with blanks around it: the draw lists the two as one name.
        Database database(m_fixture->path(), TW_Library::kConnectText);
        database.execute("INSERT INTO Spells (Name, Lvl, Frequency, Book, Page) VALUES "
                         "(' Stone Ward ', '2', 'Common', 'B', '1')");
        database.execute("INSERT INTO SpellandSphere (Name, Sphere) VALUES (' Stone Ward ', "
                         "'Abjuration')");
    }
    TW_Library library(m_fixture->path(), m_settings);
    const QList<TW_Library::LevelPool> pools =
        library.RequestPool(include, exclude, casterClass, 6, frequency);
    QCOMPARE(pools.size(), 9);
    RecordingForm form;
    library.GenerateSpellbook(form, include, exclude, "Tester", 5, casterClass, 6, frequency);
    for (int level = 1; level <= 3; ++level) {
        int drawn = 0;
        for (const SpellRow& row : form.rows)
            drawn += row.level.toInt() == level ? 1 : 0;
        QCOMPARE(pools[level - 1].qualifying, drawn);
        QCOMPARE(pools[level - 1].qualifying, expected[level - 1]);
        // Every stored spelling is listed for the table; they come to the counted names.
        QSet<QString> trimmed;
        for (const QString& name : pools[level - 1].names)
            trimmed.insert(name.trimmed());
        QCOMPARE(int(trimmed.size()), expected[level - 1]);
        QCOMPARE(pools[level - 1].names.contains(" Stone Ward "),
                 pools[level - 1].names.contains("Stone Ward"));
        QCOMPARE(pools[level - 1].asksMinimum, 99);
    }
}

void TestCatalogueWindow::findByAWordOfTheDescription() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.findChild<QAction*>("Tools_Catalogue")->trigger();
    CatalogueWindow* catalogue = window.catalogueWindow();
    QVERIFY(catalogue);
    QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));
    auto* find = catalogue->findChild<QLineEdit*>("txtCatalogueFind");
    QVERIFY(find);
    QTest::keyClicks(find, "moths");
    // The filter follows typing once it pauses.
    QTRY_COMPARE(catalogue->countText(), QString("1 of 21 spells"));
    QTableView* table = catalogue->table();
    QCOMPARE(table->model()->index(0, 0).data().toString(), QString("Moth Lantern"));
    QCOMPARE(table->model()->index(0, SpellTableModel::Origin).data().toString(), QString("Yours"));
    // Down goes from the find box to the first spell found.
    QTest::keyClick(find, Qt::Key_Down);
    QCOMPARE(catalogue->focusWidget(), table);
    QCOMPARE(table->currentIndex().row(), 0);
    QCOMPARE(catalogue->descriptionText(), QString("Moths gather."));
    // Enter filters at once.
    find->clear();
    QTest::keyClicks(find, "lantern");
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(catalogue->countText(), QString("4 of 21 spells"));
    auto* level = catalogue->findChild<QComboBox*>("cboCatalogueLevel");
    level->setCurrentIndex(level->findText("3"));
    QCOMPARE(catalogue->countText(), QString("1 of 21 spells"));
}

void TestCatalogueWindow::qualifyingForTheCurrentBook() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    auto* classes = window.findChild<QComboBox*>("cboClass");
    classes->setCurrentIndex(classes->findText("MAGE"));
    window.cboClass_Click();
    auto* volume = window.findChild<QComboBox*>("cboVolume");
    volume->setCurrentIndex(4); // Full
    auto* frequency = window.findChild<QComboBox*>("cboFrequency");
    frequency->setCurrentIndex(frequency->findText("Common"));
    auto* level = window.findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(level->findText("5th"));
    window.findChild<QLineEdit*>("txtName")->setText("Vessa");
    // The book comes out short; the note offers the pool.
    auto* showPool = window.findChild<QToolButton*>("cmdShowPool");
    QVERIFY(showPool->isHidden());
    window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QVERIFY2(window.statusText(3).startsWith(TW_Library::limitedNote(QString())),
             qPrintable(window.statusText(3)));
    QVERIFY(!showPool->isHidden());
    QVERIFY(!window.catalogueWindow());
    showPool->click();
    CatalogueWindow* catalogue = window.catalogueWindow();
    QVERIFY(catalogue);
    QVERIFY(catalogue->findChild<QCheckBox*>("chkQualifies")->isChecked());
    // Levels 1 to 3 for a 5th-level caster; Common spells of any school but Wild.
    QCOMPARE(catalogue->poolText(), QString("Level 1: 2 qualify, Full asks 10\u201330 (short)\n"
                                            "Level 2: 3 qualify, Full asks 10\u201330 (short)\n"
                                            "Level 3: 4 qualify, Full asks 10\u201330 (short)"));
    QCOMPARE(catalogue->countText(), QString("9 of 21 spells"));
    catalogue->findChild<QCheckBox*>("chkQualifies")->setChecked(false);
    QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));
}

void TestCatalogueWindow::oneWindowBesideTheMainWindow() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.show();
    QAction* open = window.findChild<QAction*>("Tools_Catalogue");
    QCOMPARE(open->text(), QString("&Spell Catalogue..."));
    open->trigger();
    CatalogueWindow* first = window.catalogueWindow();
    QVERIFY(first && first->isVisible());
    QVERIFY(first->isWindow());
    QVERIFY(!first->isModal());
    open->trigger();
    QCOMPARE(window.catalogueWindow(), first);
    const QWidgetList tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget* w) { return qobject_cast<CatalogueWindow*>(w) != nullptr; }),
             1);
    // Every control a screen reader can name.
    for (QWidget* control : first->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->isVisible() &&
            !control->objectName().startsWith("qt_") && control->objectName() != "")
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    // Each book once, in alphabetical order.
    const auto* books = first->findChild<QComboBox*>("cboCatalogueBook");
    QStringList bookItems;
    for (int item = 1; item < books->count(); ++item)
        bookItems << books->itemText(item);
    QCOMPARE(bookItems, (QStringList{"Greywater", "Homebrew", "Vellum of Hours"}));
    // Every name, level and book shows whole, as in the main window's list.
    QTableView* table = first->table();
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        for (int column : {0, 1, 4}) {
            const QString text = table->model()->index(row, column).data().toString();
            QVERIFY2(table->fontMetrics().horizontalAdvance(text) < table->columnWidth(column),
                     qPrintable(text));
        }
    }
    first->close();
    QTRY_VERIFY(!window.catalogueWindow());
}

void TestCatalogueWindow::changeByAnotherProgramIsSeen() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    window.Tools_Catalogue_Click();
    CatalogueWindow* catalogue = window.catalogueWindow();
    QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));
    addUserSpell(m_fixture->path(), "Late Comer,1,Common,Fire,Homebrew,3,\n");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(catalogue, &activate);
    QCOMPARE(catalogue->countText(), QString("22 of 22 spells"));
    // The main window's chooser lists it too.
    QVERIFY(window.findChild<QComboBox*>("cboSpells")->findText("Late Comer") >= 0);
}

void TestCatalogueWindow::originsAgainstTheInstalledCatalogue() {
    const ShippedAndChanged catalogues;
    Frm_Main window(catalogues.installed.folder(), catalogues.copy);
    QVERIFY(window.Form_Load());
    window.Tools_Catalogue_Click();
    CatalogueWindow* catalogue = window.catalogueWindow();
    QTableView* table = catalogue->table();
    QStringList origins;
    for (const QString& name : QStringList{"iron oath", "Moth Lantern", "Mirror Veil"}) {
        const QModelIndexList found = table->model()->match(
            table->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        origins << found.first().siblingAtColumn(SpellTableModel::Origin).data().toString();
    }
    QCOMPARE(origins, (QStringList{"Changed by you", "Yours", "Shipped"}));
}

CatalogueWindow* TestCatalogueWindow::openCatalogue(Frm_Main& window) {
    if (!window.Form_Load())
        return nullptr;
    window.Tools_Catalogue_Click();
    return window.catalogueWindow();
}

ImportSpellsDialog* TestCatalogueWindow::startImport(CatalogueWindow* catalogue,
                                                     const QString& path) {
    OpenFileDialog::setHandler([path](const QString&, const QString&) { return path; });
    auto* button = catalogue->findChild<QPushButton*>("cmdImportSpells");
    if (!button)
        return nullptr;
    QTest::mouseClick(button, Qt::LeftButton);
    return catalogue->findChild<ImportSpellsDialog*>();
}

void TestCatalogueWindow::importTheSampleFile() {
    // The sample lies beside the program, where the file dialog looks first.
    const QDir samples(m_fixture->folder() + "/samples");
    QVERIFY(QDir().mkpath(samples.path()));
    const QString sample = samples.filePath("homebrew.csv");
    QVERIFY(QFile::copy(TOMEWRIGHT_DATA_DIR "/samples/homebrew.csv", sample));
    QVERIFY(QFile::setPermissions(sample, QFile::ReadOwner | QFile::WriteOwner));
    Frm_Main window(m_fixture->folder());
    CatalogueWindow* catalogue = openCatalogue(window);
    QVERIFY(catalogue);
    QSignalSpy changed(catalogue, &CatalogueWindow::catalogueChanged);
    QString offeredFolder;
    OpenFileDialog::setHandler([&](const QString&, const QString& folder) {
        offeredFolder = folder;
        return sample;
    });
    QTest::mouseClick(catalogue->findChild<QPushButton*>("cmdImportSpells"), Qt::LeftButton);
    QCOMPARE(QDir(offeredFolder), samples);
    auto* dialog = catalogue->findChild<ImportSpellsDialog*>();
    QVERIFY(dialog && dialog->isVisible());

    // One row is refused, with its line and the reason; nothing is offered to import.
    const QString add = ImportSpellsDialog::outcomeText(ImportRow::Outcome::Add);
    QCOMPARE(previewRows(*dialog),
             (QStringList{"2|Teakettle Familiar|Would add|", "3|Rumour of Rain|Would add|",
                          "4|Inkblot Sentry|Would add|",
                          "5|Borrowed Thunder|Refused|unknown school \"Evocaton\"",
                          "6|Mossback Ward|Would add|", "7|Pocket Drizzle|Would add|"}));
    QVERIFY(dialog->summaryText().startsWith("1 row refused."));
    auto* import = dialog->findChild<QPushButton*>("cmdImport");
    QVERIFY(!import->isEnabled());
    QCOMPARE(dialog->preview()->currentRow(), 3);
    QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));

    // The user corrects the school and checks the file again.
    QByteArray bytes = fileBytes(sample);
    bytes.replace("Evocaton", "Evocation");
    writeFile(sample, bytes);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCheckAgain"), Qt::LeftButton);
    const QStringList rows = previewRows(*dialog);
    QCOMPARE(rows.size(), 6);
    for (const QString& row : rows)
        QVERIFY2(row.endsWith("|" + add + "|"), qPrintable(row));
    QVERIFY(import->isEnabled());
    QCOMPARE(changed.count(), 0);
    QTest::mouseClick(import, Qt::LeftButton);
    QTRY_VERIFY(!catalogue->findChild<ImportSpellsDialog*>());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(catalogue->countText(), QString("27 of 27 spells"));
    QCOMPARE(catalogue->findChild<QLabel*>("lblMessage")->text(),
             QString("Imported 6 spells from homebrew.csv (6 added, 0 replaced)."));
    QTableView* table = catalogue->table();
    const QModelIndexList found = table->model()->match(
        table->model()->index(0, 0), Qt::DisplayRole, "Borrowed Thunder", 1, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().siblingAtColumn(SpellTableModel::Schools).data().toString(),
             QString("Evocation, Air"));
    QCOMPARE(found.first().siblingAtColumn(SpellTableModel::Origin).data().toString(),
             QString("Yours"));
}

void TestCatalogueWindow::importPreview_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("encoding"); // the row chosen in the list
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("summary"); // how it starts
    QTest::addColumn<bool>("importOffered");

    const QByteArray moth = kHeader + "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                                      "moth lantern,3,Rare,Illusion,Homebrew,1,\n";
    QTest::newRow("a name twice in the file")
        << moth << 0 << true
        << QStringList{"2|Moth Lantern|Unchanged|", "3|moth lantern|Refused|\"moth lantern\" "
                                                    "differs from \"Moth Lantern\" on "
                                                    "line 2 only in letter case"}
        << "1 row refused." << false;
    const QByteArray mine = kHeader + "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                                      "IRON OATH,3,Common,Enchantment,Mine,2,\n"
                                      "Fresh,1,Common,Fire,Mine,2,\n";
    QTest::newRow("replace: unchanged, replaced and added")
        << mine << 0 << true
        << QStringList{"2|Moth Lantern|Unchanged|", "3|IRON OATH|Would replace|",
                       "4|Fresh|Would add|"}
        << "Ready to import: 1 to add, 1 to replace, 1 unchanged." << true;
    QTest::newRow("without replace, a stored name is refused")
        << mine << 0 << false
        << QStringList{"2|Moth Lantern|Refused|\"Moth Lantern\" is already in the catalogue (tick "
                       "\"Replace spells of the same name\" to overwrite it)",
                       "3|IRON OATH|Refused|\"IRON OATH\" is already in the catalogue as \"Iron "
                       "Oath\" (names are compared without regard to letter case; tick \"Replace "
                       "spells of the same name\" to overwrite it)",
                       "4|Fresh|Would add|"}
        << "2 rows refused." << false;
    QTest::newRow("nothing new") << kHeader +
                                        "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                                 << 0 << true << QStringList{"2|Moth Lantern|Unchanged|"}
                                 << "Nothing to import" << false;
    const QByteArray windows = "Name;Level;Frequency;Schools;Book;Page\r\n"
                               "Caf\xE9 Charm;1;Common;\"Charm;Fire\";Mine;2\r\n";
    QTest::newRow("a Windows file read as UTF-8: the file, not a row")
        << windows << 0 << false << QStringList()
        << "This file cannot be imported:\nmine.csv:2: the text is not UTF-8" << false;
    QTest::newRow("a Windows file read as Windows-1252, semicolons")
        << windows << 1 << false << QStringList{"2|Café Charm|Would add|"}
        << "Ready to import: 1 to add, 0 to replace, 0 unchanged." << true;
    QTest::newRow("not a spells file")
        << QByteArray("Title,Author\nA Book,Someone\n") << 0 << false << QStringList()
        << "This file cannot be imported:\nmine.csv:1: the header must be" << false;
}

void TestCatalogueWindow::importPreview() {
    QFETCH(QByteArray, file);
    QFETCH(int, encoding);
    QFETCH(bool, replace);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);
    QFETCH(bool, importOffered);
    const QString path = m_fixture->folder() + "/mine.csv";
    writeFile(path, file);
    const QByteArray before = fileBytes(m_fixture->path());
    Frm_Main window(m_fixture->folder());
    CatalogueWindow* catalogue = openCatalogue(window);
    QVERIFY(catalogue);
    ImportSpellsDialog* dialog = startImport(catalogue, path);
    QVERIFY(dialog);
    // The choices as a user makes them; each checks the file again.
    dialog->findChild<QComboBox*>("cboImportEncoding")->setCurrentIndex(encoding);
    auto* replacing = dialog->findChild<QCheckBox*>("chkImportReplace");
    if (replacing->isChecked() != replace)
        replacing->click();
    QCOMPARE(previewRows(*dialog), rows);
    QVERIFY2(dialog->summaryText().startsWith(summary), qPrintable(dialog->summaryText()));
    QCOMPARE(dialog->findChild<QPushButton*>("cmdImport")->isEnabled(), importOffered);
    // Rows without a reason show one line, none taller; a refused row shows all of its reason.
    const QTableWidget* table = dialog->preview();
    const int oneLine = table->fontMetrics().height();
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool hasReason = !table->item(row, 3)->text().isEmpty();
        QVERIFY2(hasReason ? table->rowHeight(row) >= oneLine
                           : table->rowHeight(row) <= oneLine + 8,
                 qPrintable(QString("row %1: %2 px, a line %3 px")
                                .arg(row)
                                .arg(table->rowHeight(row))
                                .arg(oneLine)));
    }
    // Checking writes nothing.
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

void TestCatalogueWindow::importStoppedWritesNothing_data() {
    QTest::addColumn<bool>("cancel"); // else the disk fills up at the last row
    QTest::addColumn<QString>("summary");
    QTest::newRow("the user cancels") << true << "The import was cancelled; nothing was written.";
    QTest::newRow("the last row fails to store")
        << false << "Nothing was written: A change failed: database or disk is full.";
}

void TestCatalogueWindow::importStoppedWritesNothing() {
    QFETCH(bool, cancel);
    QFETCH(QString, summary);
    QByteArray file = kHeader;
    for (int i = 0; i < 2000; ++i)
        file += QString("Homebrew %1,%2,Common,Fire,Mine,%1,\n").arg(i).arg(i % 9 + 1).toUtf8();
    // The last spell fails to store, as a full disk would fail a write.
    Database(m_fixture->path(), TW_Library::kConnectText)
        .execute("CREATE TRIGGER DiskFull BEFORE INSERT ON Spells WHEN NEW.Name = 'Homebrew "
                 "1999' BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    const QString path = m_fixture->folder() + "/many.csv";
    writeFile(path, file);
    Frm_Main window(m_fixture->folder());
    CatalogueWindow* catalogue = openCatalogue(window);
    QVERIFY(catalogue);
    QSignalSpy changed(catalogue, &CatalogueWindow::catalogueChanged);
    ImportSpellsDialog* dialog = startImport(catalogue, path);
    QVERIFY(dialog);
    auto* import = dialog->findChild<QPushButton*>("cmdImport");
    QVERIFY(import->isEnabled());
    const QByteArray before = fileBytes(m_fixture->path());
    // The user presses Cancel beside the progress bar as soon as the import has begun.
    bool cancelled = false;
    if (cancel) {
        QTimer::singleShot(0, dialog, [&] {
            if (auto* progress = dialog->findChild<QProgressDialog*>("dlgImportProgress")) {
                progress->cancel();
                cancelled = true;
            }
        });
    }
    QTest::mouseClick(import, Qt::LeftButton);
    QCOMPARE(cancelled, cancel);
    QCOMPARE(dialog->summaryText(), summary);
    QVERIFY(dialog->isVisible());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));
    QCOMPARE(fileBytes(m_fixture->path()), before);
}

void TestCatalogueWindow::exportSpells_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QStringList>("names"); // as the file has them, in its order
    QTest::addColumn<QString>("message");

    QTest::newRow("the shown spells only")
        << "actExportShown"
        << "lantern"
        << QStringList{"\"Odd\" Lantern, Too", "Quiet Lantern", "Grave Whisper", "Moth Lantern",
                       "Lantern Eye"}
        << "Exported 5 spells to %1.";
    QTest::newRow("all spells, whatever is shown")
        << "actExportAll"
        << "lantern" << QStringList() << "Exported 22 spells to %1.";
    QTest::newRow("a folder that cannot be written")
        << "actExportShown"
        << "lantern" << QStringList() << "The spells were not exported: \"%1\" cannot be written";
}

void TestCatalogueWindow::exportSpells() {
    QFETCH(QString, action);
    QFETCH(QString, find);
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    // A spell whose name and description need quoting, a line break and quotes inside.
    addUserSpell(m_fixture->path(), "\"\"\"Odd\"\" Lantern, Too\",1,Common,Fire,Homebrew,3,\"Says "
                                    "\"\"hi\"\",\nthen leaves.\"\n");
    QTemporaryDir out;
    const bool failing = message.startsWith("The spells were not");
    const QString path = failing ? out.filePath("missing/spells.csv") : out.filePath("spells.csv");
    // An earlier export of that name is replaced.
    writeFile(out.filePath("spells.csv"), "old\n");
    Frm_Main window(m_fixture->folder());
    CatalogueWindow* catalogue = openCatalogue(window);
    QVERIFY(catalogue);
    auto* findBox = catalogue->findChild<QLineEdit*>("txtCatalogueFind");
    QTest::keyClicks(findBox, find);
    QTest::keyClick(findBox, Qt::Key_Return);
    QCOMPARE(catalogue->countText(), QString("5 of 22 spells"));
    SaveFileDialog::setHandler([&](const QString&, const QString&) { return path; });
    catalogue->findChild<QAction*>(action)->trigger();
    const QString shownPath = QDir::toNativeSeparators(path);
    QVERIFY2(catalogue->findChild<QLabel*>("lblMessage")->text().startsWith(message.arg(shownPath)),
             qPrintable(catalogue->findChild<QLabel*>("lblMessage")->text()));
    if (failing) {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().startsWith(message.arg(shownPath)));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(fileBytes(out.filePath("spells.csv")), QByteArray("old\n"));
        return;
    }
    QVERIFY(m_messages.isEmpty());
    // Read back as a spreadsheet reads it: the columns of spells.csv, the shown spells only (by
    // level, then name), quotes and the line break as they were.
    const QList<QStringList> records = readSpreadsheetCsv(fileBytes(path));
    QVERIFY(!records.isEmpty());
    QCOMPARE(records.first(),
             (QStringList{"Name", "Level", "Frequency", "Schools", "Book", "Page", "Description"}));
    if (names.isEmpty()) {
        QCOMPARE(records.size(), 23);
        return;
    }
    {
        QStringList exported;
        for (qsizetype r = 1; r < records.size(); ++r)
            exported << records[r].value(0);
        QCOMPARE(exported, names);
        QCOMPARE(records[1], (QStringList{"\"Odd\" Lantern, Too", "1", "Common", "Fire", "Homebrew",
                                          "3", "Says \"hi\",\nthen leaves."}));
        QCOMPARE(records[2][6], QString("A lantern whose light only the caster sees."));
    }
    // The file reads back into a catalogue: every row as the catalogue holds it.
    Database database(m_fixture->path(), TW_Library::kConnectText);
    ImportOptions options;
    options.replace = true;
    options.dryRun = true;
    QStringList errors;
    const ImportResult again =
        importSpells(database, fileBytes(path), "spells.csv", options, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(again.unchanged.size(), records.size() - 1);
}

void TestCatalogueWindow::newSpellThroughTheForm_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem"); // shown under the name; "" for none
    QTest::newRow("a new name") << "Deep Lantern"
                                << "";
    QTest::newRow("a taken name, in other letter case")
        << "stone ward"
        << "\"Stone Ward\" is already in the catalogue";
    QTest::newRow("a name too like a taken one")
        << "Stone-Ward"
        << "\"Stone-Ward\" is too like \"Stone Ward\", already in the catalogue: names may not "
           "differ only in letter case, hyphens, blanks or accents";
    QTest::newRow("no name") << ""
                             << "empty name";
}

void TestCatalogueWindow::newSpellThroughTheForm() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    CatalogueWindow* catalogue = activeCatalogue(window);
    QVERIFY(catalogue);
    QTableView* table = catalogue->table();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_N, Qt::ControlModifier);
    SpellForm* form = openForm(catalogue);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QString("New Spell"));
    // Nothing is said before the user has typed.
    QCOMPARE(form->problemAt(SpellProblem::Field::Name), QString());
    fillForm(form, name.isEmpty() ? "x" : name, "4", "Evocation", "A lamp for deep water.");
    if (name.isEmpty())
        QTest::keyClick(form->findChild<QLineEdit*>("txtSpellName"), Qt::Key_Backspace);
    // The problem shows under the name as it is typed, and stays when Enter is pressed.
    QCOMPARE(form->problemAt(SpellProblem::Field::Name), problem);
    QCOMPARE(form->problemAt(SpellProblem::Field::Schools), QString());
    if (!problem.isEmpty())
        QCOMPARE(form->findChild<QLineEdit*>("txtSpellName")->accessibleDescription(), problem);
    QTest::keyClick(form->findChild<QLineEdit*>("txtSpellName"), Qt::Key_Return);
    if (!problem.isEmpty()) {
        QVERIFY(form->isVisible());
        QCOMPARE(form->problemAt(SpellProblem::Field::Name), problem);
        QCOMPARE(catalogue->countText(), QString("21 of 21 spells"));
        QVERIFY(!catalogue->undoStack()->canUndo());
        return;
    }
    QVERIFY(!form->isVisible());
    QCOMPARE(storedSpell(m_fixture->path(), name),
             QString("4|Common|Evocation|||A lamp for deep water. user"));
    QCOMPARE(catalogue->countText(), QString("22 of 22 spells"));
    // The current row is the new spell, "Yours".
    const QModelIndex current = table->currentIndex();
    QCOMPARE(current.siblingAtColumn(SpellTableModel::Name).data().toString(), name);
    QCOMPARE(current.siblingAtColumn(SpellTableModel::Origin).data().toString(), QString("Yours"));
    QCOMPARE(catalogue->descriptionText(), QString("A lamp for deep water."));
    QCOMPARE(catalogue->undoStack()->undoText(), QString("Add Spell \"%1\"").arg(name));
}

void TestCatalogueWindow::removeAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps it") << false;
    QTest::newRow("Yes takes it out") << true;
}

void TestCatalogueWindow::removeAsksFirst() {
    QFETCH(bool, yes);
    QStringList asked;
    YesNoQuestion::setHandler([&](const QString& text) {
        asked << text;
        return yes;
    });
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    CatalogueWindow* catalogue = activeCatalogue(window);
    QVERIFY(catalogue);
    selectSpell(catalogue->table(), "Moth Lantern");
    QTest::keyClick(catalogue->table(), Qt::Key_Delete);
    QCOMPARE(asked, QStringList{"Take the spell \"Moth Lantern\" out of the catalogue?"});
    QCOMPARE(storedSpell(m_fixture->path(), "Moth Lantern").isEmpty(), yes);
    QCOMPARE(catalogue->countText(), yes ? QString("20 of 20 spells") : QString("21 of 21 spells"));
    // Delete in the find box deletes a character, never a spell.
    auto* find = catalogue->findChild<QLineEdit*>("txtCatalogueFind");
    QTest::keyClicks(find, "ab");
    QTest::keyClick(find, Qt::Key_Home);
    QTest::keyClick(find, Qt::Key_Delete);
    QCOMPARE(find->text(), QString("b"));
    QCOMPARE(asked.size(), 1);
}

void TestCatalogueWindow::undoAndRedoThroughTheKeys() {
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    CatalogueWindow* catalogue = activeCatalogue(window);
    QVERIFY(catalogue);
    QTableView* table = catalogue->table();
    const QString before = storedSpell(m_fixture->path(), "Mirror Veil");
    QCOMPARE(before, QString("2|Rare|Illusion|Vellum of Hours|22| shipped"));
    // Enter on a row edits its spell: renamed and moved to level 5.
    selectSpell(table, "Mirror Veil");
    QTest::keyClick(table, Qt::Key_Return);
    SpellForm* form = openForm(catalogue);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QString("Edit Spell"));
    fillForm(form, "Mirror Shroud", "5", QString(), QString());
    QTest::keyClick(form->findChild<QLineEdit*>("txtSpellName"), Qt::Key_Return);
    QVERIFY(!form->isVisible());
    const QString after = "5|Rare|Illusion|Vellum of Hours|22| user";
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Shroud"), after);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Veil"), QString());

    table->setFocus();
    QTest::keySequence(table, QKeySequence::Undo);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Veil"), before);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Shroud"), QString());
    QCOMPARE(table->currentIndex().data().toString(), QString("Mirror Veil"));
    QTest::keySequence(table, QKeySequence::Redo);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Shroud"), after);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Veil"), QString());
    QTest::keySequence(table, QKeySequence::Undo);
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Veil"), before);

    // Undo once another program has changed the spell: refused, the catalogue kept.
    QTest::keySequence(table, QKeySequence::Redo);
    {
        Database other(m_fixture->path(), TW_Library::kConnectText);
        other.execute("UPDATE Spells SET Page = '99' WHERE Name = 'Mirror Shroud'");
    }
    QTest::keySequence(table, QKeySequence::Undo);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().startsWith("\"Change Spell \"Mirror Shroud\"\" cannot be undone"),
             qPrintable(m_messages.first()));
    QCOMPARE(storedSpell(m_fixture->path(), "Mirror Shroud"),
             "5|Rare|Illusion|Vellum of Hours|99| user");
    QVERIFY(catalogue->undoStack()->canUndo());
}

void TestCatalogueWindow::restoreShippedVersion() {
    const ShippedAndChanged catalogues;
    Frm_Main window(catalogues.installed.folder(), catalogues.copy);
    QVERIFY(window.Form_Load());
    CatalogueWindow* catalogue = activeCatalogue(window);
    QVERIFY(catalogue);
    auto* restore = catalogue->findChild<QAction*>("actRestoreShipped");
    // Only a shipped spell the user changed has a shipped version to go back to.
    for (const QString name : {"Moth Lantern", "Mirror Veil"}) {
        selectSpell(catalogue->table(), name);
        QVERIFY2(!restore->isEnabled(), qPrintable(name));
    }
    selectSpell(catalogue->table(), "iron oath");
    QVERIFY(restore->isEnabled());
    restore->trigger();
    QCOMPARE(storedSpell(catalogues.copy, "Iron Oath"),
             QString("3|Rare|Enchantment|Vellum of Hours|33| shipped"));
    QCOMPARE(storedSpell(catalogues.copy, "iron oath"), QString());
    const QModelIndex current = catalogue->table()->currentIndex();
    QCOMPARE(current.siblingAtColumn(SpellTableModel::Origin).data().toString(),
             QString("Shipped"));
    QVERIFY(!restore->isEnabled());
    // Undone, the user's version is back.
    catalogue->findChild<QAction*>("actUndoChange")->trigger();
    QCOMPARE(storedSpell(catalogues.copy, "iron oath"),
             QString("3|Common|Enchantment|Homebrew|2|Kept. user"));
    QCOMPARE(storedSpell(catalogues.copy, "Iron Oath"), QString());
}

void TestCatalogueWindow::changeReachesTheChooserAndTheDraw_data() {
    QTest::addColumn<bool>("throughTheForm"); // else written elsewhere, the signal only
    QTest::newRow("a spell added with the form") << true;
    QTest::newRow("a spell added elsewhere, the change announced") << false;
}

void TestCatalogueWindow::changeReachesTheChooserAndTheDraw() {
    QFETCH(bool, throughTheForm);
    // Each Generate replaces the book drawn before.
    SaveChangesQuestion::setHandler(
        [](const QString&) { return SaveChangesQuestion::Answer::Discard; });
    Frm_Main window(m_fixture->folder());
    QVERIFY(window.Form_Load());
    auto* classes = window.findChild<QComboBox*>("cboClass");
    classes->setCurrentIndex(classes->findText("MAGE"));
    window.cboClass_Click();
    auto* frequency = window.findChild<QComboBox*>("cboFrequency");
    frequency->setCurrentIndex(frequency->findText("Common"));
    auto* level = window.findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(level->findText("7th"));
    window.findChild<QLineEdit*>("txtName")->setText("Vessa");
    const auto levelFour = [&] {
        QStringList names;
        for (const SpellRow& row : window.spellRows()) {
            if (row.level.toInt() == 4)
                names << row.name;
        }
        return names;
    };
    // A first book reads the catalogue: no spell of level 4 yet.
    window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QVERIFY(!window.spellRows().isEmpty());
    QCOMPARE(levelFour(), QStringList());

    CatalogueWindow* catalogue = activeCatalogue(window);
    QVERIFY(catalogue);
    catalogue->showQualifying();
    QVERIFY2(catalogue->poolText().contains("Level 4: 0 qualify"),
             qPrintable(catalogue->poolText()));
    if (throughTheForm) {
        catalogue->findChild<QAction*>("actNewSpell")->trigger();
        SpellForm* form = openForm(catalogue);
        QVERIFY(form);
        fillForm(form, "Deep Lantern", "4", "Evocation", QString());
        QTest::keyClick(form->findChild<QLineEdit*>("txtSpellName"), Qt::Key_Return);
        QVERIFY(!form->isVisible());
        // The window's own count of what qualifies sees it at once.
        QVERIFY2(catalogue->poolText().contains("Level 4: 1 qualify"),
                 qPrintable(catalogue->poolText()));
    } else {
        QList<SpellProblem> problems;
        QVERIFY(addSpell(Constants::MyLibrary->database(),
                         FixtureDatabase::spell("Deep Lantern", 4, "Common", "Evocation"),
                         &problems)
                    .done);
        emit catalogue->catalogueChanged();
    }
    auto* chooser = window.findChild<QComboBox*>("cboSpells");
    QVERIFY(chooser->findText("Deep Lantern") >= 0);
    QCOMPARE(chooser->count(), 22);
    window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QCOMPARE(levelFour(), QStringList{"Deep Lantern"});

    // Taken out again, a re-roll of the book no longer draws it.
    if (throughTheForm) {
        YesNoQuestion::setHandler([](const QString&) { return true; });
        selectSpell(catalogue->table(), "Deep Lantern");
        QTest::keyClick(catalogue->table(), Qt::Key_Delete);
    } else {
        QVERIFY(removeStoredSpells(Constants::MyLibrary->database(), {"Deep Lantern"}).done);
        emit catalogue->catalogueChanged();
    }
    QCOMPARE(chooser->findText("Deep Lantern"), -1);
    window.PopUp_RerollBook_Click();
    QCOMPARE(levelFour(), QStringList());
}

QTEST_MAIN(TestCatalogueWindow)
#include "tst_catalogue_window.moc"
