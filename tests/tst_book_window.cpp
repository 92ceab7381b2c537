// The book as a document in the window, driven as a user drives it: save, open, the modified
// marker and the question before anything is lost, pins and re-rolls.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "library/BookFile.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/Unprivileged.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/SaveChangesQuestion.h"
#include "ui/SaveFileDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>
#include <unistd.h>

using Answer = SaveChangesQuestion::Answer;

class TestBookWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void saveQuitOpenGivesTheSameBook();
    void modifiedState_data();
    void modifiedState();
    void questionBeforeLosingEdits_data();
    void questionBeforeLosingEdits();
    void failedCheckKeepsTheBookUntilAnswered();
    void badFileLeavesTheWindowAsItWas();
    void failedRenameKeepsTheOldFile_data();
    void failedRenameKeepsTheOldFile();
    void bookOpensAfterItsSpellsLeftTheCatalogue();
    void pinAndRerollFromTheKeyboard();
    void documentKeys();
    void rerollKeepsTheNotesOfShortLevels_data();
    void rerollKeepsTheNotesOfShortLevels();
    void saveDialogsAskAboutTheFileWritten_data();
    void saveDialogsAskAboutTheFileWritten();

private:
    QTreeWidget* list() const { return m_window->findChild<QTreeWidget*>("LV_Spells"); }
    QLineEdit* name() const { return m_window->findChild<QLineEdit*>("txtName"); }
    QComboBox* combo(const char* objectName) const {
        return m_window->findChild<QComboBox*>(objectName);
    }
    void generate(const QString& caster = "Ana Vell") {
        name()->setText(caster);
        combo("cboLevel")->setCurrentText("5th");
        QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    }
    QStringList names() const {
        QStringList result;
        for (const SpellRow& row : m_window->spellRows())
            result << row.name;
        return result;
    }

    FixtureDatabase m_fixture;
    QTemporaryDir m_dir;
    std::unique_ptr<Frm_Main> m_window;
    QStringList m_messages;
    QStringList m_questions;
    QList<Answer> m_answers;
    QString m_savePath;
    QString m_openPath;
};

void TestBookWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // the recent books list stays out of the user's
    QList<CatalogueSpell> spells;
    for (int level = 1; level <= 3; ++level) {
        for (int i = 1; i <= 20; ++i) {
            CatalogueSpell spell = FixtureDatabase::spell(
                QString("Spell %1-%2").arg(level).arg(i, 2, 10, QChar('0')), level,
                i % 2 ? "Common" : "Rare", i % 3 ? "Evocation" : "Illusion;Phantasm", "Test Book",
                QString::number(i));
            spell.description = QString("Does %1.").arg(i);
            spells << spell;
        }
    }
    m_fixture.build(spells);
}

void TestBookWindow::init() {
    m_messages.clear();
    m_questions.clear();
    m_answers.clear();
    m_savePath = m_dir.filePath("Ana.twbook");
    m_openPath.clear();
    QFile::remove(m_savePath);
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
    SaveChangesQuestion::setHandler([this](const QString& text) {
        m_questions << text;
        return m_answers.isEmpty() ? Answer::Cancel : m_answers.takeFirst();
    });
    SaveFileDialog::setHandler([this](const QString&, const QString&) { return m_savePath; });
    OpenFileDialog::setHandler([this](const QString&, const QString&) { return m_openPath; });
    Constants::Settings = SharedSettings();
    m_window = std::make_unique<Frm_Main>(m_fixture.folder());
    QVERIFY(m_window->Form_Load());
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestBookWindow::cleanup() {
    m_window.reset();
    Constants::MyLibrary.reset();
    MessageBox::setHandler(nullptr);
    SaveChangesQuestion::setHandler(nullptr);
    SaveFileDialog::setHandler(nullptr);
    OpenFileDialog::setHandler(nullptr);
}

void TestBookWindow::saveQuitOpenGivesTheSameBook() {
    generate();
    QVERIFY(list()->topLevelItemCount() > 0);
    // An edit: the second row goes, the first is pinned.
    list()->topLevelItem(1)->setSelected(true);
    m_window->PopUp_Remove_Click();
    list()->setCurrentItem(list()->topLevelItem(0));
    list()->topLevelItem(0)->setSelected(true);
    m_window->PopUp_Pin_Click();
    const QList<SpellRow> rows = m_window->spellRows();
    QVERIFY(rows.first().pinned);
    QVERIFY(m_window->File_Save_Click());
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->windowHandle()->title(), QString(" Tomewright, V 1.0 - Ana.twbook"));
    list()->topLevelItem(0)->setSelected(true);
    m_window->PopUp_Pin_Click(); // unpinned: a change, marked in the caption
    QCOMPARE(m_window->windowHandle()->title(), QString(" Tomewright, V 1.0 - Ana.twbook*"));
    m_window->PopUp_Pin_Click();
    QVERIFY(m_window->File_Save_Click());

    // Quit and start again: a new window, then Open.
    m_window.reset();
    Constants::MyLibrary.reset();
    m_window = std::make_unique<Frm_Main>(m_fixture.folder());
    QVERIFY(m_window->Form_Load());
    m_openPath = m_savePath;
    QVERIFY(m_window->File_Open_Click());
    QCOMPARE(m_window->spellRows(), rows);
    m_window->winId();
    QCOMPARE(m_window->windowHandle()->title(), QString(" Tomewright, V 1.0 - Ana.twbook"));
    QCOMPARE(name()->text(), QString("Ana Vell"));
    QCOMPARE(combo("cboLevel")->currentText(), QString("5th"));
    QCOMPARE(combo("cboClass")->currentText(), QString("MAGE"));
    QCOMPARE(combo("cboVolume")->currentText(), QString("Average (3-10 spells/ level)"));
    QCOMPARE(combo("cboFrequency")->currentText(), QString("Very Rare"));
    QCOMPARE(m_window->findChild<QListWidget*>("lstSchools")
                 ->findItems("Wild", Qt::MatchExactly)
                 .first()
                 ->checkState(),
             Qt::Checked);
    QVERIFY(!m_window->isWindowModified());
    QVERIFY(m_window->findChild<QLineEdit*>("txtFind")->isEnabled());
    QVERIFY(m_window->toolbarButton(Frm_Main::kPrintKey)->isEnabled());
    QVERIFY(!list()->topLevelItem(0)->icon(0).isNull()); // a pinned row looks pinned
    QVERIFY(list()->topLevelItem(1)->icon(0).isNull());
    QVERIFY(m_messages.isEmpty());
}

void TestBookWindow::modifiedState_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("file");      // the book's file, as the caption names it
    QTest::addColumn<bool>("fromFirstRow"); // the list shows the book from its first row
    QTest::newRow("a Generate") << "generate" << true << 0 << "" << true;
    QTest::newRow("a Save after a Generate")
        << "generate save" << false << 0 << "Ana.twbook" << true;
    QTest::newRow("a spell added after a Save")
        << "generate save add" << true << 0 << "Ana.twbook" << false;
    QTest::newRow("a spell removed after a Save")
        << "generate save remove" << true << 0 << "Ana.twbook" << false;
    QTest::newRow("a pin after a Save")
        << "generate save pin" << true << 0 << "Ana.twbook" << false;
    QTest::newRow("the name typed over after a Save")
        << "generate save type" << true << 0 << "Ana.twbook" << false;
    QTest::newRow("a name typed into an empty window") << "type" << false << 0 << "" << false;
    QTest::newRow("an Open after a Save and a New")
        << "generate save new open" << false << 0 << "Ana.twbook" << true;
    QTest::newRow("a New over an unsaved book, let go")
        << "generate new" << false << 1 << "" << false;
    QTest::newRow("a second Generate, the first let go")
        << "generate generate" << true << 1 << "" << true;
    // The new book is in no file yet: Ctrl+S asks for a name, and the caption names none.
    QTest::newRow("a Generate after an Open")
        << "generate save new open generate" << true << 0 << "" << true;
    QTest::newRow("a Generate after a Save") << "generate save generate" << true << 0 << "" << true;
    // The last book was scrolled to its end (a spell added there): the next one is shown from
    // its top.
    QTest::newRow("a Generate after scrolling to the end")
        << "generate end generate" << true << 1 << "" << true;
    QTest::newRow("an Open after scrolling to the end")
        << "generate save end open" << false << 0 << "Ana.twbook" << true;
}

void TestBookWindow::modifiedState() {
    QFETCH(QString, action);
    QFETCH(bool, modified);
    QFETCH(int, questions);
    QFETCH(QString, file);
    QFETCH(bool, fromFirstRow);
    m_answers = {Answer::Discard};
    // A window short enough for a book to need scrolling.
    m_window->resize(m_window->width(), 420);
    for (const QString& step : action.split(' ')) {
        if (step == "generate") {
            generate();
        } else if (step == "save") {
            QVERIFY(m_window->File_Save_Click());
        } else if (step == "add") {
            QComboBox* spells = combo("cboSpells");
            for (int i = 0; i < spells->count(); ++i) {
                spells->setCurrentIndex(i);
                if (!names().contains(spells->currentText()))
                    break;
            }
            const int before = list()->topLevelItemCount();
            m_window->cmdAdd_Click();
            QCOMPARE(list()->topLevelItemCount(), before + 1);
        } else if (step == "remove") {
            list()->topLevelItem(0)->setSelected(true);
            m_window->PopUp_Remove_Click();
        } else if (step == "pin") {
            list()->topLevelItem(0)->setSelected(true);
            m_window->PopUp_Pin_Click();
        } else if (step == "type") {
            name()->setFocus();
            QTest::keyClicks(name(), "x");
        } else if (step == "new") {
            QVERIFY(m_window->File_New_Click());
        } else if (step == "open") {
            m_openPath = m_savePath;
            QVERIFY(m_window->File_Open_Click());
        } else if (step == "end") {
            list()->setFocus();
            QTest::keyClick(list(), Qt::Key_End);
            QVERIFY(list()->verticalScrollBar()->maximum() > 0); // the book is longer than the list
            QCOMPARE(list()->verticalScrollBar()->value(), list()->verticalScrollBar()->maximum());
        }
    }
    QCOMPARE(m_window->isWindowModified(), modified);
    QCOMPARE(m_questions.size(), questions); // asked only when something would be lost
    QCOMPARE(m_window->windowTitle(),
             QString(" Tomewright, V 1.0%1[*]").arg(file.isEmpty() ? "" : " - " + file));
    if (fromFirstRow) {
        QVERIFY(list()->topLevelItemCount() > 0);
        QCOMPARE(list()->verticalScrollBar()->value(), 0);
        QVERIFY(list()->viewport()->rect().contains(
            list()->visualItemRect(list()->topLevelItem(0)).topLeft()));
    }
}

void TestBookWindow::questionBeforeLosingEdits_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("bookKept");
    QTest::addColumn<bool>("saved");
    for (const char* action : {"close", "generate", "new", "open"}) {
        QTest::addRow("%s, Cancel", action) << action << int(Answer::Cancel) << true << false;
        QTest::addRow("%s, Discard", action) << action << int(Answer::Discard) << false << false;
        QTest::addRow("%s, Save", action) << action << int(Answer::Save) << false << true;
    }
}

void TestBookWindow::questionBeforeLosingEdits() {
    QFETCH(QString, action);
    QFETCH(int, answer);
    QFETCH(bool, bookKept);
    QFETCH(bool, saved);
    // Another book on disk to open.
    SpellbookDocument other;
    other.book.caster = "Other";
    other.book.casterLevel = "1st";
    other.book.casterClass = "MAGE";
    other.book.volume = "Sparse (1-3 spells/ level)";
    other.book.frequency = "Common";
    other.book.spells = {{"Gone Spell", "1", "Common", "Fire", "Old Book", "3", ""}};
    m_openPath = m_dir.filePath("other.twbook");
    BookFile::write(other, m_openPath);

    generate();
    const QList<SpellRow> before = m_window->spellRows();
    m_answers = {Answer(answer)};
    bool closed = false;
    if (action == "close")
        closed = m_window->close();
    else if (action == "generate")
        generate();
    else if (action == "new")
        m_window->File_New_Click();
    else
        m_window->File_Open_Click();
    QCOMPARE(m_questions, QStringList{"Save changes to the spellbook of Ana Vell?"});
    QCOMPARE(QFile::exists(m_savePath), saved);
    if (bookKept) {
        QCOMPARE(m_window->spellRows(), before);
        QVERIFY(m_window->isWindowModified());
        QVERIFY(!closed);
    } else if (action == "close") {
        QVERIFY(closed);
    } else {
        QVERIFY(m_window->spellRows() != before);
    }
    if (saved)
        QCOMPARE(BookFile::read(m_savePath).book.spells, before);
}

void TestBookWindow::failedCheckKeepsTheBookUntilAnswered() {
    generate();
    const QList<SpellRow> before = m_window->spellRows();
    name()->clear(); // the next Generate fails its check
    m_answers = {Answer::Cancel};
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCOMPARE(m_questions.size(), 1);
    QCOMPARE(m_window->spellRows(), before);
    // Let go of it: the request runs and its check fails as before.
    m_answers = {Answer::Discard};
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCOMPARE(m_window->statusText(3), QString("Caster Name is a required Field"));
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!m_window->isWindowModified());
    // Nothing changed since: no question.
    QVERIFY(m_window->close());
    QCOMPARE(m_questions.size(), 2);
}

void TestBookWindow::badFileLeavesTheWindowAsItWas() {
    generate();
    QVERIFY(m_window->File_Save_Click());
    const QList<SpellRow> before = m_window->spellRows();
    const QString title = m_window->windowTitle();
    m_openPath = m_dir.filePath("broken.twbook");
    QFile broken(m_openPath);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": 9}");
    broken.close();
    QVERIFY(!m_window->File_Open_Click());
    QCOMPARE(m_messages,
             QStringList{QString("\"%1\" was saved by a newer version of Tomewright (book format "
                                 "9); this version reads format 1 and older.")
                             .arg(m_openPath)});
    QCOMPARE(m_window->spellRows(), before);
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(m_window->bookPath(), m_savePath);
}

void TestBookWindow::failedRenameKeepsTheOldFile_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message"); // how it starts
    QTest::newRow("Save") << QKeySequence(QKeySequence::Save) << "Ana.twbook"
                          << "The spellbook cannot be saved to \"%1\": ";
    QTest::newRow("Export as CSV") << QKeySequence(Qt::CTRL | Qt::Key_E) << "Ana.csv"
                                   << "The spellbook cannot be exported to \"%1\": ";
}

void TestBookWindow::failedRenameKeepsTheOldFile() {
    // Everything is written, and only the last step, putting the new file in the old one's
    // place, is refused: a shared folder (sticky, as /tmp) where the old file is another user's.
    QFETCH(QKeySequence, keys);
    QFETCH(QString, file);
    QFETCH(QString, message);
    const char* variable = "TOMEWRIGHT_STICKY_FOLDER";
    const QByteArray old = "the book saved last week\n";
    if (!qEnvironmentVariableIsSet(variable)) {
        if (geteuid() != 0)
            QSKIP("needs root to give the old file to another user");
        if (!unprivilegedCanRun(QCoreApplication::applicationFilePath()))
            QSKIP("the build folder cannot be reached by the user \"nobody\"");
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadOther |
                                                       QFile::ExeOther));
        const QString shared = base.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(QProcess::execute("chmod", {"1777", shared}) == 0);
        const QString path = shared + '/' + file;
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write(old);
        kept.close();
        QVERIFY(QProcess::execute("chmod", {"0666", path}) == 0);
        const QString failure = rerunAsUnprivileged(variable, shared);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(QDir(shared).entryList(QDir::Files | QDir::Hidden), QStringList{file});
        return;
    }
    m_savePath = QDir(qEnvironmentVariable(variable)).filePath(file);
    generate();
    QVERIFY(m_window->isWindowModified());
    QTest::keySequence(m_window.get(), keys);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(message.arg(m_savePath)), qPrintable(m_messages[0]));
    QFile kept(m_savePath);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    // Nothing was saved: the book is still marked as changed.
    QVERIFY(m_window->isWindowModified());
}

void TestBookWindow::bookOpensAfterItsSpellsLeftTheCatalogue() {
    SpellbookDocument document;
    document.book.caster = "Old \"Mage\" <i>";
    document.book.casterLevel = "3rd";
    document.book.casterClass = "ILLUSIONIST";
    document.book.volume = "Low (2-5 spells/ level)";
    document.book.frequency = "Rare";
    document.book.excludedSchools = {"Evocation", "Wild"};
    document.book.spells = {
        {"Vanished Spell", "2", "Rare", "Illusion", "Lost Book", "9", "<b>not bold</b>"}};
    m_openPath = m_dir.filePath("old.twbook");
    BookFile::write(document, m_openPath);
    QVERIFY(m_window->File_Open_Click());
    QCOMPARE(m_window->spellRows(), document.book.spells);
    QCOMPARE(name()->text(), document.book.caster);
    QCOMPARE(list()->topLevelItem(0)->text(0), QString("Vanished Spell"));
    QCOMPARE(m_window->currentDocument().book.excludedSchools, document.book.excludedSchools);
}

void TestBookWindow::pinAndRerollFromTheKeyboard() {
    combo("cboVolume")->setCurrentText("High (5-15 spells/ level)");
    generate();
    const QList<SpellRow> before = m_window->spellRows();
    QVERIFY(before.size() >= 15);
    QMap<QString, int> perLevel;
    for (const SpellRow& row : before)
        ++perLevel[row.level];
    list()->setFocus();
    list()->setCurrentItem(list()->topLevelItem(0));
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::Key_K));
    const SpellRow pinned = m_window->spellRows().first();
    QVERIFY(pinned.pinned);
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    const QList<SpellRow> after = m_window->spellRows();
    QCOMPARE(after.first(), pinned);
    QMap<QString, int> afterPerLevel;
    for (const SpellRow& row : after)
        ++afterPerLevel[row.level];
    QCOMPARE(afterPerLevel, perLevel);
    QVERIFY(after != m_window->spellRows().mid(0, 0) && after.mid(1) != before.mid(1));
    QStringList afterNames = names();
    afterNames.removeDuplicates();
    QCOMPARE(afterNames.size(), after.size());
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->statusText(3), QString());
}

void TestBookWindow::documentKeys() {
    generate();
    // Ctrl+S saves (asking where the first time), Ctrl+Alt+S is the PDF's.
    QStringList asked;
    SaveFileDialog::setHandler([&](const QString& title, const QString&) {
        asked << title;
        return title == "Save Spellbook As" ? m_savePath : QString();
    });
    QTest::keySequence(m_window.get(), QKeySequence::Save);
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    QCOMPARE(asked, (QStringList{"Save Spellbook As", "Save Spellbook as PDF"}));
    QVERIFY(QFile::exists(m_savePath));
    // Ctrl+N empties the window without a question: nothing changed since the save.
    QTest::keySequence(m_window.get(), QKeySequence::New);
    QCOMPARE(list()->topLevelItemCount(), 0);
    QCOMPARE(name()->text(), QString());
    QCOMPARE(m_window->windowHandle()->title(), QString(" Tomewright, V 1.0"));
    // Ctrl+O opens it again; it is first among the recent books.
    m_openPath = m_savePath;
    QTest::keySequence(m_window.get(), QKeySequence::Open);
    QCOMPARE(name()->text(), QString("Ana Vell"));
    QMenu* recent = m_window->findChild<QMenu*>("File_Recent");
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->actions().first()->text(), QString("&1 Ana.twbook"));
    QVERIFY(m_questions.isEmpty());
}

void TestBookWindow::rerollKeepsTheNotesOfShortLevels_data() {
    QTest::addColumn<QList<int>>("shortBefore"); // levels the opened book says ran short
    QTest::addColumn<QString>("reroll");         // "level N", "book", "book, level N pinned"
    QTest::addColumn<QList<int>>("shortAfter");
    QTest::newRow("another level re-rolled: the short one is still short")
        << QList<int>{1} << "level 2" << QList<int>{1};
    QTest::newRow("two short, a third re-rolled")
        << QList<int>{1, 3} << "level 2" << QList<int>{1, 3};
    QTest::newRow("the short level re-rolled, in full now")
        << QList<int>{1} << "level 1" << QList<int>();
    QTest::newRow("the whole book re-rolled, in full now")
        << QList<int>{1, 2} << "book" << QList<int>();
    // Every row of level 1 pinned: nothing of it is drawn again, so it stays as short.
    QTest::newRow("the whole book re-rolled, the short level pinned")
        << QList<int>{1} << "book, level 1 pinned" << QList<int>{1};
}

void TestBookWindow::rerollKeepsTheNotesOfShortLevels() {
    QFETCH(QList<int>, shortBefore);
    QFETCH(QString, reroll);
    QFETCH(QList<int>, shortAfter);
    generate();
    QVERIFY(m_window->File_Save_Click());
    SpellbookDocument document = BookFile::read(m_savePath);
    document.book.limitedLevels = shortBefore;
    BookFile::write(document, m_savePath);
    m_openPath = m_savePath;
    QVERIFY(m_window->File_Open_Click());

    const int level = QRegularExpression("\\d").match(reroll).captured().toInt();
    for (int row = 0; row < list()->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list()->topLevelItem(row);
        if (item->text(1).trimmed().toInt() != level)
            continue;
        list()->setCurrentItem(item);
        if (reroll.endsWith("pinned")) {
            list()->clearSelection();
            item->setSelected(true);
            m_window->PopUp_Pin_Click();
        }
    }
    if (reroll.startsWith("book"))
        m_window->PopUp_RerollBook_Click();
    else
        m_window->PopUp_RerollLevel_Click();

    QStringList levels;
    for (int shortLevel : shortAfter)
        levels << QString::number(shortLevel);
    const QString note =
        shortAfter.isEmpty()
            ? QString()
            : "Following Levels Volume was limited by criteria: " + levels.join(", ");
    QCOMPARE(m_window->statusText(3), note);
    // The saved book and the JSON export say the same.
    QVERIFY(m_window->File_Save_Click());
    QCOMPARE(BookFile::read(m_savePath).book.limitedLevels, shortAfter);
    m_savePath = m_dir.filePath("Ana.json");
    m_window->File_Export_Click();
    QFile exported(m_savePath);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY2(exported.readAll().contains("\"limited\":[" + levels.join(',').toUtf8() + "]"),
             qPrintable(levels.join(',')));
    QVERIFY(m_messages.isEmpty());
}

void TestBookWindow::saveDialogsAskAboutTheFileWritten_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("type"); // the file type picked in the dialog, "" for its first
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("existing");
    QTest::newRow("Save As") << "save as"
                             << ""
                             << "Merlin"
                             << "Merlin.twbook";
    QTest::newRow("Save As, a name with a dot") << "save as"
                                                << ""
                                                << "Merlin.v2"
                                                << "Merlin.v2.twbook";
    QTest::newRow("Save as PDF") << "pdf"
                                 << ""
                                 << "Merlin"
                                 << "Merlin.pdf";
    QTest::newRow("Export, CSV") << "export"
                                 << ""
                                 << "Merlin"
                                 << "Merlin.csv";
    QTest::newRow("Export, JSON picked") << "export"
                                         << "JSON (*.json)"
                                         << "Merlin"
                                         << "Merlin.json";
    QTest::newRow("Export, Markdown picked, a name with a dot") << "export"
                                                                << "Markdown (*.md)"
                                                                << "Merlin.v2"
                                                                << "Merlin.v2.md";
}

void TestBookWindow::saveDialogsAskAboutTheFileWritten() {
    // The user types a name beside an existing file of that name and the type's suffix in the
    // real dialog: the question comes before that file is replaced, and answering No keeps it.
    QFETCH(QString, command);
    QFETCH(QString, type);
    QFETCH(QString, typedName);
    QFETCH(QString, existing);
    generate("Merlin");
    QTemporaryDir folder;
    const QString kept = folder.filePath(existing);
    {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own file");
    }
    SaveFileDialog::setHandler(nullptr);
    QString question;
    bool typed = false;
    int ticks = 0;
    QTimer driver;
    driver.setInterval(50);
    connect(&driver, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (++ticks > 600 && modal) {
            modal->close(); // a dialog that never asks must not hang the test
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (typed) {
                dialog->reject();
                return;
            }
            typed = true;
            if (!type.isEmpty()) {
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                QVERIFY(types);
                const int index = types->findText(type);
                QVERIFY(index >= 0);
                // Picked from the keyboard, as a user picks it.
                for (int step = 0; step < types->count() && types->currentIndex() != index; ++step)
                    QTest::keyClick(types, Qt::Key_Down);
                QCOMPARE(types->currentIndex(), index);
            }
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(folder.filePath(typedName));
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        }
    });
    driver.start();
    if (command == "save as")
        m_window->File_SaveAs_Click();
    else if (command == "pdf")
        m_window->File_SavePdf_Click();
    else
        m_window->File_Export_Click();
    driver.stop();
    QVERIFY(typed);
    QCOMPARE(question, existing + " already exists.\nDo you want to replace it?");
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the user's own file"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{existing});
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestBookWindow)
#include "tst_book_window.moc"
