// The window as people use it: the keys they press, clicks where they click, columns they can
// read, and what a screen reader hears.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/MessageBox.h"
#include "ui/ReportJob.h"
#include "ui/SaveChangesQuestion.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <optional>

namespace {
// What the list's delegate paints for a row: its check box's state, or nothing without a box.
std::optional<Qt::CheckState> paintedCheckBox(QListWidget* list, int row) {
    struct Painter : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } painter;
    QStyleOptionViewItem option;
    option.initFrom(list);
    painter.initStyleOption(&option, list->model()->index(row, 0));
    if (!option.features.testFlag(QStyleOptionViewItem::HasCheckIndicator))
        return std::nullopt;
    return option.checkState;
}
} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deleteRemovesTheSelection();
    void enterAdds_data();
    void enterAdds();
    void clickOnASchool_data();
    void clickOnASchool();
    void printFacePrints();
    void printFollowsTheListAndTheName();
    void columnsFitAndFollow();
    void failedCheckIsAnnounced();
    void progressBarOnlyWhileItShowsProgress();

private:
    QTreeWidget* list() const { return m_window->findChild<QTreeWidget*>("LV_Spells"); }
    QStringList names() const {
        QStringList result;
        for (int row = 0; row < list()->topLevelItemCount(); ++row)
            result << list()->topLevelItem(row)->text(0);
        return result;
    }
    void typeName(const QString& name) {
        auto* field = m_window->findChild<QLineEdit*>("txtName");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, name);
    }
    void generate(const QString& volume = "Average (3-10 spells/ level)") {
        typeName("Ana Vell");
        m_window->findChild<QComboBox*>("cboLevel")->setCurrentText("5th");
        m_window->findChild<QComboBox*>("cboVolume")->setCurrentText(volume);
        QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    }

    FixtureDatabase m_fixture;
    std::unique_ptr<Frm_Main> m_window;
    QList<ReportJob::Destination> m_jobs;
    QStringList m_messages;
};

void TestWindowKeys::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QList<CatalogueSpell> spells;
    for (int level = 1; level <= 3; ++level) {
        for (int i = 1; i <= 40; ++i)
            spells << FixtureDatabase::spell(
                QString("Spell %1-%2").arg(level).arg(i, 2, 10, QChar('0')), level, "Common",
                "Evocation", "The Long and Winding Compendium of Greywater Hall", "9999");
    }
    m_fixture.build(spells);
    QVERIFY(QFile::copy(TOMEWRIGHT_TEMPLATE, m_fixture.folder() + "/filteredspellbook.rpt"));
}

void TestWindowKeys::init() {
    m_jobs.clear();
    m_messages.clear();
    ReportJob::setRunner([this](const ReportJob& job) { m_jobs << job.destination; });
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
    SaveChangesQuestion::setHandler(
        [](const QString&) { return SaveChangesQuestion::Answer::Discard; });
    Constants::Settings = SharedSettings();
    m_window = std::make_unique<Frm_Main>(m_fixture.folder());
    QVERIFY(m_window->Form_Load());
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindowKeys::cleanup() {
    m_window.reset();
    Constants::MyLibrary.reset();
    ReportJob::setRunner(nullptr);
    MessageBox::setHandler(nullptr);
    SaveChangesQuestion::setHandler(nullptr);
}

void TestWindowKeys::deleteRemovesTheSelection() {
    generate();
    const QStringList before = names();
    QVERIFY(before.size() >= 4);
    list()->setFocus();
    list()->setCurrentItem(list()->topLevelItem(1));
    QTest::keyClick(list(), Qt::Key_Down, Qt::ShiftModifier); // rows 1 and 2
    QTest::keyClick(list(), Qt::Key_Delete);
    QStringList expected = before;
    expected.removeAt(2);
    expected.removeAt(1);
    QCOMPARE(names(), expected);
    // Delete typed into the name field edits the name, never the list.
    typeName("Ana");
    QTest::keyClick(m_window->findChild<QLineEdit*>("txtName"), Qt::Key_Delete);
    QCOMPARE(names(), expected);
}

void TestWindowKeys::enterAdds_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in Find Spell") << "txtFind" << int(Qt::Key_Return);
    QTest::newRow("Enter in Find Spell") << "txtFind" << int(Qt::Key_Enter);
    QTest::newRow("Return in Select Spell") << "cboSpells" << int(Qt::Key_Return);
}

void TestWindowKeys::enterAdds() {
    QFETCH(QString, control);
    QFETCH(int, key);
    generate("Sparse (1-3 spells/ level)");
    // A spell the book does not hold yet, found by typing its name.
    QString wanted;
    for (int i = 40; i >= 1 && wanted.isEmpty(); --i) {
        const QString name = QString("Spell 3-%1").arg(i, 2, 10, QChar('0'));
        if (!names().contains(name))
            wanted = name;
    }
    auto* find = m_window->findChild<QLineEdit*>("txtFind");
    find->setFocus();
    QTest::keyClicks(find, wanted);
    QWidget* target = m_window->findChild<QWidget*>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY2(names().contains(wanted), qPrintable(names().join(", ")));
    // The new row is selected, current and in view.
    QTreeWidgetItem* added = list()->currentItem();
    QVERIFY(added);
    QCOMPARE(added->text(0), wanted);
    QCOMPARE(list()->selectedItems(), QList<QTreeWidgetItem*>{added});
    QVERIFY(list()->viewport()->rect().intersects(list()->visualItemRect(added)));
}

void TestWindowKeys::clickOnASchool_data() {
    QTest::addColumn<bool>("onText");
    QTest::newRow("on its name") << true;
    QTest::newRow("on its box") << false;
}

void TestWindowKeys::clickOnASchool() {
    QFETCH(bool, onText);
    auto* schools = m_window->findChild<QListWidget*>("lstSchools");
    // Every school shows a box to tick, none ticked yet.
    QCOMPARE(schools->count(), 24);
    for (int row = 0; row < schools->count(); ++row)
        QVERIFY2(paintedCheckBox(schools, row) == Qt::Unchecked,
                 qPrintable(schools->item(row)->text()));
    QListWidgetItem* fire = schools->findItems("Fire", Qt::MatchExactly).first();
    QCOMPARE(fire->checkState(), Qt::Unchecked);
    const QRect row = schools->visualItemRect(fire);
    QStyleOptionViewItem option;
    option.initFrom(schools);
    option.rect = row;
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = fire->text();
    const QRect box =
        schools->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, schools);
    const QPoint where = onText ? QPoint(box.right() + 25, row.center().y()) : box.center();
    QTest::mouseClick(schools->viewport(), Qt::LeftButton, {}, where);
    QCOMPARE(fire->checkState(), Qt::Checked); // toggled once, not twice
    QVERIFY(paintedCheckBox(schools, schools->row(fire)) == Qt::Checked);
    QTest::mouseClick(schools->viewport(), Qt::LeftButton, {}, where);
    QCOMPARE(fire->checkState(), Qt::Unchecked);
}

void TestWindowKeys::printFacePrints() {
    generate();
    QToolButton* print = m_window->toolbarButton(Frm_Main::kPrintKey);
    QVERIFY(print->isEnabled());
    // The face, not the arrow beside it.
    QTest::mouseClick(print, Qt::LeftButton, {}, QPoint(10, print->height() / 2));
    QCOMPARE(m_jobs, QList<ReportJob::Destination>{ReportJob::Destination::Printer});
    QVERIFY(m_messages.isEmpty());
}

void TestWindowKeys::printFollowsTheListAndTheName() {
    QToolButton* print = m_window->toolbarButton(Frm_Main::kPrintKey);
    QVERIFY(!print->isEnabled()); // nothing to print at start
    typeName("Ana");
    QVERIFY(!print->isEnabled());
    // A spell added by hand makes a book.
    auto* find = m_window->findChild<QLineEdit*>("txtFind");
    find->setEnabled(true);
    m_window->findChild<QComboBox*>("cboSpells")->setEnabled(true);
    find->setFocus();
    QTest::keyClicks(find, "Spell 1-01");
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(print->isEnabled());
    typeName(" "); // a blank name is no name
    QVERIFY(!print->isEnabled());
    typeName("Ana");
    QVERIFY(print->isEnabled());
    list()->setFocus();
    list()->setCurrentItem(list()->topLevelItem(0));
    QTest::keyClick(list(), Qt::Key_Delete);
    QVERIFY(!print->isEnabled());
    // After a failed request the list is empty and Print is off.
    generate();
    QVERIFY(print->isEnabled());
    m_window->findChild<QComboBox*>("cboLevel")->setCurrentIndex(-1);
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCOMPARE(m_window->statusText(3), QString("Caster Level is a required Field"));
    QVERIFY(!print->isEnabled());
}

void TestWindowKeys::columnsFitAndFollow() {
    QHeaderView* header = list()->header();
    const auto lastColumnEnd = [&] {
        return header->sectionViewportPosition(5) + header->sectionSize(5);
    };
    // Empty: every column in view, no horizontal scroll bar.
    QVERIFY(lastColumnEnd() <= list()->viewport()->width());
    QVERIFY(!list()->horizontalScrollBar()->isVisible());
    // A full book brings the vertical scroll bar; the page column stays whole.
    generate("Full (10-30 spells/ level)");
    QTRY_VERIFY(list()->verticalScrollBar()->isVisible());
    QVERIFY(lastColumnEnd() <= list()->viewport()->width());
    QVERIFY(!list()->horizontalScrollBar()->isVisible());
    // Each short column holds its header with the sort mark and its longest text.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    const QFontMetrics metrics(header->font());
    for (int column : {1, 2, 5}) {
        const int needed = metrics.horizontalAdvance(list()->headerItem()->text(column)) +
                           header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
        QVERIFY2(header->sectionSize(column) >= needed,
                 qPrintable(list()->headerItem()->text(column)));
    }
    QVERIFY(header->sectionSize(5) >= QFontMetrics(list()->font()).horizontalAdvance("9999"));
    // Wider window, wider name column; still no horizontal scroll bar.
    const int nameWidth = header->sectionSize(0);
    m_window->resize(m_window->width() + 300, m_window->height());
    QApplication::processEvents();
    QVERIFY(header->sectionSize(0) > nameWidth);
    QVERIFY(lastColumnEnd() <= list()->viewport()->width());
}

void TestWindowKeys::failedCheckIsAnnounced() {
    auto* message = m_window->findChild<QLabel*>("SB_Spells_Panel3");
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(message);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QString("Caster Name is a required Field"));
    // The status panel says what is happening, by name, as it changes.
    auto* status = m_window->findChild<QLabel*>("SB_Spells_Panel2");
    m_window->setStatusText(2, "Building List of Level 3 Spells...");
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name),
             QString("Building List of Level 3 Spells..."));
}

void TestWindowKeys::progressBarOnlyWhileItShowsProgress() {
    auto* bar = m_window->findChild<QProgressBar*>("pbarSpells");
    QVERIFY(!bar->isVisible());
    bool seenDuring = false;
    m_window->setProgressValue(3);
    seenDuring = bar->isVisible();
    m_window->setProgressValue(0);
    QVERIFY(seenDuring);
    QVERIFY(!bar->isVisible());
    generate();
    QVERIFY(!bar->isVisible()); // back to idle after the book
}

QTEST_MAIN(TestWindowKeys)
#include "tst_window_keys.moc"
