// Behaving like a desktop program: the database copy of an installed program, accessible names,
// keyboard shortcuts.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "dialogs/Frm_Prefs.h"
#include "dialogs/frmAbout.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/Unprivileged.h"
#include "ui/DatabaseLocation.h"
#include "ui/MessageBox.h"
#include "ui/SaveFileDialog.h"
#include "ui/TwError.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <unistd.h>

namespace {
const char* kChildVariable = "TOMEWRIGHT_UNPRIVILEGED_CHILD";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The focusable controls of a window that a user reaches, and what a screen reader calls them.
QStringList unnamedControls(QWidget* root) {
    QStringList unnamed;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty() ||
            widget->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName();
    }
    return unnamed;
}
} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void writableCopyRule_data();
    void writableCopyRule();
    void everyControlHasAnAccessibleName();
    void shortcutsTriggerTheirActions();
};

void TestDesktop::writableCopyRule_data() {
    QTest::addColumn<QString>("kind");
    // A build remakes the database beside the program: the user's spells live in the copy.
    QTest::newRow("writable folder, as a build's: a copy made once and kept") << "writable";
    QTest::newRow("read-only folder: a copy made once and kept") << "copy";
    QTest::newRow("copy impossible: a clear failure") << "fails";
}

void TestDesktop::writableCopyRule() {
    QFETCH(QString, kind);
    const bool child = qEnvironmentVariableIsSet(kChildVariable);
    if (geteuid() == 0 && !child) {
        // Root writes every folder: the rule is tried as an unprivileged user.
        if (!unprivilegedCanRun(QCoreApplication::applicationFilePath()) ||
            !unprivilegedCanRun(TOMEWRIGHT_PROGRAM))
            QSKIP("the build folder cannot be reached by the user \"nobody\"");
        QTemporaryDir base;
        QVERIFY(QProcess::execute("chmod", {"0755", base.path()}) == 0);
        const QString program = base.filePath("program");
        const QString data = base.filePath("data");
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(data));
        {
            FixtureDatabase fixture;
            fixture.build({FixtureDatabase::spell("Ember", 1, "Common", "Fire")});
            QVERIFY(QFile::copy(fixture.path(), program + "/Spells.mdb"));
        }
        QVERIFY(QProcess::execute("chmod", {"0644", program + "/Spells.mdb"}) == 0);
        QVERIFY(QProcess::execute("chmod", {kind == "writable" ? "0777" : "0555", program}) == 0);
        QVERIFY(QProcess::execute("chmod", {kind == "fails" ? "0555" : "0777", data}) == 0);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildVariable, program);
        environment.insert("XDG_DATA_HOME", data);
        environment.insert("HOME", base.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                  QCoreApplication::applicationFilePath(),
                                  "writableCopyRule:" + QString(QTest::currentDataTag())});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray output = process.readAllStandardOutput();
        QVERIFY2(process.exitCode() == 0 && output.contains("PASS   : TestDesktop::writable"),
                 output.constData());
        return;
    }
    if (!child)
        QSKIP("needs a prepared folder");
    const QString program = qEnvironmentVariable(kChildVariable);
    const QString copy = qEnvironmentVariable("XDG_DATA_HOME") + "/Tomewright/Spells.mdb";
    if (kind != "fails") {
        QCOMPARE(databasePathFor(program), copy);
        QCOMPARE(contents(copy), contents(program + "/Spells.mdb"));
        // The copy is the user's from now on: it is used as it is, never made again.
        QFile file(copy);
        QVERIFY(file.open(QIODevice::Append));
        file.write("homebrew");
        file.close();
        QCOMPARE(databasePathFor(program), copy);
        QVERIFY(contents(copy).endsWith("homebrew"));
    } else {
        try {
            databasePathFor(program);
            QFAIL("no failure");
        } catch (const TwError& error) {
            QVERIFY2(error.description().startsWith("Tomewright cannot make its copy of the spell "
                                                    "database"),
                     qPrintable(error.description()));
        }
        // The program itself says so and ends.
        QProcess tomewright;
        tomewright.start(TOMEWRIGHT_PROGRAM, {});
        QVERIFY(tomewright.waitForFinished(30000));
        QCOMPARE(tomewright.exitCode(), 1);
        QVERIFY(tomewright.readAllStandardError().contains("cannot make its copy"));
    }
}

void TestDesktop::everyControlHasAnAccessibleName() {
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Ember", 1, "Common", "Fire")});
    {
        Frm_Main window(fixture.folder());
        QVERIFY(window.Form_Load());
        QCOMPARE(unnamedControls(&window), QStringList());
        QCOMPARE(window.findChild<QLineEdit*>("txtName")->accessibleName(), QString("Name"));
        QCOMPARE(window.findChild<QComboBox*>("cboFrequency")->accessibleName(),
                 QString("Lowest Frequency"));
    }
    Constants::MyLibrary.reset();
    SharedSettings settings;
    Frm_Prefs options(settings);
    QCOMPARE(unnamedControls(&options), QStringList());
    QCOMPARE(options.findChild<QLineEdit*>("txtThird")->accessibleName(), QString("3rd"));
    frmAbout about;
    QCOMPARE(unnamedControls(&about), QStringList());
}

void TestDesktop::shortcutsTriggerTheirActions() {
    FixtureDatabase fixture;
    QList<CatalogueSpell> spells;
    for (int i = 0; i < 5; ++i)
        spells << FixtureDatabase::spell(QString("Spell %1").arg(i), 1, "Common", "Fire");
    fixture.build(spells);
    QList<int> destinations;
    ReportJob::setRunner([&](const ReportJob& job) { destinations << int(job.destination); });
    QStringList saved;
    SaveFileDialog::setHandler([&](const QString& title, const QString&) {
        saved << title;
        return QString();
    });
    MessageBox::setHandler([](const QString&, const QString&) {});
    {
        Frm_Main window(fixture.folder());
        QVERIFY(window.Form_Load());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>("txtName")->setText("Ana");
        window.findChild<QComboBox*>("cboLevel")->setCurrentText("1st");
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_G));
        QVERIFY(window.findChild<QTreeWidget*>("LV_Spells")->topLevelItemCount() > 0);
        QTest::keySequence(&window, QKeySequence::Print);
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        QCOMPARE(destinations, (QList<int>{1, 0}));
        QTest::keySequence(&window, QKeySequence::Save);
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(saved,
                 (QStringList{"Save Spellbook As", "Save Spellbook as PDF", "Export Spellbook"}));
        // The shortcuts show in the menus and the tool tips.
        QVERIFY(window.toolbarButton(Frm_Main::kGenerateKey)->toolTip().contains("Ctrl+G"));
        QCOMPARE(window.findChild<QAction*>("File_Exit")->shortcut(),
                 QKeySequence(QKeySequence::Quit));
    }
    Constants::MyLibrary.reset();
    ReportJob::setRunner(nullptr);
    SaveFileDialog::setHandler(nullptr);
    MessageBox::setHandler(nullptr);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
