// The Options dialog, the About box, registry values and the system-information launch.
#include "dialogs/Frm_Prefs.h"
#include "dialogs/frmAbout.h"
#include "library/SharedSettings.h"
#include "ui/MessageBox.h"
#include "ui/ProgramLauncher.h"
#include "ui/Registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const char* kBoxes[] = {"txtFirst", "txtSecond",  "txtThird", "txtFourth", "txtFifth",
                        "txtSixth", "txtSeventh", "txtEight", "txtNinth"};

class FakeRegistry : public Registry {
public:
    QMap<QString, RawValue> values; // "key|value name"
    std::optional<RawValue> query(quint32 root, const QString& keyName,
                                  const QString& valueName) const override {
        if (root != kLocalMachine || !values.contains(keyName + "|" + valueName))
            return std::nullopt;
        return values.value(keyName + "|" + valueName);
    }
};

class FakeLauncher : public ProgramLauncher {
public:
    QStringList files;
    bool starts = true;
    mutable QStringList checked;
    mutable QStringList started;
    bool fileExists(const QString& path) const override {
        checked << path;
        return files.contains(path);
    }
    bool startDetached(const QString& path) const override {
        started << path;
        return starts;
    }
};

const QString kFirstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const QString kSecondKey = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void optionsFirstOpening();
    void optionsShowsStoredDefaults();
    void applyFollowsTheNumericTests();
    void applyRoundsAndStores_data();
    void applyRoundsAndStores();
    void applyRefusesBadBoxes_data();
    void applyRefusesBadBoxes();
    void emptyPercentageShowsFifty();
    void aboutTexts();
    void aboutClosesOnEnterAndEscape();
    void registryDecoding_data();
    void registryDecoding();
    void systemInformationLaunch_data();
    void systemInformationLaunch();

private:
    QLineEdit* box(Frm_Prefs& dialog, int level) {
        return dialog.findChild<QLineEdit*>(kBoxes[level - 1]);
    }
    QStringList m_messages;
};

void TestDialogs::init() {
    m_messages.clear();
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
}

void TestDialogs::cleanup() {
    MessageBox::setHandler(nullptr);
}

void TestDialogs::optionsFirstOpening() {
    SharedSettings settings;
    Frm_Prefs dialog(settings);
    QCOMPARE(dialog.windowTitle(), QString(" Options"));
    for (int level = 1; level <= 9; ++level)
        QCOMPARE(box(dialog, level)->text(), QString("0"));
    auto* frequency = dialog.findChild<QCheckBox*>("chkFrequency");
    QVERIFY(frequency->isChecked());
    QVERIFY(!frequency->isEnabled());
    QCOMPARE(frequency->toolTip(), QString("Not Yet Implemented"));
    auto* percent = dialog.findChild<QComboBox*>("cboPercent");
    QCOMPARE(percent->count(), 11);
    QCOMPARE(percent->currentText(), QString("50%"));
    QCOMPARE(percent->itemData(10).toInt(), 10);
    QVERIFY(!dialog.findChild<QPushButton*>("cmdApply")->isEnabled());
}

void TestDialogs::optionsShowsStoredDefaults() {
    SharedSettings settings;
    for (int level = 1; level <= 9; ++level)
        *settings.defaultField(level) = level;
    settings.DefaultNinth = -3;
    Frm_Prefs dialog(settings);
    for (int level = 1; level <= 8; ++level)
        QCOMPARE(box(dialog, level)->text(), QString::number(level));
    QCOMPARE(box(dialog, 9)->text(), QString("-3"));
    QVERIFY(!dialog.findChild<QPushButton*>("cmdApply")->isEnabled());
}

void TestDialogs::applyFollowsTheNumericTests() {
    SharedSettings settings;
    Frm_Prefs dialog(settings);
    auto* apply = dialog.findChild<QPushButton*>("cmdApply");
    box(dialog, 3)->clear();
    QVERIFY(!apply->isEnabled());
    box(dialog, 3)->setText("7");
    QVERIFY(apply->isEnabled());
    // Typing looks only at the changed box; picking a percentage tests all nine.
    box(dialog, 1)->setText("x");
    box(dialog, 2)->setText("4");
    QVERIFY(apply->isEnabled());
    auto* percent = dialog.findChild<QComboBox*>("cboPercent");
    percent->setCurrentIndex(7);
    emit percent->activated(7);
    QVERIFY(!apply->isEnabled());
    box(dialog, 1)->setText("1");
    emit percent->activated(7);
    QVERIFY(apply->isEnabled());
    apply->click();
    QVERIFY(!apply->isEnabled()); // a second Apply only after a further change
    QCOMPARE(settings.SpecialistPercent, QString("70%"));
    QCOMPARE(settings.SpecialistPercentIndex, 7);
    QCOMPARE(settings.DefaultThird, 7);
}

void TestDialogs::applyRoundsAndStores_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("2.5 to even") << "2.5" << 2;
    QTest::newRow("3.5 to even") << "3.5" << 4;
    QTest::newRow("negative") << "-4" << -4;
    QTest::newRow("blanks and sign") << "  +6 " << 6;
    QTest::newRow("fraction only") << ".5" << 0;
    QTest::newRow("zero") << "0" << 0;
}

void TestDialogs::applyRoundsAndStores() {
    QFETCH(QString, text);
    QFETCH(int, stored);
    SharedSettings settings;
    Frm_Prefs dialog(settings);
    box(dialog, 5)->setText(text);
    dialog.cmdApply_Click();
    QCOMPARE(settings.DefaultFifth, stored);
    QVERIFY(m_messages.isEmpty());
}

void TestDialogs::applyRefusesBadBoxes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("not numeric") << "three"
                                 << "3rd: \"three\" is not a number.";
    QTest::newRow("empty") << ""
                           << "3rd: \"\" is not a number.";
    QTest::newRow("too large") << "3000000000"
                               << "3rd: 3000000000 is too large";
    QTest::newRow("too small") << "-2147483649"
                               << "3rd: -2147483649 is too large";
}

void TestDialogs::applyRefusesBadBoxes() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    SharedSettings settings;
    Frm_Prefs dialog(settings);
    box(dialog, 1)->setText("5");
    box(dialog, 3)->setText(text);
    dialog.cmdApply_Click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith(message), qPrintable(m_messages[0]));
    QCOMPARE(settings.DefaultFirst, 0); // nothing stored
}

void TestDialogs::emptyPercentageShowsFifty() {
    SharedSettings settings;
    settings.SpecialistPercent.clear();
    Frm_Prefs dialog(settings);
    QCOMPARE(dialog.findChild<QComboBox*>("cboPercent")->currentText(), QString("50%"));
    settings.SpecialistPercent = "90%";
    Frm_Prefs other(settings);
    QCOMPARE(other.findChild<QComboBox*>("cboPercent")->currentText(), QString("90%"));
}

void TestDialogs::aboutTexts() {
    frmAbout about;
    QCOMPARE(about.windowTitle(), QString(" About Tomewright"));
    QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QString("Tomewright"));
    QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.0"));
    QCOMPARE(about.findChild<QLabel*>("lblDescription")->text(),
             QString("Tomewright allows the User to quickly and easily generate a Spellbook for "
                     "a PC/ NPC using several criteria to determine the types and numbers of "
                     "spells."));
    QCOMPARE(about.findChild<QLabel*>("lblDisclaimer")->text(),
             QString("Disclaimer: This application is not an official product of Gravenhollow, "
                     "so use at your own risk."));
    QVERIFY(about.findChild<QLabel*>("lblCreator")->text().startsWith("Created by: "));
    QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QString("&System Info..."));
}

void TestDialogs::aboutClosesOnEnterAndEscape() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about;
        about.show();
        QVERIFY(about.isVisible());
        QTest::keyClick(&about, key);
        QVERIFY(!about.isVisible());
    }
}

void TestDialogs::registryDecoding_data() {
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text with zero")
        << 1u << QByteArray("C:\\Tools\\info.exe\0", 18) << "C:\\Tools\\info.exe";
    QTest::newRow("text without zero") << 1u << QByteArray("abc") << "abc";
    QTest::newRow("number") << 4u << QByteArray("\x2a\x01\x00\x00", 4) << "298";
    QTest::newRow("negative number") << 4u << QByteArray("\xfe\xff\xff\xff", 4) << "-2";
    QTest::newRow("other type unchanged") << 3u << QByteArray("\x01\x02", 2) << "unchanged";
}

void TestDialogs::registryDecoding() {
    QFETCH(quint32, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    FakeRegistry registry;
    registry.values["Key|Value"] = {type, bytes};
    QString value = "unchanged";
    QVERIFY(GetKeyValue(registry, Registry::kLocalMachine, "Key", "Value", value));
    QCOMPARE(value, expected);
    QString missing = "old";
    QVERIFY(!GetKeyValue(registry, Registry::kLocalMachine, "Key", "Other", missing));
    QCOMPARE(missing, QString());
}

void TestDialogs::systemInformationLaunch_data() {
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<quint32>("firstType");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("started");
    QTest::addColumn<bool>("message");
    QTest::newRow("first key starts without a file test")
        << true << true << false << 1u << true << "/opt/info/tool" << false;
    QTest::newRow("second key with the file")
        << false << true << true << 1u << true << "/opt/shared/MSINFO32.EXE" << false;
    QTest::newRow("second key without the file")
        << false << true << false << 1u << true << "" << true;
    QTest::newRow("no key") << false << false << false << 1u << true << "" << true;
    QTest::newRow("a value that is not text") << true << false << false << 3u << true << "" << true;
    QTest::newRow("failing start")
        << true << false << false << 1u << false << "/opt/info/tool" << true;
}

void TestDialogs::systemInformationLaunch() {
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(bool, fileThere);
    QFETCH(quint32, firstType);
    QFETCH(bool, starts);
    QFETCH(QString, started);
    QFETCH(bool, message);
    FakeRegistry registry;
    if (first)
        registry.values[kFirstKey] = {firstType, QByteArray("/opt/info/tool\0", 15)};
    if (second)
        registry.values[kSecondKey] = {1u, QByteArray("/opt/shared")};
    FakeLauncher launcher;
    launcher.starts = starts;
    if (fileThere)
        launcher.files << "/opt/shared/MSINFO32.EXE";
    frmAbout about(registry, launcher);
    about.StartSysInfo();
    if (first)
        QVERIFY(launcher.checked.isEmpty());
    QCOMPARE(launcher.started.value(0), started);
    QCOMPARE(m_messages, message ? QStringList{"System Information Is Unavailable At This Time"}
                                 : QStringList{});
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
