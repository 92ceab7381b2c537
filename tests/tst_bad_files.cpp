// Bad files and bad states: what a user sees for each, and that none of them crashes, hangs or
// changes a byte of the database.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/Unprivileged.h"
#include "ui/Database.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/SaveFileDialog.h"
#include "ui/Transaction.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTreeWidget>
#include <QtTest>
#include <unistd.h>

namespace {
QByteArray digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

const char* kChildVariable = "TOMEWRIGHT_UNPRIVILEGED_CHILD";
} // namespace

class TestBadFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startRefusesBadDatabase_data();
    void startRefusesBadDatabase();
    void readOnlyStillGenerates_data();
    void readOnlyStillGenerates();
    void lockedDatabaseWaitsThenSaysSo();
    void missingTemplateNamesIt_data();
    void missingTemplateNamesIt();

private:
    std::unique_ptr<Frm_Main> openWindow(const QString& folder);
    void generateAndPrint(Frm_Main& window);
    QStringList m_messages;
};

void TestBadFiles::init() {
    m_messages.clear();
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
    ReportJob::setRunner([](const ReportJob&) {});
    Constants::Settings = SharedSettings();
}

void TestBadFiles::cleanup() {
    Constants::MyLibrary.reset();
    MessageBox::setHandler(nullptr);
    ReportJob::setRunner(nullptr);
}

std::unique_ptr<Frm_Main> TestBadFiles::openWindow(const QString& folder) {
    auto window = std::make_unique<Frm_Main>(folder);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}

void TestBadFiles::generateAndPrint(Frm_Main& window) {
    window.findChild<QLineEdit*>("txtName")->setText("Ana");
    // By the level, not its text: the list shows "9." to a German user.
    auto* level = window.findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(level->findData(9));
    window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    window.Toolbar1_ButtonMenuClick(Frm_Main::kPreviewKey);
}

static QList<CatalogueSpell> someSpells() {
    QList<CatalogueSpell> spells;
    for (int level = 1; level <= 5; ++level)
        for (int i = 0; i < 6; ++i)
            spells << FixtureDatabase::spell(QString("Spell %1-%2").arg(level).arg(i), level,
                                             "Common", "Evocation");
    return spells;
}

void TestBadFiles::startRefusesBadDatabase_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "missing"
                             << "The spell database \"%1\" is missing.";
    QTest::newRow("empty") << "empty"
                           << "The spell database \"%1\" is empty.";
    const QString wrong = "The spell database \"%1\" cannot be opened: the password is wrong or "
                          "the file is not a Tomewright database.";
    QTest::newRow("random bytes") << "random" << wrong;
    QTest::newRow("first page only") << "truncated" << wrong;
    QTest::newRow("other password") << "rekey" << wrong;
    QTest::newRow("plain sqlite") << "plain"
                                  << "The spell database \"%1\" is not encrypted; Tomewright only "
                                     "opens its own password-protected databases.";
    QTest::newRow("missing table")
        << "DROP TABLE SpellandSphere"
        << "The spell database \"%1\" is incomplete: it has no \"SpellandSphere\" table.";
    QTest::newRow("missing view") << "DROP VIEW AddSpheres"
                                  << "The spell database \"%1\" is incomplete: it has no "
                                     "\"AddSpheres\" view.";
}

void TestBadFiles::startRefusesBadDatabase() {
    QFETCH(QString, damage);
    QFETCH(QString, message);
    FixtureDatabase fixture;
    fixture.build(someSpells());
    const QString path = fixture.path();
    if (damage == "missing") {
        QFile::remove(path);
    } else if (damage == "empty" || damage == "random" || damage == "truncated") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = damage == "truncated" ? file.read(100) : QByteArray();
        if (damage == "random")
            for (int i = 0; i < 8192; ++i)
                bytes.append(char((i * 7919 + 13) % 251));
        file.resize(0);
        file.write(bytes);
    } else if (damage == "rekey") {
        Database(path, ";pwd=kobold3").execute("PRAGMA rekey = 'another'");
    } else if (damage == "plain") {
        QFile::remove(path);
        Database::create(path, QString()).execute("CREATE TABLE Spells (Name)");
    } else {
        Database(path, ";pwd=kobold3").execute(damage);
    }
    const QByteArray before = digest(path);
    QVERIFY(!openWindow(fixture.folder()));
    QCOMPARE(m_messages, QStringList{message.arg(path)});
    QCOMPARE(digest(path), before);
}

void TestBadFiles::readOnlyStillGenerates_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only file") << "file"
                                    << "en"
                                    << "cannot be written (the file or its folder is read-only)";
    QTest::newRow("read-only folder") << "folder"
                                      << "en"
                                      << "cannot be written (the file or its folder is read-only)";
    QTest::newRow("read-only folder, in German")
        << "folder"
        << "de"
        << "(die Datei oder ihr Ordner ist schreibgeschützt)";
}

void TestBadFiles::readOnlyStillGenerates() {
    QFETCH(QString, kind);
    QFETCH(QString, language);
    QFETCH(QString, message);
    const bool child = qEnvironmentVariableIsSet(kChildVariable);
    if (geteuid() == 0 && !child) {
        // Root writes any file: run this case again as an unprivileged user.
        if (!unprivilegedCanRun(QCoreApplication::applicationFilePath()))
            QSKIP("the build folder cannot be reached by the user \"nobody\"");
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(
            base.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                             QFileDevice::ReadOther | QFileDevice::ExeOther));
        const QString folder = base.filePath("program");
        QVERIFY(QDir().mkpath(folder));
        {
            FixtureDatabase fixture;
            fixture.build(someSpells());
            QVERIFY(QFile::copy(fixture.path(), folder + "/Spells.mdb"));
        }
        QVERIFY(QFile::copy(TOMEWRIGHT_TEMPLATE, folder + "/filteredspellbook.rpt"));
        const QString database = folder + "/Spells.mdb";
        const QByteArray before = digest(database);
        if (kind == "file") {
            QVERIFY(QProcess::execute("chmod", {"0777", folder}) == 0);
            QVERIFY(QProcess::execute("chmod", {"0444", database}) == 0);
        } else {
            QVERIFY(QProcess::execute("chown", {"nobody", database}) == 0);
            QVERIFY(QProcess::execute("chmod", {"0644", database}) == 0);
            QVERIFY(QProcess::execute("chmod", {"0555", folder}) == 0);
        }
        const QString failure = rerunAsUnprivileged(kChildVariable, folder);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(digest(database), before);
        return;
    }
    const QString folder = child ? qEnvironmentVariable(kChildVariable) : QString();
    if (!child)
        QSKIP("needs a prepared read-only folder");
    Language::install(*QCoreApplication::instance(), {language});
    auto window = openWindow(folder);
    QVERIFY2(window, qPrintable(m_messages.join('\n')));
    generateAndPrint(*window);
    QVERIFY(window->findChild<QTreeWidget*>("LV_Spells")->topLevelItemCount() > 0);
    QCOMPARE(window->statusText(3), QString());
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(message), qPrintable(m_messages[0]));
    // Nothing else broke: another book can still be drawn.
    window->Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QVERIFY(window->findChild<QTreeWidget*>("LV_Spells")->topLevelItemCount() > 0);
}

void TestBadFiles::lockedDatabaseWaitsThenSaysSo() {
    FixtureDatabase fixture;
    fixture.build(someSpells());
    QVERIFY(QFile::copy(TOMEWRIGHT_TEMPLATE, fixture.folder() + "/filteredspellbook.rpt"));
    auto window = openWindow(fixture.folder());
    QVERIFY(window);
    Database other(fixture.path(), ";pwd=kobold3");
    {
        Transaction writer(other);
        other.execute("INSERT INTO CasterHold VALUES ('Other program', '')");
        QElapsedTimer timer;
        timer.start();
        generateAndPrint(*window);
        QVERIFY(timer.elapsed() < 30000); // waited for the writer, then gave up
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains("is locked by another program; try again when it has "
                                        "finished"),
                 qPrintable(m_messages[0]));
        writer.commit();
    }
    // The other program's work is kept, and the next request goes through.
    QCOMPARE(other.snapshot("SELECT Caster FROM CasterHold").text("Caster"),
             QString("Other program"));
    window->Toolbar1_ButtonMenuClick(Frm_Main::kPreviewKey);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(other.snapshot("SELECT Caster FROM CasterHold").text("Caster"), QString("Ana"));
}

void TestBadFiles::missingTemplateNamesIt_data() {
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("missing") << false;
    QTest::newRow("unreadable") << true;
}

void TestBadFiles::missingTemplateNamesIt() {
    QFETCH(bool, asFolder);
    ReportJob::setRunner(nullptr);
    FixtureDatabase fixture;
    fixture.build(someSpells());
    const QString templatePath = fixture.folder() + "/filteredspellbook.rpt";
    if (asFolder)
        QVERIFY(QDir().mkpath(templatePath));
    auto window = openWindow(fixture.folder());
    QVERIFY(window);
    window->findChild<QLineEdit*>("txtName")->setText("Ana");
    window->findChild<QComboBox*>("cboLevel")->setCurrentText("3rd");
    window->Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
    QTemporaryDir out;
    SaveFileDialog::setHandler(
        [&out](const QString&, const QString&) { return out.filePath("book.pdf"); });
    window->File_SavePdf_Click();
    SaveFileDialog::setHandler(nullptr);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(
                 QString("The report template \"%1\" cannot be read").arg(templatePath)),
             qPrintable(m_messages[0]));
    QVERIFY(!QFile::exists(out.filePath("book.pdf")));
}

QTEST_MAIN(TestBadFiles)
#include "tst_bad_files.moc"
