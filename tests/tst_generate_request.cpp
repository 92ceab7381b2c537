// The main window's generation request: the order of its checks, their messages, the state the
// window is left in.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/MessageBox.h"
#include "ui/SaveChangesQuestion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

class TestGenerateRequest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void failedCheckShowsItsMessage_data();
    void failedCheckShowsItsMessage();
    void emptySchoolListCountsAsAllExcluded();
    void successFillsListAndEnablesPrint();
    void nameButNoSpellDisablesPrint();
    void otherButtonKeepsTheList();
    void generatesForEveryClassAndVolume();

private:
    std::unique_ptr<Frm_Main> makeWindow();
    void generate(Frm_Main& window) {
        window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    }
    template <typename T> T* child(Frm_Main& window, const char* name) {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void expectFindControls(Frm_Main& window, bool enabled) {
        for (const char* name : {"lblFind", "txtFind", "lblSelect", "cboSpells", "cmdAdd"})
            QCOMPARE(child<QWidget>(window, name)->isEnabled(), enabled);
    }

    std::unique_ptr<FixtureDatabase> m_fixture;
    int m_messages = 0;
};

void TestGenerateRequest::init() {
    m_messages = 0;
    MessageBox::setHandler([this](const QString&, const QString&) { ++m_messages; });
    // Asked before a new request replaces a book, the user lets the old one go.
    SaveChangesQuestion::setHandler(
        [](const QString&) { return SaveChangesQuestion::Answer::Discard; });
    m_fixture = std::make_unique<FixtureDatabase>();
    QList<CatalogueSpell> spells;
    int n = 0;
    const QStringList schools = FixtureDatabase::standardSchools();
    for (int level = 1; level <= 9; ++level) {
        for (const QString& school : schools) {
            // Every school at every level, each non-core one paired with a core school.
            const QString pair = FixtureDatabase::standardSchools().indexOf(school) % 2
                                     ? school + ";Alteration"
                                     : school + ";Divination";
            for (int copy = 0; copy < 2; ++copy)
                spells << FixtureDatabase::spell(QString("Spell %1").arg(++n), level, "Common",
                                                 pair == "Alteration;Alteration" ? school : pair);
        }
        // Spells an invoker must never draw: their one school is excluded.
        for (int copy = 0; copy < 3; ++copy)
            spells << FixtureDatabase::spell(QString("Pure Charm %1").arg(++n), level, "Common",
                                             "Charm");
    }
    m_fixture->build(spells);
    Constants::Settings = SharedSettings();
}

void TestGenerateRequest::cleanup() {
    MessageBox::setHandler(nullptr);
    SaveChangesQuestion::setHandler(nullptr);
    Constants::MyLibrary.reset();
}

std::unique_ptr<Frm_Main> TestGenerateRequest::makeWindow() {
    auto window = std::make_unique<Frm_Main>(m_fixture->folder());
    if (!window->Form_Load())
        qFatal("the window did not load");
    window->show();
    return window;
}

void TestGenerateRequest::failedCheckShowsItsMessage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("schools");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all schools excluded") << "Ana" << 4 << "MAGE" << 2 << 3 << "all"
                                          << "You cannot request all Schools to be Excluded"
                                          << "";
    QTest::newRow("no name and no level: the name first") << "" << -1 << "MAGE" << 2 << 3 << ""
                                                          << "Caster Name is a required Field"
                                                          << "txtName";
    QTest::newRow("blank name") << "   " << 4 << "MAGE" << 2 << 3 << ""
                                << "Caster Name is a required Field"
                                << "txtName";
    QTest::newRow("no level") << "Ana" << -1 << "MAGE" << 2 << 3 << ""
                              << "Caster Level is a required Field"
                              << "cboLevel";
    QTest::newRow("no class") << "Ana" << 4 << "" << 2 << 3 << ""
                              << "Caster Class is a required Field"
                              << "cboClass";
    QTest::newRow("no volume") << "Ana" << 4 << "MAGE" << -1 << 3 << ""
                               << "Spellbook Volume is a required Field"
                               << "cboVolume";
    QTest::newRow("no frequency") << "Ana" << 4 << "MAGE" << 2 << -1 << ""
                                  << "Frequency is a required Field"
                                  << "cboFrequency";
    QTest::newRow("specialist without a core school")
        << "Ana" << 4 << "Wild Mage" << 2 << 3 << "all"
        << "You must include at least one Core School for a Specialist"
        << "";
}

void TestGenerateRequest::failedCheckShowsItsMessage() {
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(QString, className);
    QFETCH(int, volume);
    QFETCH(int, frequency);
    QFETCH(QString, schools);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto window = makeWindow();
    // A book from an earlier request is discarded by a failed one.
    child<QLineEdit>(*window, "txtName")->setText("Earlier");
    child<QComboBox>(*window, "cboLevel")->setCurrentIndex(3);
    generate(*window);
    QVERIFY(child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount() > 0);
    const bool printWas = window->toolbarButton(Frm_Main::kPrintKey)->isEnabled();

    child<QLineEdit>(*window, "txtName")->setText(name);
    child<QComboBox>(*window, "cboLevel")->setCurrentIndex(level);
    auto* classes = child<QComboBox>(*window, "cboClass");
    classes->setCurrentIndex(className.isEmpty() ? -1 : classes->findText(className));
    child<QComboBox>(*window, "cboVolume")->setCurrentIndex(volume);
    child<QComboBox>(*window, "cboFrequency")->setCurrentIndex(frequency);
    if (schools == "all")
        child<QPushButton>(*window, "cmdAllSchools")->click();
    generate(*window);

    QCOMPARE(window->statusText(3), message);
    QCOMPARE(window->statusText(2), QString());
    QCOMPARE(child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount(), 0);
    QCOMPARE(child<QProgressBar>(*window, "pbarSpells")->value(), 0);
    expectFindControls(*window, false);
    // Nothing left to print: Print follows the list.
    QVERIFY(printWas);
    QVERIFY(!window->toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QCOMPARE(m_messages, 0);
    if (!focus.isEmpty())
        QCOMPARE(window->focusWidget(), child<QWidget>(*window, qPrintable(focus)));
}

void TestGenerateRequest::emptySchoolListCountsAsAllExcluded() {
    m_fixture->build({FixtureDatabase::spell("Lone", 1, "Common", "Fire")}, {});
    auto window = makeWindow();
    child<QLineEdit>(*window, "txtName")->setText("Ana");
    child<QComboBox>(*window, "cboLevel")->setCurrentIndex(0);
    generate(*window);
    QCOMPARE(window->statusText(3), QString("You cannot request all Schools to be Excluded"));
}

void TestGenerateRequest::successFillsListAndEnablesPrint() {
    auto window = makeWindow();
    window->toolbarButton(Frm_Main::kPrintKey)->setEnabled(false);
    child<QLineEdit>(*window, "txtName")->setText("  Ana  ");
    child<QComboBox>(*window, "cboLevel")->setCurrentText("9th");
    child<QComboBox>(*window, "cboClass")->setCurrentText("INVOKER");
    generate(*window);
    auto* list = child<QTreeWidget>(*window, "LV_Spells");
    QVERIFY(list->topLevelItemCount() >= 5 * 3);
    QCOMPARE(window->statusText(3), QString());
    QCOMPARE(window->statusText(2), QString());
    QCOMPARE(child<QProgressBar>(*window, "pbarSpells")->value(), 0);
    expectFindControls(*window, true);
    QVERIFY(window->toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QCOMPARE(window->focusWidget(), child<QWidget>(*window, "txtFind"));
    QSet<QString> levels;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        levels.insert(list->topLevelItem(row)->text(1));
        // The invoker's exclusions stand in the book: no spell of only those schools.
        QVERIFY2(list->topLevelItem(row)->text(3) != "Charm",
                 qPrintable(list->topLevelItem(row)->text(0)));
    }
    QCOMPARE(levels, (QSet<QString>{"1", "2", "3", "4", "5"}));
}

void TestGenerateRequest::nameButNoSpellDisablesPrint() {
    m_fixture->build({FixtureDatabase::spell("High Only", 9, "Common", "Alteration")});
    auto window = makeWindow();
    window->toolbarButton(Frm_Main::kPrintKey)->setEnabled(true);
    child<QLineEdit>(*window, "txtName")->setText("Ana");
    child<QComboBox>(*window, "cboLevel")->setCurrentText("1st");
    generate(*window);
    QCOMPARE(child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount(), 0);
    QVERIFY(!window->toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QCOMPARE(window->statusText(3), QString("Following Levels Volume was limited by criteria: 1"));
}

void TestGenerateRequest::otherButtonKeepsTheList() {
    auto window = makeWindow();
    child<QLineEdit>(*window, "txtName")->setText("Ana");
    child<QComboBox>(*window, "cboLevel")->setCurrentText("3rd");
    generate(*window);
    const int rows = child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount();
    QVERIFY(rows > 0);
    window->setStatusText(3, "old text");
    window->Toolbar1_ButtonClick(Frm_Main::kPrintKey, Frm_Main::kPrintKey);
    QCOMPARE(child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount(), rows);
    QCOMPARE(window->statusText(3), QString());
    expectFindControls(*window, true);
}

void TestGenerateRequest::generatesForEveryClassAndVolume() {
    auto window = makeWindow();
    auto* classes = child<QComboBox>(*window, "cboClass");
    auto* volumes = child<QComboBox>(*window, "cboVolume");
    child<QLineEdit>(*window, "txtName")->setText("Ana");
    child<QComboBox>(*window, "cboLevel")->setCurrentText("30th");
    Constants::Settings.DefaultFirst = 2;
    for (int c = 0; c < classes->count(); ++c) {
        for (int v = 0; v < volumes->count(); ++v) {
            child<QPushButton>(*window, "cmdNoneSchools")->click();
            classes->setCurrentIndex(c);
            volumes->setCurrentIndex(v);
            generate(*window);
            const QString status = window->statusText(3);
            QVERIFY2(!status.contains("Field") && !status.contains("cannot") &&
                         !status.contains("must"),
                     qPrintable(classes->currentText() + ": " + status));
            if (v != 5)
                QVERIFY2(child<QTreeWidget>(*window, "LV_Spells")->topLevelItemCount() >= 9,
                         qPrintable(classes->currentText()));
        }
    }
}

QTEST_MAIN(TestGenerateRequest)
#include "tst_generate_request.moc"
