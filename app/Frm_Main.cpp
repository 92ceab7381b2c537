// The main window: construction, the load and unload steps, and the selection lists.
#include "app/Frm_Main.h"

#include "app/Constants.h"
#include "app/StartupLoader.h"
#include "library/CasterClasses.h"
#include "ui/Accessibility.h"
#include "ui/ComboBox.h"
#include "ui/FirstFrame.h"
#include "ui/MessageBox.h"
#include "ui/TwError.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

namespace {
// Column widths of the spell list at start, in pixels.
const int kColumnWidths[] = {220, 45, 80, 190, 150, 45};
} // namespace

Frm_Main::Frm_Main(const QString& programFolder, const QString& databasePath, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Frm_Main>()), m_programFolder(programFolder),
      m_databasePath(databasePath.isEmpty()
                         ? QDir(programFolder).filePath(QStringLiteral("Spells.mdb"))
                         : databasePath) {
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/tomewright.svg")));
    for (int column = 0; column < 6; ++column)
        ui->LV_Spells->setColumnWidth(column, kColumnWidths[column]);
    ui->LV_Spells->header()->setSectionsClickable(true);
    ui->LV_Spells->header()->setSortIndicatorShown(false);
    buildToolbar();
    buildStatusBar();
    buildPopUpMenus();
    connectHandlers();
    describeControls();

    // The toolbar buttons stand between the spell list and the school list in the tab order.
    setTabOrder(ui->LV_Spells, m_printButton);
    setTabOrder(m_printButton, m_generateButton);
    setTabOrder(m_generateButton, ui->lstSchools);
    // Nothing to print before the first book.
    m_printButton->setEnabled(false);
}

Frm_Main::~Frm_Main() = default;

void Frm_Main::buildToolbar() {
    auto* printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("PrintSpellbookMenu"));
    QAction* print = printMenu->addAction(QIcon(QStringLiteral(":/icons/print.svg")), kPrintKey);
    print->setData(kPrintKey);
    print->setObjectName(QStringLiteral("File_Print"));
    print->setShortcut(QKeySequence::Print);
    QAction* divider = printMenu->addSeparator();
    divider->setText(QStringLiteral("-"));
    divider->setData(QStringLiteral("Divider1"));
    QAction* preview =
        printMenu->addAction(QIcon(QStringLiteral(":/icons/preview.svg")), kPreviewKey);
    preview->setData(kPreviewKey);
    preview->setObjectName(QStringLiteral("File_Preview"));
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    // The same entries in the File menu, where their shortcuts show.
    ui->File_Menu->insertAction(ui->File_SavePdf, ui->File_Generate);
    ui->File_Menu->insertAction(ui->File_SavePdf, preview);
    ui->File_Menu->insertAction(ui->File_SavePdf, print);
    ui->File_Menu->insertSeparator(ui->File_SavePdf);
    // Shortcuts work wherever the focus is in the window.
    addActions({ui->File_Generate, preview, print});
    connect(printMenu, &QMenu::triggered, this,
            [this](QAction* entry) { Toolbar1_ButtonMenuClick(entry->data().toString()); });

    m_printButton = new QToolButton(this);
    m_printButton->setObjectName(kPrintKey);
    m_printButton->setText(kPrintKey);
    m_printButton->setToolTip(QStringLiteral("%1 (%2)").arg(
        kPrintKey, QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText)));
    m_printButton->setIcon(QIcon(QStringLiteral(":/icons/print.svg")));
    m_printButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_printButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_printButton->setMenu(printMenu);
    m_printButton->setFocusPolicy(Qt::TabFocus);
    connect(m_printButton, &QToolButton::clicked, this,
            [this] { Toolbar1_ButtonClick(kPrintKey, kPrintKey); });
    ui->Toolbar1->addWidget(m_printButton);

    m_generateButton = new QToolButton(this);
    m_generateButton->setObjectName(kGenerateKey);
    m_generateButton->setText(kGenerateKey);
    m_generateButton->setToolTip(QStringLiteral("%1 (%2)").arg(
        kGenerateKey, ui->File_Generate->shortcut().toString(QKeySequence::NativeText)));
    m_generateButton->setIcon(QIcon(QStringLiteral(":/icons/generate.svg")));
    m_generateButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_generateButton->setFocusPolicy(Qt::TabFocus);
    connect(m_generateButton, &QToolButton::clicked, this,
            [this] { Toolbar1_ButtonClick(kGenerateKey, kGenerateKey); });
    ui->Toolbar1->addWidget(m_generateButton);
}

void Frm_Main::buildStatusBar() {
    // The progress bar covers the first panel; the program writes into panels 2 and 3.
    pbarSpells = new QProgressBar(this);
    pbarSpells->setObjectName(QStringLiteral("pbarSpells"));
    pbarSpells->setRange(0, 100);
    pbarSpells->setValue(0);
    pbarSpells->setTextVisible(false);
    pbarSpells->setFixedWidth(190);
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("SB_Spells_Panel2"));
    m_panel2->setMinimumWidth(67);
    m_panel3 = new QLabel(this);
    m_panel3->setObjectName(QStringLiteral("SB_Spells_Panel3"));
    ui->SB_Spells->addWidget(pbarSpells);
    ui->SB_Spells->addWidget(m_panel2);
    ui->SB_Spells->addWidget(m_panel3, 1);
}

void Frm_Main::buildPopUpMenus() {
    // Context menus over the spell list; they never appear in the menu bar.
    Menu_PopUp = new QMenu(QStringLiteral("PopUpMenu"), this);
    Menu_PopUp->setObjectName(QStringLiteral("Menu_PopUp"));
    PopUp_Remove = Menu_PopUp->addAction(QStringLiteral("&Remove Spell (s)"));
    PopUp_Remove->setObjectName(QStringLiteral("PopUp_Remove"));
    Menu_PopUp->addSeparator()->setObjectName(QStringLiteral("Divider1"));
    PopUp_Replace = Menu_PopUp->addAction(QStringLiteral("&Replace Spell (s)"));
    PopUp_Replace->setObjectName(QStringLiteral("PopUp_Replace"));

    Menu_Pop2 = new QMenu(QStringLiteral("PopUp2"), this);
    Menu_Pop2->setObjectName(QStringLiteral("Menu_Pop2"));
    Menu_Pop2->addAction(QStringLiteral("&Add to Spellbook"))
        ->setObjectName(QStringLiteral("Pop2_Add"));
}

void Frm_Main::connectHandlers() {
    connect(ui->File_Exit, &QAction::triggered, this, [this] { File_Exit_Click(); });
    connect(ui->File_Generate, &QAction::triggered, this,
            [this] { Toolbar1_ButtonClick(kGenerateKey, kGenerateKey); });
    connect(ui->Tools_Core, &QAction::triggered, this, [this] { Tools_Core_Click(); });
    // A pick by the user; a text set from code is not a click.
    connect(ui->cboClass, &QComboBox::activated, this, [this] { cboClass_Click(); });
    connect(ui->cmdAllSchools, &QPushButton::clicked, this, [this] { SelectAllSchools(); });
    connect(ui->cmdNoneSchools, &QPushButton::clicked, this, [this] { ClearAllSchools(); });
    connect(ui->cmdAdd, &QToolButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(ui->txtFind, &QLineEdit::textChanged, this, [this] { txtFind_Change(); });
    connect(ui->LV_Spells->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { LV_Spells_ColumnClick(column); });
    connect(ui->LV_Spells, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { LV_Spells_RightClick(position); });
    connect(PopUp_Remove, &QAction::triggered, this, [this] { PopUp_Remove_Click(); });
    connect(PopUp_Replace, &QAction::triggered, this, [this] { PopUp_Replace_Click(); });
    connect(ui->File_SavePdf, &QAction::triggered, this, [this] { File_SavePdf_Click(); });
    connect(ui->File_Export, &QAction::triggered, this, [this] { File_Export_Click(); });
    connect(ui->Tools_Options, &QAction::triggered, this, [this] { Tools_Options_Click(); });
    connect(ui->About_Tomewright, &QAction::triggered, this, [this] { About_Tomewright_Click(); });
}

void Frm_Main::describeControls() {
    // The platform's own keys where it has them.
    ui->File_SavePdf->setShortcut(QKeySequence::Save);
    ui->File_Exit->setShortcut(QKeySequence::Quit);
    nameControlsFromLabels(this);
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(ui->lstSchools, QStringLiteral("Exclude the following Schools"),
             QStringLiteral("Checked schools are left out of the spellbook"));
    describe(ui->cmdAllSchools, QStringLiteral("All"), QStringLiteral("Exclude every school"));
    describe(ui->cmdNoneSchools, QStringLiteral("None"), QStringLiteral("Exclude no school"));
    describe(ui->LV_Spells, QStringLiteral("Spells"),
             QStringLiteral("The spellbook: name, level, frequency, schools, book and page"));
    describe(ui->cmdAdd, QStringLiteral("Add to Spellbook"), ui->cmdAdd->toolTip());
    describe(m_printButton, kPrintKey, m_printButton->toolTip());
    describe(m_generateButton, kGenerateKey, m_generateButton->toolTip());
    describe(pbarSpells, QStringLiteral("Progress"),
             QStringLiteral("Progress of the spellbook being generated"));
    describe(m_panel2, QStringLiteral("Status"), QStringLiteral("What Tomewright is doing"));
    describe(m_panel3, QStringLiteral("Message"), QStringLiteral("The result of the last request"));
}

bool Frm_Main::Form_Load() {
    StartupLoader loader(m_databasePath, Constants::Settings);
    return Form_Load(loader, true);
}

bool Frm_Main::Form_Load(StartupLoader& loader) {
    return Form_Load(loader, false);
}

bool Frm_Main::Form_Load(StartupLoader& loader, bool chooserNow) {
    StartupCatalogue catalogue;
    try {
        catalogue = loader.take();
    } catch (const TwError& error) {
        MessageBox::show(nullptr, error.description().trimmed());
        return false;
    }
    Constants::MyLibrary = std::move(catalogue.library);
    try {
        FillLevelList();
        FillClassList();
        FillVolumeList();
        FillFrequencyList(catalogue.frequencies);
        FillSchoolList(catalogue.schools);
        if (chooserNow) {
            FillSpellList(catalogue.spells, catalogue.descriptions);
        } else {
            runAfterFirstFrame(
                this, [this, spells = catalogue.spells, descriptions = catalogue.descriptions] {
                    try {
                        FillSpellList(spells, descriptions);
                    } catch (const std::exception& error) {
                        setStatusText(3, QString::fromUtf8(error.what()).trimmed());
                    }
                });
        }
        LoadCoreSchools();
        Constants::Settings.LimitByFrequency = true;
        Constants::Settings.SpecialistPercent = QStringLiteral("50%");
        Constants::Settings.SpecialistPercentIndex = 5;
        return true;
    } catch (const TwError& error) {
        MessageBox::show(nullptr, error.description().trimmed());
    } catch (const std::exception& error) {
        MessageBox::show(nullptr, QString::fromUtf8(error.what()).trimmed());
    }
    Constants::MyLibrary.reset();
    return false;
}

void Frm_Main::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Frm_Main::Form_Unload() {
    Constants::MyLibrary.reset();
}

void Frm_Main::File_Exit_Click() {
    // Ends at once, without the unload step.
    QCoreApplication::exit(0);
}

void Frm_Main::FillLevelList() {
    ui->cboLevel->clear();
    for (int level = 1; level <= CasterClasses::kHighestCasterLevel; ++level) {
        ui->cboLevel->addItem(CasterClasses::levelText(level));
        ui->cboLevel->setItemData(level - 1, level);
    }
    ui->cboLevel->setCurrentIndex(-1);
}

void Frm_Main::FillClassList() {
    ui->cboClass->clear();
    ui->cboClass->addItems(CasterClasses::classNames());
    pickComboRowByText(ui->cboClass, CasterClasses::kGeneralist);
}

void Frm_Main::FillVolumeList() {
    ui->cboVolume->clear();
    const QStringList& volumes = CasterClasses::volumeNames();
    for (int row = 0; row < volumes.size(); ++row) {
        ui->cboVolume->addItem(volumes[row]);
        ui->cboVolume->setItemData(row, row + 1);
    }
    pickComboRowByText(ui->cboVolume, ui->cboVolume->itemText(2));
}

void Frm_Main::FillFrequencyList(RecordSet frequencies) {
    ui->cboFrequency->clear();
    if (!frequencies.eof()) {
        frequencies.moveLast();
        frequencies.moveFirst();
        const qsizetype count = frequencies.recordCount();
        for (qsizetype row = 0; row < count; ++row) {
            ui->cboFrequency->addItem(frequencies.text(QStringLiteral("Frequency")));
            ui->cboFrequency->setItemData(
                int(row), qint32(frequencies.value(QStringLiteral("FrequencyID")).toLongLong()));
            frequencies.moveNext();
        }
    }
    // With no "Very Rare" row nothing is picked, and the request asks for a frequency.
    if (!pickComboRowByText(ui->cboFrequency, QStringLiteral("Very Rare")))
        ui->cboFrequency->setCurrentIndex(-1);
}

void Frm_Main::FillSchoolList(RecordSet schools) {
    ui->lstSchools->clear();
    if (schools.eof())
        return;
    UpdateLock lock(ui->lstSchools);
    schools.moveLast();
    schools.moveFirst();
    const qsizetype count = schools.recordCount();
    for (qsizetype row = 0; row < count; ++row) {
        auto* item = new QListWidgetItem(schools.text(QStringLiteral("Sphere_Name")));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        ui->lstSchools->addItem(item);
        schools.moveNext();
    }
}

void Frm_Main::FillSpellList(RecordSet spells, RecordSet descriptions) {
    ui->cboSpells->clear();
    if (spells.eof())
        return;
    spells.moveLast();
    spells.moveFirst();
    const qsizetype count = spells.recordCount();
    QStringList names;
    names.reserve(count);
    for (qsizetype row = 0; row < count; ++row) {
        names << spells.text(QStringLiteral("Name")).trimmed();
        spells.moveNext();
    }
    ui->cboSpells->addItems(names);
    ui->cboSpells->setCurrentIndex(-1);
    // Each entry shows what its spell does as a tool tip.
    QHash<QString, QString> byName;
    for (; !descriptions.eof(); descriptions.moveNext())
        byName.insert(descriptions.text(qsizetype(0)).trimmed(), descriptions.text(qsizetype(1)));
    for (int row = 0; row < ui->cboSpells->count(); ++row) {
        const QString description = byName.value(ui->cboSpells->itemText(row));
        if (!description.isEmpty())
            ui->cboSpells->setItemData(row, description, Qt::ToolTipRole);
    }
}

// The form the generation fills.

void Frm_Main::setProgressMaximum(int maximum) {
    pbarSpells->setMaximum(maximum);
}

void Frm_Main::setProgressValue(int value) {
    pbarSpells->setValue(value);
}

int Frm_Main::progressValue() const {
    return pbarSpells->value();
}

void Frm_Main::setStatusText(int panel, const QString& text) {
    QLabel* label = panel == 2 ? m_panel2 : panel == 3 ? m_panel3 : nullptr;
    if (!label)
        return;
    label->setText(text);
    label->repaint(); // shown at once, also in the middle of a long action
}

QString Frm_Main::statusText(int panel) const {
    const QLabel* label = panel == 2 ? m_panel2 : panel == 3 ? m_panel3 : nullptr;
    return label ? label->text() : QString();
}

void Frm_Main::appendSpellRow(const SpellRow& row) {
    auto* item = new QTreeWidgetItem(
        QStringList{row.name, row.level, row.frequency, row.schools, row.book, row.page});
    // The description rides on the row, as its tool tip, without a column of its own.
    item->setData(0, Qt::UserRole, row.description);
    if (!row.description.isEmpty()) {
        for (int column = 0; column < 6; ++column)
            item->setToolTip(column, row.description);
    }
    ui->LV_Spells->addTopLevelItem(item);
}

QToolButton* Frm_Main::toolbarButton(const QString& key) const {
    if (key == kPrintKey)
        return m_printButton;
    if (key == kGenerateKey)
        return m_generateButton;
    return nullptr;
}
