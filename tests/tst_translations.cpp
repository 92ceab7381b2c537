// Tomewright in German and French: the shipped translations complete and consistent, Qt's own
// texts loaded with them, every text of the windows translated and fitting its widget, and the
// level, class and volume stored in English whatever the lists show.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "dialogs/CatalogueWindow.h"
#include "dialogs/Frm_Prefs.h"
#include "dialogs/ImportSpellsDialog.h"
#include "dialogs/frmAbout.h"
#include "library/BookFile.h"
#include "library/CasterClasses.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/SaveChangesQuestion.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Drops every translation the application has, then installs those of language, as the program
// does at its start for a user of that language.
void speak(const QString& language) {
    for (QTranslator* translator :
         qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (!language.isEmpty())
        Language::install(*QCoreApplication::instance(), {language});
}

// A translation that marks every text it is asked for: a text shown without the marks never
// went through the translation functions.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
};

// One message of a .ts file.
struct Message {
    QString context;
    QString source;
    QString type;      // the translation's type attribute: "", "unfinished", "vanished", "obsolete"
    QStringList forms; // one translation, or the plural forms
    bool numerus = false;
};

QList<Message> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        // A numerus message is complete when its translation closes.
        if (xml.isEndElement() && message.numerus && xml.name() == QLatin1String("translation"))
            messages << message;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message =
                Message{context,
                        {},
                        {},
                        {},
                        xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.forms << xml.readElementText();
                messages << message;
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        }
    }
    return messages;
}

// The placeholders of a text (%1 ... %99, %L1, %n, %Ln), each once, sorted.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        found << match.captured(0).remove(QLatin1Char('L'));
    found.removeDuplicates();
    found.sort();
    return found;
}

// The accelerator keys of a text ("&Open" gives "o"); "&&" is a plain ampersand.
QString accelerators(const QString& text) {
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            keys += text[i + 1].toLower();
        ++i;
    }
    return keys;
}

// Every problem of one translation file, one line each.
QStringList problemsOf(const QString& path, int pluralForms, bool singularIsOne) {
    QStringList problems;
    const QList<Message> messages = readTs(path);
    if (messages.isEmpty())
        problems << QStringLiteral("%1 holds no messages").arg(path);
    for (const Message& message : messages) {
        const QString where = QStringLiteral("%1 \"%2\"").arg(message.context, message.source);
        if (!message.type.isEmpty())
            problems << QStringLiteral("%1 is %2").arg(where, message.type);
        if (message.numerus && message.forms.size() != pluralForms)
            problems << QStringLiteral("%1 has %2 plural forms, not %3")
                            .arg(where)
                            .arg(message.forms.size())
                            .arg(pluralForms);
        for (qsizetype form = 0; form < message.forms.size(); ++form) {
            const QString& text = message.forms[form];
            if (text.trimmed().isEmpty()) {
                problems << QStringLiteral("%1 is empty").arg(where);
                continue;
            }
            QStringList wanted = placeholders(message.source);
            // A form that only ever stands for one may say "one" instead of the number.
            if (message.numerus && form == 0 && singularIsOne &&
                !placeholders(text).contains(QStringLiteral("%n")))
                wanted.removeAll(QStringLiteral("%n"));
            if (placeholders(text) != wanted)
                problems << QStringLiteral("%1 has the placeholders %2 in \"%3\", not %4")
                                .arg(where, placeholders(text).join(QLatin1Char(' ')), text,
                                     wanted.join(QLatin1Char(' ')));
            if (accelerators(text).size() != accelerators(message.source).size())
                problems << QStringLiteral("%1 has the accelerators \"%2\" in \"%3\"")
                                .arg(where, accelerators(text), text);
        }
    }
    return problems;
}

// The accelerator keys of entries shown together that more than one entry claims.
QStringList clashes(const QList<QPair<QString, QString>>& entries) {
    QHash<QChar, QString> owner;
    QStringList found;
    for (const auto& [name, text] : entries) {
        for (const QChar key : accelerators(text)) {
            if (owner.contains(key))
                found << QStringLiteral("\"%1\" and \"%2\" both use %3").arg(owner[key], text, key);
            owner.insert(key, text);
        }
    }
    return found;
}

QStringList menuClashes(const QString& where, const QList<QAction*>& actions) {
    QList<QPair<QString, QString>> entries;
    for (const QAction* action : actions) {
        if (!action->isSeparator() && action->isVisible())
            entries.append({action->objectName(), action->text()});
    }
    QStringList found = clashes(entries);
    for (QString& clash : found)
        clash.prepend(where + QStringLiteral(": "));
    return found;
}

// The accelerator keys that more than one button, label or group of a window claims.
QStringList keyClashes(QWidget* window) {
    QList<QPair<QString, QString>> entries;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        entries.append({button->objectName(), button->text()});
    for (QLabel* label : window->findChildren<QLabel*>())
        entries.append({label->objectName(), label->text()});
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        entries.append({group->objectName(), group->title()});
    QStringList found = clashes(entries);
    for (QString& clash : found)
        clash.prepend(window->windowTitle() + QStringLiteral(": "));
    return found;
}

// Texts wider than the widget that shows them (a text a user sees cut off).
QStringList cutTexts(QWidget* root) {
    QStringList cut;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        if (label->sizeHint().width() > label->width())
            cut << QStringLiteral("label \"%1\": %2 > %3")
                       .arg(label->text())
                       .arg(label->sizeHint().width())
                       .arg(label->width());
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        if (button->sizeHint().width() > button->width())
            cut << QStringLiteral("button \"%1\": %2 > %3")
                       .arg(button->text())
                       .arg(button->sizeHint().width())
                       .arg(button->width());
    }
    for (QGroupBox* group : root->findChildren<QGroupBox*>()) {
        const int needed = group->fontMetrics().horizontalAdvance(group->title()) + 16;
        if (group->isVisible() && needed > group->width())
            cut << QStringLiteral("group \"%1\": %2 > %3")
                       .arg(group->title())
                       .arg(needed)
                       .arg(group->width());
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        // The fixed lists: each of their texts shows whole in the closed list.
        const QString name = combo->objectName();
        if (!combo->isVisible() ||
            (name != QLatin1String("cboLevel") && name != QLatin1String("cboClass") &&
             name != QLatin1String("cboVolume")))
            continue;
        for (int row = 0; row < combo->count(); ++row) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            const int needed = combo->fontMetrics().horizontalAdvance(combo->itemText(row));
            if (needed > field.width())
                cut << QStringLiteral("list %1 \"%2\": %3 > %4")
                           .arg(name, combo->itemText(row))
                           .arg(needed)
                           .arg(field.width());
        }
    }
    for (QTreeWidget* tree : root->findChildren<QTreeWidget*>()) {
        QHeaderView* header = tree->header();
        for (int column = 0; column < tree->columnCount(); ++column) {
            const QString title = tree->headerItem()->text(column);
            const int needed = header->fontMetrics().horizontalAdvance(title) +
                               2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            if (tree->isVisible() && needed > header->sectionSize(column))
                cut << QStringLiteral("column \"%1\": %2 > %3")
                           .arg(title)
                           .arg(needed)
                           .arg(header->sectionSize(column));
        }
    }
    return cut;
}

// The texts of a window a user reads that did not pass the marking translator.
QStringList unmarkedTexts(QWidget* root, const QStringList& dataWidgets) {
    const auto marked = [](const QString& text) {
        return text.isEmpty() || text.startsWith(QChar(0x27e6));
    };
    QStringList found;
    const auto check = [&](const QString& kind, const QString& text) {
        if (!marked(text))
            found << QStringLiteral("%1 \"%2\"").arg(kind, text);
    };
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!dataWidgets.contains(label->objectName()))
            check(QStringLiteral("label"), label->text());
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        check(QStringLiteral("button"), button->text());
        check(QStringLiteral("tool tip"), button->toolTip());
    }
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        check(QStringLiteral("group"), group->title());
    for (QAction* action : root->findChildren<QAction*>()) {
        // A menu's own entry is its title, checked below where a user sees it.
        if (!action->isSeparator() && !action->menu())
            check(QStringLiteral("menu entry"), action->text());
    }
    for (QMenu* menu : root->findChildren<QMenu*>()) {
        if (menu->menuAction()->associatedObjects().size() > 1) // in a menu bar or a menu
            check(QStringLiteral("menu"), menu->title());
    }
    for (QTreeWidget* tree : root->findChildren<QTreeWidget*>()) {
        for (int column = 0; column < tree->columnCount(); ++column)
            check(QStringLiteral("column"), tree->headerItem()->text(column));
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        if (dataWidgets.contains(combo->objectName()))
            continue;
        for (int row = 0; row < combo->count(); ++row)
            check(QStringLiteral("list entry"), combo->itemText(row));
    }
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->accessibleName().isEmpty() && !dataWidgets.contains(widget->objectName()))
            check(QStringLiteral("accessible name"), widget->accessibleName());
    }
    return found;
}

QList<CatalogueSpell> fixtureSpells() {
    // Level 1 has one spell only: a Full book is limited there.
    QList<CatalogueSpell> spells = {
        FixtureDatabase::spell("Quiet Lantern", 1, "Common", "Illusion;Phantasm")};
    int n = 0;
    for (int level = 2; level <= 9; ++level) {
        for (int i = 0; i < 12; ++i)
            spells << FixtureDatabase::spell(QStringLiteral("Spell %1").arg(++n), level, "Common",
                                             i % 2 ? "Necromancy" : "Alteration");
    }
    return spells;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shippedTranslationsAreComplete_data();
    void shippedTranslationsAreComplete();
    void translationsFollowTheCode();
    void languageFromTheUsersList_data();
    void languageFromTheUsersList();
    void numbersAndQtsOwnTexts_data();
    void numbersAndQtsOwnTexts();
    void everyTextOfTheWindowsIsTranslated();
    void windowTextsFitAndKeysDoNotClash_data();
    void windowTextsFitAndKeysDoNotClash();
    void bookKeepsEnglishDetailsInAnyLanguage();

private:
    FixtureDatabase m_fixture;
    QTemporaryDir m_dir;
    QStringList m_messages;
};

void TestTranslations::initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // the recent books list stays out of the user's
    m_fixture.build(fixtureSpells());
}

void TestTranslations::init() {
    m_messages.clear();
    MessageBox::setHandler([this](const QString&, const QString& text) { m_messages << text; });
    SaveChangesQuestion::setHandler(
        [](const QString&) { return SaveChangesQuestion::Answer::Discard; });
    Constants::Settings = SharedSettings();
}

void TestTranslations::cleanup() {
    MessageBox::setHandler(nullptr);
    SaveChangesQuestion::setHandler(nullptr);
    Constants::MyLibrary.reset();
    speak(QStringLiteral("en"));
}

void TestTranslations::shippedTranslationsAreComplete_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pluralForms");
    QTest::addColumn<bool>("singularIsOne");
    const QString folder = QStringLiteral(TOMEWRIGHT_SOURCE_DIR "/translations/");
    // German and English use the singular for 1 only; French for 0 and 1.
    QTest::newRow("German") << folder + "tomewright_de.ts" << 2 << true;
    QTest::newRow("French") << folder + "tomewright_fr.ts" << 2 << false;
    QTest::newRow("English plural forms") << folder + "tomewright_en.ts" << 2 << true;
}

void TestTranslations::shippedTranslationsAreComplete() {
    QFETCH(QString, file);
    QFETCH(int, pluralForms);
    QFETCH(bool, singularIsOne);
    const QStringList problems = problemsOf(file, pluralForms, singularIsOne);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::translationsFollowTheCode() {
    // A text added to the code without updating the translations shows in English: lupdate run
    // over the sources finds it as a new, unfinished message.
    for (const char* language : {"de", "fr"}) {
        const QString copy = m_dir.filePath(QStringLiteral("tomewright_%1.ts").arg(language));
        QFile::remove(copy);
        QVERIFY(QFile::copy(
            QStringLiteral(TOMEWRIGHT_SOURCE_DIR "/translations/tomewright_%1.ts").arg(language),
            copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(TOMEWRIGHT_SOURCE_DIR));
        lupdate.start(QStringLiteral(TOMEWRIGHT_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("app"), QStringLiteral("dialogs"), QStringLiteral("ui"),
                       QStringLiteral("library"), QStringLiteral("tools"), QStringLiteral("-ts"),
                       copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QStringList problems;
        for (const Message& message : readTs(copy)) {
            if (!message.type.isEmpty())
                problems << QStringLiteral("%1 \"%2\" is %3")
                                .arg(message.context, message.source, message.type);
        }
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1: run the update_translations target and "
                                           "translate:\n%2")
                                .arg(language, problems.join(QLatin1Char('\n')))));
    }
}

void TestTranslations::languageFromTheUsersList_data() {
    QTest::addColumn<QStringList>("userLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German of Germany") << QStringList{"de-DE", "en-US"} << "de";
    QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("as LANG gives it") << QStringList{"de_DE.UTF-8"} << "de";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "en";
    QTest::newRow("Spanish, then French") << QStringList{"es-ES", "fr"} << "fr";
    QTest::newRow("only languages without a translation") << QStringList{"es", "pt-BR"} << "en";
    QTest::newRow("the C locale") << QStringList{"C"} << "en";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void TestTranslations::languageFromTheUsersList() {
    QFETCH(QStringList, userLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Language::chooseFrom(userLanguages), chosen);
}

void TestTranslations::numbersAndQtsOwnTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("shown");
    for (const auto& [language, forms] :
         QList<QPair<QString, QStringList>>{{"en", {"0 problems", "1 problem", "2 problems"}},
                                            {"de", {"0 Probleme", "1 Problem", "2 Probleme"}},
                                            {"fr", {"0 problème", "1 problème", "2 problèmes"}}}) {
        for (int n = 0; n <= 2; ++n)
            QTest::addRow("%s, %d problems", qPrintable(language), n)
                << language << "problems" << n << forms[n];
    }
    QTest::newRow("en, level 1") << "en"
                                 << "level" << 1 << "1st";
    QTest::newRow("en, level 12") << "en"
                                  << "level" << 12 << "12th";
    QTest::newRow("en, level 22") << "en"
                                  << "level" << 22 << "22nd";
    QTest::newRow("de, level 21") << "de"
                                  << "level" << 21 << "21.";
    QTest::newRow("fr, level 1") << "fr"
                                 << "level" << 1 << "1er";
    QTest::newRow("fr, level 21") << "fr"
                                  << "level" << 21 << "21e";
    QTest::newRow("fr, level 3") << "fr"
                                 << "level" << 3 << "3e";
    QTest::newRow("en, Cancel") << "en"
                                << "cancel" << 0 << "Cancel";
    QTest::newRow("de, Cancel") << "de"
                                << "cancel" << 0 << "Abbrechen";
    QTest::newRow("fr, Cancel") << "fr"
                                << "cancel" << 0 << "Annuler";
}

void TestTranslations::numbersAndQtsOwnTexts() {
    QFETCH(QString, language);
    QFETCH(QString, what);
    QFETCH(int, n);
    QFETCH(QString, shown);
    speak(language);
    if (what == QLatin1String("problems")) {
        QCOMPARE(QCoreApplication::translate("cli", "%n problem(s)", nullptr, n), shown);
    } else if (what == QLatin1String("level")) {
        QCOMPARE(CasterClasses::levelDisplayText(n), shown);
    } else {
        // Qt's own buttons come from Qt's translations, loaded with the program's.
        const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_%1.qm").arg(language);
        if (language != QLatin1String("en") && !QFile::exists(qtFile))
            QSKIP("Qt's translations are not installed (scripts/ensure-deps installs them)");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), shown);
    }
}

void TestTranslations::everyTextOfTheWindowsIsTranslated() {
    speak(QString());
    auto* marking = new MarkingTranslator;
    marking->setParent(qApp);
    QCoreApplication::installTranslator(marking);
    // The catalogue's own texts are data (school, frequency and spell names), and so are the
    // caster's name, the program's name and the percentages.
    const QStringList data = {"lstSchools", "cboFrequency",     "cboSpells",        "txtName",
                              "lblTitle",   "SB_Spells_Panel2", "SB_Spells_Panel3", "cboPercent"};
    {
        Frm_Main window(m_fixture.folder());
        QVERIFY(window.Form_Load());
        window.show();
        const QStringList found = unmarkedTexts(&window, data);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        QVERIFY(window.windowTitle().contains(QStringLiteral("Tomewright")));
    }
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{new Frm_Prefs(Constants::Settings), new frmAbout()}) {
        const std::unique_ptr<QDialog> owned(dialog);
        dialog->show();
        QStringList found = unmarkedTexts(dialog, data);
        if (!dialog->windowTitle().startsWith(QChar(0x27e6)))
            found << QStringLiteral("title \"%1\"").arg(dialog->windowTitle());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
}

void TestTranslations::windowTextsFitAndKeysDoNotClash_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TestTranslations::windowTextsFitAndKeysDoNotClash() {
    QFETCH(QString, language);
    speak(language);
    Frm_Main window(m_fixture.folder());
    QVERIFY(window.Form_Load());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // What a German or French user sees is not English.
    QVERIFY2(window.findChild<QMenu*>("File_Menu")->title() != QLatin1String("&File"),
             "the window is still English");

    QStringList problems = cutTexts(&window);
    problems << menuClashes(QStringLiteral("menu bar"), window.menuBar()->actions());
    for (QMenu* menu : window.findChildren<QMenu*>())
        problems << menuClashes(menu->title().isEmpty() ? menu->objectName() : menu->title(),
                                menu->actions());

    for (QDialog* dialog : std::initializer_list<QDialog*>{
             new Frm_Prefs(Constants::Settings, &window), new frmAbout(&window)}) {
        const std::unique_ptr<QDialog> owned(dialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        problems << cutTexts(dialog) << keyClashes(dialog);
    }
    // The catalogue window: its find box, filters and check box share one window's keys.
    window.Tools_Catalogue_Click();
    CatalogueWindow* catalogue = window.catalogueWindow();
    QVERIFY(catalogue);
    QVERIFY(QTest::qWaitForWindowExposed(catalogue));
    problems << cutTexts(catalogue) << keyClashes(catalogue);
    for (QMenu* menu : catalogue->findChildren<QMenu*>())
        problems << menuClashes(menu->objectName(), menu->actions());
    // The import dialog, as it shows a file with a refused row.
    const QString file = m_dir.filePath(QStringLiteral("homebrew.csv"));
    QVERIFY(QFile::copy(QStringLiteral(TOMEWRIGHT_DATA_DIR "/samples/homebrew.csv"), file));
    OpenFileDialog::setHandler([file](const QString&, const QString&) { return file; });
    catalogue->findChild<QPushButton*>(QStringLiteral("cmdImportSpells"))->click();
    OpenFileDialog::setHandler(nullptr);
    auto* import = catalogue->findChild<ImportSpellsDialog*>();
    QVERIFY(import);
    QVERIFY(QTest::qWaitForWindowExposed(import));
    problems << cutTexts(import) << keyClashes(import);
    import->close();
    QFile::remove(file);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::bookKeepsEnglishDetailsInAnyLanguage() {
    speak(QStringLiteral("de"));
    const QString path = m_dir.filePath(QStringLiteral("Nekromantin.twbook"));
    {
        Frm_Main window(m_fixture.folder());
        QVERIFY(window.Form_Load());
        auto* level = window.findChild<QComboBox*>("cboLevel");
        auto* caster = window.findChild<QComboBox*>("cboClass");
        auto* volume = window.findChild<QComboBox*>("cboVolume");
        window.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Ilse"));
        level->setCurrentIndex(level->findData(9));
        caster->setCurrentIndex(caster->findData(QStringLiteral("NECROMANCER")));
        volume->setCurrentIndex(volume->findData(5));
        // What a German user reads.
        QCOMPARE(level->currentText(), QString("9."));
        QCOMPARE(caster->currentText(), QString("NEKROMANT"));
        QCOMPARE(volume->currentText(), QString("Voll (10-30 Zauber/Grad)"));
        window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
        QVERIFY2(!window.spellRows().isEmpty(), qPrintable(m_messages.join('\n')));
        // The class's schools were excluded: necromancers keep Necromancy, lose Enchantment.
        QStringList excluded;
        auto* schools = window.findChild<QListWidget*>("lstSchools");
        for (int row = 0; row < schools->count(); ++row) {
            if (schools->item(row)->checkState() == Qt::Checked)
                excluded << schools->item(row)->text();
        }
        QVERIFY2(excluded.contains("Enchantment") && !excluded.contains("Necromancy"),
                 qPrintable(excluded.join(", ")));

        const GeneratedBook book = window.currentDocument().book;
        QCOMPARE(book.casterLevel, QString("9th"));
        QCOMPARE(book.casterClass, QString("NECROMANCER"));
        QCOMPARE(book.volume, QString("Full (10-30 spells/ level)"));
        // Level 1 has one spell: the German note in the status bar still gives the level.
        QCOMPARE(book.limitedLevels, QList<int>{1});
        BookFile::write(window.currentDocument(), path);
    }
    // The book opens in French as what it is.
    speak(QStringLiteral("fr"));
    Frm_Main window(m_fixture.folder());
    QVERIFY(window.Form_Load());
    QVERIFY2(window.openBook(path), qPrintable(m_messages.join('\n')));
    QCOMPARE(window.findChild<QComboBox*>("cboLevel")->currentText(), QString("9e"));
    QCOMPARE(window.findChild<QComboBox*>("cboClass")->currentText(), QString("NÉCROMANCIEN"));
    QCOMPARE(window.findChild<QComboBox*>("cboVolume")->currentText(),
             QString("Complet (10-30 sorts/niveau)"));
    QCOMPARE(window.currentDocument().book.limitedLevels, QList<int>{1});
    QCOMPARE(window.currentDocument().book.casterClass, QString("NECROMANCER"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
