// The spell list by hand, and the print requests: add, find, remove, replace, sort, preview,
// print and save as PDF.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/MessageBox.h"
#include "ui/SaveFileDialog.h"
#include "ui/TwError.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kKnotDescription = "Ties three fates together for an hour.";
CatalogueSpell tripleKnot() {
    CatalogueSpell spell = FixtureDatabase::spell(
        "Triple Knot", 4, "Very Rare", "Enchantment;Charm;Wild", "Ninefold Stair", "141");
    spell.description = kKnotDescription;
    return spell;
}
// A spell whose description holds a character no font has (an unassigned code point).
CatalogueSpell unwrittenSigil() {
    CatalogueSpell spell = FixtureDatabase::spell("Unwritten Sigil", 9, "Unique", "Divination");
    spell.description = QString::fromUtf8("Traces the sign \u0378 that no scribe has named.");
    return spell;
}
} // namespace

class TestListEditing : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addRefusesDuplicatesAndBlanks_data();
    void addRefusesDuplicatesAndBlanks();
    void addJoinsEverySchool();
    void removeAndReplace_data();
    void removeAndReplace();
    void popUpEnableRules();
    void findAsYouType_data();
    void findAsYouType();
    void columnClicksShareOneToggle();
    void printRequestStagesAndRuns_data();
    void printRequestStagesAndRuns();
    void printRequestKeepsAnExistingCasterRow();
    void printRequestRefusesAnEmptyBook_data();
    void printRequestRefusesAnEmptyBook();
    void failedReportShowsMessageAndCleansUp();
    void saveAsPdf();
    void undrawableTextIsNotedInTheStatusBar();
    void descriptionsAreToolTips();
    void exportByFileType_data();
    void exportByFileType();

private:
    QStringList listNames() const;
    void pick(const QString& spell) {
        m_window->findChild<QComboBox*>("cboSpells")->setCurrentText(spell);
    }
    void add(const QString& spell) {
        pick(spell);
        m_window->cmdAdd_Click();
    }
    QTreeWidget* list() const { return m_window->findChild<QTreeWidget*>("LV_Spells"); }
    int count(const QString& sql) {
        return Database(m_fixture->path(), ";pwd=kobold3")
            .snapshot(sql)
            .value(qsizetype(0))
            .toInt();
    }

    std::unique_ptr<FixtureDatabase> m_fixture;
    std::unique_ptr<Frm_Main> m_window;
    QStringList m_messages;
    QList<ReportJob> m_jobs;
};

void TestListEditing::init() {
    m_messages.clear();
    m_jobs.clear();
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
    ReportJob::setRunner([this](const ReportJob& job) { m_jobs << job; });
    m_fixture = std::make_unique<FixtureDatabase>();
    m_fixture->build({FixtureDatabase::spell("Fire Ward", 1, "Common", "Abjuration"),
                      FixtureDatabase::spell("fire ward", 2, "Rare", "Fire;Abjuration"),
                      FixtureDatabase::spell("Firefly Lantern", 1, "Common", "Illusion"),
                      FixtureDatabase::spell("Amber Stair", 3, "Uncommon", "Alteration"),
                      tripleKnot(), unwrittenSigil(),
                      FixtureDatabase::spell("Zephyr Note", 2, "Common", "Air;Evocation")});
    QVERIFY(QFile::copy(TOMEWRIGHT_TEMPLATE, m_fixture->folder() + "/filteredspellbook.rpt"));
    Constants::Settings = SharedSettings();
    m_window = std::make_unique<Frm_Main>(m_fixture->folder());
    QVERIFY(m_window->Form_Load());
    m_window->show();
    m_window->findChild<QLineEdit*>("txtName")->setText("Ana Vell");
}

void TestListEditing::cleanup() {
    m_window.reset();
    Constants::MyLibrary.reset();
    MessageBox::setHandler(nullptr);
    ReportJob::setRunner(nullptr);
    SaveFileDialog::setHandler(nullptr);
}

QStringList TestListEditing::listNames() const {
    QStringList names;
    for (int row = 0; row < list()->topLevelItemCount(); ++row)
        names << list()->topLevelItem(row)->text(0);
    return names;
}

void TestListEditing::addRefusesDuplicatesAndBlanks_data() {
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("status");
    QTest::newRow("same name") << "Fire Ward" << QStringList{"Fire Ward"}
                               << "Spell already exists in List View";
    QTest::newRow("other letter case is another spell")
        << "fire ward" << QStringList{"Fire Ward", "fire ward"} << "";
}

void TestListEditing::addRefusesDuplicatesAndBlanks() {
    QFETCH(QString, second);
    QFETCH(QStringList, names);
    QFETCH(QString, status);
    add("Fire Ward");
    // A row whose text has blanks around it still counts as that spell.
    list()->topLevelItem(0)->setText(0, "  Fire Ward ");
    add(second);
    QStringList trimmed;
    for (const QString& name : listNames())
        trimmed << name.trimmed();
    QCOMPARE(trimmed, names);
    QCOMPARE(m_window->statusText(3), status);

    m_window->setStatusText(3, "old");
    m_window->findChild<QComboBox*>("cboSpells")->setCurrentIndex(-1);
    m_window->cmdAdd_Click();
    QCOMPARE(m_window->statusText(3), QString());
    QCOMPARE(list()->topLevelItemCount(), names.size());
}

void TestListEditing::addJoinsEverySchool() {
    add("Triple Knot");
    QCOMPARE(m_window->spellRows(),
             (QList<SpellRow>{{"Triple Knot", "4", "Very Rare", "Enchantment, Charm, Wild",
                               "Ninefold Stair", "141", kKnotDescription}}));
}

void TestListEditing::removeAndReplace_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("remove several")
        << QList<int>{0, 2, 3} << false << QStringList{"Firefly Lantern"};
    QTest::newRow("remove none") << QList<int>{} << false
                                 << QStringList{"Fire Ward", "Firefly Lantern", "Amber Stair",
                                                "Zephyr Note"};
    QTest::newRow("replace one") << QList<int>{1} << true
                                 << QStringList{"Fire Ward", "Amber Stair", "Zephyr Note",
                                                "Triple Knot"};
    QTest::newRow("replace with none selected adds")
        << QList<int>{} << true
        << QStringList{"Fire Ward", "Firefly Lantern", "Amber Stair", "Zephyr Note", "Triple Knot"};
}

void TestListEditing::removeAndReplace() {
    QFETCH(QList<int>, selected);
    QFETCH(bool, replace);
    QFETCH(QStringList, names);
    for (const char* spell : {"Fire Ward", "Firefly Lantern", "Amber Stair", "Zephyr Note"})
        add(spell);
    list()->clearSelection(); // the last added spell was selected
    for (int row : selected)
        list()->topLevelItem(row)->setSelected(true);
    if (replace) {
        pick("Triple Knot");
        m_window->PopUp_Replace_Click();
    } else {
        m_window->PopUp_Remove_Click();
    }
    QCOMPARE(listNames(), names);
}

void TestListEditing::popUpEnableRules() {
    auto* remove = m_window->findChild<QAction*>("PopUp_Remove");
    auto* replace = m_window->findChild<QAction*>("PopUp_Replace");
    m_window->LV_Spells_RightClick(QPoint(5, 5));
    QVERIFY(!remove->isEnabled());
    QVERIFY(!replace->isEnabled());
    m_window->findChild<QMenu*>("Menu_PopUp")->close();
    pick("Amber Stair");
    m_window->LV_Spells_RightClick(QPoint(5, 5));
    QVERIFY(!remove->isEnabled());
    QVERIFY(replace->isEnabled()); // on an empty list Replace only adds
    m_window->findChild<QMenu*>("Menu_PopUp")->close();
    m_window->cmdAdd_Click();
    m_window->findChild<QComboBox*>("cboSpells")->setCurrentIndex(-1);
    m_window->LV_Spells_RightClick(QPoint(5, 5));
    QVERIFY(remove->isEnabled());
    QVERIFY(!replace->isEnabled());
    m_window->findChild<QMenu*>("Menu_PopUp")->close();
}

void TestListEditing::findAsYouType_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("picked");
    QTest::newRow("f i r") << QStringList{"f", "fi", "fir"} << "Fire Ward";
    QTest::newRow("any case") << QStringList{"FIREF"} << "Firefly Lantern";
    QTest::newRow("cleared picks the first") << QStringList{"zep", ""} << "Amber Stair";
    QTest::newRow("no match keeps the pick") << QStringList{"zep", "zeq"} << "Zephyr Note";
}

void TestListEditing::findAsYouType() {
    QFETCH(QStringList, typed);
    QFETCH(QString, picked);
    auto* find = m_window->findChild<QLineEdit*>("txtFind");
    for (const QString& text : typed)
        find->setText(text);
    QCOMPARE(m_window->findChild<QComboBox*>("cboSpells")->currentText(), picked);
}

void TestListEditing::columnClicksShareOneToggle() {
    for (const char* spell : {"Fire Ward", "Amber Stair", "Zephyr Note"})
        add(spell);
    m_window->LV_Spells_ColumnClick(0);
    QCOMPARE(listNames(), (QStringList{"Zephyr Note", "Fire Ward", "Amber Stair"}));
    m_window->LV_Spells_ColumnClick(1); // levels 1, 2, 3: ascending now
    QCOMPARE(listNames(), (QStringList{"Fire Ward", "Zephyr Note", "Amber Stair"}));
    m_window->LV_Spells_ColumnClick(1);
    QCOMPARE(listNames(), (QStringList{"Amber Stair", "Zephyr Note", "Fire Ward"}));
    // A sorted list stays sorted when a spell is added.
    add("Triple Knot");
    QCOMPARE(listNames().first(), QString("Triple Knot"));
}

void TestListEditing::printRequestStagesAndRuns_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("templateName");
    QTest::newRow("preview") << "Preview Spellbook" << 0 << "filteredspellbook.rpt";
    QTest::newRow("print") << "Print Spellbook" << 1 << "filteredspellbook.rpt";
    QTest::newRow("cards") << "Preview Spell Cards" << 0 << "filteredspellbook-cards.rpt";
}

void TestListEditing::printRequestStagesAndRuns() {
    QFETCH(QString, tag);
    QFETCH(int, destination);
    QFETCH(QString, templateName);
    m_window->findChild<QLineEdit*>("txtName")->setText("  Ana \"Red\" Vell ");
    add("Fire Ward");
    add("Triple Knot");
    m_window->Toolbar1_ButtonMenuClick(tag);
    QCOMPARE(m_jobs.size(), 1);
    const ReportJob& job = m_jobs.first();
    QCOMPARE(job.windowTitle, QString("Previewing Spellbook Ana \"Red\" Vell"));
    QCOMPARE(int(job.destination), destination);
    QCOMPARE(job.password, QString("\nkobold3"));
    QCOMPARE(QFileInfo(job.templatePath).fileName(), templateName);
    QCOMPARE(count("SELECT count(*) FROM SpellbookFiltered WHERE Caster = 'Ana \"Red\" Vell'"), 2);
    QCOMPARE(count("SELECT count(*) FROM CasterHold WHERE CasterFilter = 'Tomewright Auto "
                   "Generated Spellbook'"),
             1);
    // The header row this request added is gone again.
    QCOMPARE(count("SELECT count(*) FROM SpellCasters"), 0);
    QVERIFY(m_messages.isEmpty());
}

void TestListEditing::printRequestKeepsAnExistingCasterRow() {
    Constants::MyLibrary->AddNewCaster("Ana Vell");
    add("Fire Ward");
    m_window->Toolbar1_ButtonMenuClick("Preview Spellbook");
    QCOMPARE(m_jobs.size(), 1);
    QCOMPARE(count("SELECT count(*) FROM SpellCasters WHERE Spellbook = 'Ana Vell'"), 1);
}

void TestListEditing::printRequestRefusesAnEmptyBook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withSpell");
    QTest::newRow("blank name") << "   " << true;
    QTest::newRow("empty list") << "Ana" << false;
}

void TestListEditing::printRequestRefusesAnEmptyBook() {
    QFETCH(QString, name);
    QFETCH(bool, withSpell);
    if (withSpell)
        add("Fire Ward");
    m_window->findChild<QLineEdit*>("txtName")->setText(name);
    m_window->toolbarButton(Frm_Main::kPrintKey)->setEnabled(true);
    m_window->Toolbar1_ButtonMenuClick("Print Spellbook");
    QCOMPARE(m_messages,
             QStringList{"Caster Name and at least one spell in the list is required."});
    QVERIFY(!m_window->toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QVERIFY(m_jobs.isEmpty());
    QCOMPARE(count("SELECT count(*) FROM CasterHold"), 0);
}

void TestListEditing::failedReportShowsMessageAndCleansUp() {
    ReportJob::setRunner([](const ReportJob&) {
        throw TwError(-1, "ReportJob", "  The report template \"x.rpt\" cannot be read.  ");
    });
    add("Fire Ward");
    m_window->Toolbar1_ButtonMenuClick("Preview Spellbook");
    QCOMPARE(m_messages, QStringList{"The report template \"x.rpt\" cannot be read."});
    QCOMPARE(count("SELECT count(*) FROM SpellCasters"), 0);
    // The staging tables keep what was written.
    QCOMPARE(count("SELECT count(*) FROM SpellbookFiltered"), 1);
}

void TestListEditing::saveAsPdf() {
    ReportJob::setRunner(nullptr); // the real report
    QTemporaryDir folder;
    const QString pdf = folder.filePath("Ana Vell.pdf");
    add("Fire Ward");
    add("Triple Knot");
    SaveFileDialog::setHandler([](const QString&, const QString&) { return QString(); });
    m_window->File_SavePdf_Click();
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(count("SELECT count(*) FROM CasterHold"), 0);
    SaveFileDialog::setHandler([pdf](const QString&, const QString&) { return pdf; });
    m_window->File_SavePdf_Click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    // A folder that cannot hold the file: a message, and no half-written file.
    const QString nowhere = folder.filePath("missing-folder/book.pdf");
    SaveFileDialog::setHandler([nowhere](const QString&, const QString&) { return nowhere; });
    m_window->File_SavePdf_Click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains("cannot be saved"), qPrintable(m_messages[0]));
    QVERIFY(!QFile::exists(nowhere));
}

void TestListEditing::undrawableTextIsNotedInTheStatusBar() {
    ReportJob::setRunner(nullptr); // the real report
    QTemporaryDir folder;
    const QString pdf = folder.filePath("book.pdf");
    SaveFileDialog::setHandler([pdf](const QString&, const QString&) { return pdf; });
    auto* panel = m_window->findChild<QLabel*>("SB_Spells_Panel3");
    add("Triple Knot");
    m_window->File_SavePdf_Click();
    QVERIFY2(!panel->text().contains("font"), qPrintable(panel->text()));
    add("Unwritten Sigil");
    m_window->File_SavePdf_Click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QVERIFY2(panel->text().contains("Spell \"Unwritten Sigil\"") &&
                 panel->text().contains("U+0378") && !panel->text().contains("Triple Knot"),
             qPrintable(panel->text()));
    // The book is still written, the sign printed as the box the note warns of.
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void TestListEditing::descriptionsAreToolTips() {
    auto* chooser = m_window->findChild<QComboBox*>("cboSpells");
    QCOMPARE(chooser->itemData(chooser->findText("Triple Knot"), Qt::ToolTipRole).toString(),
             kKnotDescription);
    QVERIFY(chooser->itemData(chooser->findText("Amber Stair"), Qt::ToolTipRole).isNull());
    // A generated row carries its description, as a tool tip on every column.
    Constants::Settings.DefaultFourth = 5;
    m_window->findChild<QComboBox*>("cboLevel")->setCurrentText("7th");
    m_window->findChild<QComboBox*>("cboVolume")->setCurrentText("Custom (see Options)");
    m_window->Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QCOMPARE(listNames(), QStringList{"Triple Knot"});
    QCOMPARE(list()->headerItem()->columnCount(), 6);
    for (int column = 0; column < 6; ++column)
        QCOMPARE(list()->topLevelItem(0)->toolTip(column), kKnotDescription);
    QCOMPARE(m_window->spellRows().first().description, kKnotDescription);
}

void TestListEditing::exportByFileType_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("csv") << "book.csv"
                         << "book.csv" << QByteArray("Spell Name,Level,");
    QTest::newRow("json") << "book.json"
                          << "book.json" << QByteArray("{\"caster\":\"Ana Vell\"");
    QTest::newRow("markdown") << "book.md"
                              << "book.md" << QByteArray("# Ana Vell");
    QTest::newRow("JSON in capitals") << "book.JSON"
                                      << "book.JSON" << QByteArray("{\"caster\":\"Ana Vell\"");
    QTest::newRow("no suffix is csv") << "book"
                                      << "book.csv" << QByteArray("Spell Name,");
}

void TestListEditing::exportByFileType() {
    QFETCH(QString, file);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    add("Triple Knot");
    const QString path = folder.filePath(file);
    SaveFileDialog::setHandler([path](const QString&, const QString&) { return path; });
    m_window->File_Export_Click();
    QFile out(folder.filePath(written));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    QVERIFY2(bytes.startsWith(start), bytes.constData());
    QVERIFY(bytes.contains("Enchantment"));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestListEditing)
#include "tst_list_editing.moc"
