// The main window: construction, the load and unload steps, and the selection lists.
#include "app/Frm_Main.h"

#include "app/Constants.h"
#include "app/StartupLoader.h"
#include "dialogs/CatalogueWindow.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace {
// The spell list's columns.
enum Column { NameColumn, LevelColumn, FrequencyColumn, SchoolsColumn, BookColumn, PageColumn };
} // namespace

Frm_Main::Frm_Main(const QString& programFolder, const QString& databasePath, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Frm_Main>()), m_programFolder(programFolder),
      m_databasePath(databasePath.isEmpty()
                         ? QDir(programFolder).filePath(QStringLiteral("Spells.mdb"))
                         : databasePath) {
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/tomewright.svg")));
    // The columns share the list's width (see fitColumns); a long name or title is elided.
    ui->LV_Spells->header()->setStretchLastSection(false);
    ui->LV_Spells->setTextElideMode(Qt::ElideRight);
    ui->LV_Spells->viewport()->installEventFilter(this);
    ui->cboSpells->installEventFilter(this);
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
    updatePrintEnabled();
    resetBookDetails();
    refreshRecentMenu();
    updateCaption();
}

Frm_Main::~Frm_Main() {
    // A window of its own, not a child: it goes with this one.
    delete m_catalogueWindow.data();
    // The controls are destroyed after this window's own members: none of their last signals
    // (the list's model emptied, a text cleared) may reach a handler of a window that is gone.
    disconnect(ui->LV_Spells->model(), nullptr, this, nullptr);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void Frm_Main::buildToolbar() {
    auto* printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("PrintSpellbookMenu"));
    QAction* print =
        printMenu->addAction(QIcon(QStringLiteral(":/icons/print.svg")), tr("Print Spellbook"));
    print->setData(kPrintKey);
    print->setObjectName(QStringLiteral("File_Print"));
    print->setShortcut(QKeySequence::Print);
    QAction* divider = printMenu->addSeparator();
    divider->setData(QStringLiteral("Divider1"));
    QAction* preview =
        printMenu->addAction(QIcon(QStringLiteral(":/icons/preview.svg")), tr("Preview Spellbook"));
    preview->setData(kPreviewKey);
    preview->setObjectName(QStringLiteral("File_Preview"));
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    // Each icon file is read once; the entries that show it share it.
    QAction* cards = printMenu->addAction(preview->icon(), tr("Preview Spell Cards"));
    cards->setData(kCardsKey);
    cards->setObjectName(QStringLiteral("File_PreviewCards"));
    // The same entries in the File menu, where their shortcuts show.
    ui->File_Menu->insertAction(ui->File_SavePdf, ui->File_Generate);
    ui->File_Menu->insertAction(ui->File_SavePdf, preview);
    ui->File_Menu->insertAction(ui->File_SavePdf, print);
    ui->File_Menu->insertAction(ui->File_SavePdf, cards);
    ui->File_Menu->insertSeparator(ui->File_SavePdf);
    // Shortcuts work wherever the focus is in the window.
    addActions({ui->File_Generate, preview, print});
    connect(printMenu, &QMenu::triggered, this,
            [this](QAction* entry) { Toolbar1_ButtonMenuClick(entry->data().toString()); });

    m_printButton = new QToolButton(this);
    m_printButton->setObjectName(kPrintKey);
    m_printButton->setText(tr("Print Spellbook"));
    //: A tool tip: a button's text and, in brackets, its key ("Print Spellbook (Ctrl+P)").
    m_printButton->setToolTip(
        tr("%1 (%2)").arg(m_printButton->text(),
                          QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText)));
    m_printButton->setIcon(print->icon());
    m_printButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_printButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_printButton->setMenu(printMenu);
    m_printButton->setFocusPolicy(Qt::TabFocus);
    // The button's face prints, as its drop-down's "Print Spellbook" does.
    connect(m_printButton, &QToolButton::clicked, this,
            [this] { Toolbar1_ButtonMenuClick(kPrintKey); });
    ui->Toolbar1->addWidget(m_printButton);

    m_generateButton = new QToolButton(this);
    m_generateButton->setObjectName(kGenerateKey);
    m_generateButton->setText(tr("Generate Spellbook"));
    //: A tool tip: a button's text and, in brackets, its key ("Generate Spellbook (Ctrl+G)").
    m_generateButton->setToolTip(
        tr("%1 (%2)").arg(m_generateButton->text(),
                          ui->File_Generate->shortcut().toString(QKeySequence::NativeText)));
    m_generateButton->setIcon(ui->File_Generate->icon());
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
    // Shown only while it shows progress: an idle, empty bar looks like a text field. Its place
    // is kept, so the panels beside it do not move.
    QSizePolicy keepPlace = pbarSpells->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    pbarSpells->setSizePolicy(keepPlace);
    pbarSpells->setVisible(false);
    connect(pbarSpells, &QProgressBar::valueChanged, this,
            [this](int value) { pbarSpells->setVisible(value > pbarSpells->minimum()); });
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("SB_Spells_Panel2"));
    m_panel2->setMinimumWidth(67);
    m_panel3 = new QLabel(this);
    m_panel3->setObjectName(QStringLiteral("SB_Spells_Panel3"));
    ui->SB_Spells->addWidget(pbarSpells);
    ui->SB_Spells->addWidget(m_panel2);
    ui->SB_Spells->addWidget(m_panel3, 1);
    m_showPool = new QToolButton(this);
    m_showPool->setObjectName(QStringLiteral("cmdShowPool"));
    m_showPool->setText(tr("Show What Qualifies..."));
    m_showPool->setToolTip(tr("Opens the spell catalogue with the spells this book can draw, "
                              "level by level"));
    m_showPool->setAutoRaise(true);
    m_showPool->hide();
    connect(m_showPool, &QToolButton::clicked, this, [this] { Tools_Catalogue_Click(true); });
    ui->SB_Spells->addWidget(m_showPool);
}

void Frm_Main::buildPopUpMenus() {
    // Context menus over the spell list; they never appear in the menu bar.
    Menu_PopUp = new QMenu(QStringLiteral("PopUpMenu"), this);
    Menu_PopUp->setObjectName(QStringLiteral("Menu_PopUp"));
    PopUp_Remove = Menu_PopUp->addAction(tr("&Remove Spell (s)"));
    PopUp_Remove->setObjectName(QStringLiteral("PopUp_Remove"));
    // Delete removes the selected spells while the list has the focus.
    PopUp_Remove->setShortcut(QKeySequence::Delete);
    PopUp_Remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ui->LV_Spells->addAction(PopUp_Remove);
    Menu_PopUp->addSeparator()->setObjectName(QStringLiteral("Divider1"));
    PopUp_Replace = Menu_PopUp->addAction(tr("&Replace Spell (s)"));
    PopUp_Replace->setObjectName(QStringLiteral("PopUp_Replace"));
    Menu_PopUp->addSeparator();
    PopUp_Pin =
        Menu_PopUp->addAction(QIcon(QStringLiteral(":/icons/pin.svg")), tr("&Pin Spell (s)"));
    PopUp_Pin->setObjectName(QStringLiteral("PopUp_Pin"));
    PopUp_Pin->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    PopUp_RerollLevel = Menu_PopUp->addAction(tr("Re-roll &Level"));
    PopUp_RerollLevel->setObjectName(QStringLiteral("PopUp_RerollLevel"));
    PopUp_RerollLevel->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    PopUp_RerollBook = Menu_PopUp->addAction(tr("Re-roll &Book"));
    PopUp_RerollBook->setObjectName(QStringLiteral("PopUp_RerollBook"));
    PopUp_RerollBook->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    // Their keys work wherever the focus is in the window.
    addActions({PopUp_Pin, PopUp_RerollLevel, PopUp_RerollBook});

    Menu_Pop2 = new QMenu(QStringLiteral("PopUp2"), this);
    Menu_Pop2->setObjectName(QStringLiteral("Menu_Pop2"));
    Menu_Pop2->addAction(tr("&Add to Spellbook"))->setObjectName(QStringLiteral("Pop2_Add"));
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
    connect(ui->txtFind, &QLineEdit::returnPressed, this, [this] { cmdAdd_Click(); });
    // A click on a school's name toggles it, as a click on its box does.
    connect(ui->lstSchools, &QListWidget::itemChanged, this,
            [this] { m_schoolToggledByClick = true; });
    connect(ui->lstSchools, &QListWidget::itemPressed, this,
            [this] { m_schoolToggledByClick = false; });
    connect(ui->lstSchools, &QListWidget::itemClicked, this, [this](QListWidgetItem* school) {
        if (!m_schoolToggledByClick)
            school->setCheckState(school->checkState() == Qt::Checked ? Qt::Unchecked
                                                                      : Qt::Checked);
        m_schoolToggledByClick = false;
    });
    // Print follows the book: a name and at least one spell.
    connect(ui->txtName, &QLineEdit::textChanged, this, [this] { updatePrintEnabled(); });
    QAbstractItemModel* spells = ui->LV_Spells->model();
    connect(spells, &QAbstractItemModel::rowsInserted, this, [this] { updatePrintEnabled(); });
    connect(spells, &QAbstractItemModel::rowsRemoved, this, [this] { updatePrintEnabled(); });
    connect(spells, &QAbstractItemModel::modelReset, this, [this] { updatePrintEnabled(); });
    connect(ui->LV_Spells->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { LV_Spells_ColumnClick(column); });
    connect(ui->LV_Spells, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { LV_Spells_RightClick(position); });
    connect(PopUp_Remove, &QAction::triggered, this, [this] { PopUp_Remove_Click(); });
    connect(PopUp_Replace, &QAction::triggered, this, [this] { PopUp_Replace_Click(); });
    connect(ui->File_SavePdf, &QAction::triggered, this, [this] { File_SavePdf_Click(); });
    connect(ui->File_Export, &QAction::triggered, this, [this] { File_Export_Click(); });
    connect(ui->Tools_Catalogue, &QAction::triggered, this, [this] { Tools_Catalogue_Click(); });
    connect(ui->Tools_Options, &QAction::triggered, this, [this] { Tools_Options_Click(); });
    connect(ui->About_Tomewright, &QAction::triggered, this, [this] { About_Tomewright_Click(); });
    connectBookHandlers();
}

void Frm_Main::describeControls() {
    // The platform's own keys where it has them.
    ui->File_New->setShortcut(QKeySequence::New);
    ui->File_Open->setShortcut(QKeySequence::Open);
    ui->File_Save->setShortcut(QKeySequence::Save);
    ui->File_SaveAs->setShortcut(QKeySequence::SaveAs);
    // Save is Ctrl+S; the PDF keeps a key of its own.
    ui->File_SavePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    ui->File_Exit->setShortcut(QKeySequence::Quit);
    nameControlsFromLabels(this);
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(ui->lstSchools, ui->frsSorts->title(),
             tr("Checked schools are left out of the spellbook"));
    describe(ui->cmdAllSchools, ui->cmdAllSchools->text(), tr("Exclude every school"));
    describe(ui->cmdNoneSchools, ui->cmdNoneSchools->text(), tr("Exclude no school"));
    describe(ui->LV_Spells, ui->fraSpells->title(),
             tr("The spellbook: name, level, frequency, schools, book and page"));
    describe(m_printButton, m_printButton->text(), m_printButton->toolTip());
    describe(m_generateButton, m_generateButton->text(), m_generateButton->toolTip());
    describe(pbarSpells, tr("Progress"), tr("Progress of the spellbook being generated"));
    // The panels' names are their texts (see setStatusText); the descriptions say what they are.
    m_panel2->setAccessibleDescription(tr("Status: what Tomewright is doing"));
    m_panel3->setAccessibleDescription(tr("Message: the result of the last request"));
    //: A tool tip: the button's description and the key that does the same.
    ui->cmdAdd->setToolTip(tr("%1 (Enter)").arg(ui->cmdAdd->toolTip()));
    describe(ui->cmdAdd, tr("Add to Spellbook"), ui->cmdAdd->toolTip());
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
            fillChooser();
        } else {
            runAfterFirstFrame(this, [this] {
                try {
                    fillChooser();
                } catch (const TwError& error) {
                    setStatusText(3, error.description().trimmed());
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
    if (!maybeSaveChanges()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Frm_Main::Form_Unload() {
    // The catalogue window reads through the library: it goes first.
    delete m_catalogueWindow.data();
    Constants::MyLibrary.reset();
}

void Frm_Main::File_Exit_Click() {
    // Ends at once, without the unload step.
    QCoreApplication::exit(0);
}

void Frm_Main::FillLevelList() {
    ui->cboLevel->clear();
    for (int level = 1; level <= CasterClasses::kHighestCasterLevel; ++level) {
        ui->cboLevel->addItem(CasterClasses::levelDisplayText(level), level);
    }
    ui->cboLevel->setCurrentIndex(-1);
}

void Frm_Main::FillClassList() {
    ui->cboClass->clear();
    // Shown in the user's language; the item data is the class as requests and books name it.
    for (const QString& name : CasterClasses::classNames())
        ui->cboClass->addItem(CasterClasses::classDisplayName(name), name);
    pickComboRowByData(ui->cboClass, CasterClasses::kGeneralist);
}

void Frm_Main::FillVolumeList() {
    ui->cboVolume->clear();
    const QStringList& volumes = CasterClasses::volumeNames();
    for (int row = 0; row < volumes.size(); ++row)
        ui->cboVolume->addItem(CasterClasses::volumeDisplayName(volumes[row]), row + 1);
    ui->cboVolume->setCurrentIndex(2);
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

void Frm_Main::fillChooser() {
    FillSpellList(Constants::MyLibrary->FetchAllSpells(),
                  Constants::MyLibrary->FetchSpellDescriptions());
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
    // Panel 3 holds the results a user must hear: failed checks, limited levels.
    publishStatusText(label, text, panel == 3);
    if (panel == 3 && m_showPool)
        m_showPool->setVisible(text.startsWith(TW_Library::limitedNote(QString())));
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
    showPin(item, row.pinned);
    markEdited();
}

QString Frm_Main::pickedLevel() const {
    const int level = ui->cboLevel->currentData().toInt();
    return level > 0 ? CasterClasses::levelText(level) : QString();
}

QString Frm_Main::pickedClass() const {
    return ui->cboClass->currentData().toString();
}

QString Frm_Main::pickedVolume() const {
    const int code = ui->cboVolume->currentData().toInt();
    return CasterClasses::volumeNames().value(code - 1);
}

QToolButton* Frm_Main::toolbarButton(const QString& key) const {
    if (key == kPrintKey)
        return m_printButton;
    if (key == kGenerateKey)
        return m_generateButton;
    return nullptr;
}

void Frm_Main::updatePrintEnabled() {
    m_printButton->setEnabled(!casterName().isEmpty() && ui->LV_Spells->topLevelItemCount() > 0);
}

void Frm_Main::fitColumns() {
    // Level, frequency and page get what their header (with its sort mark) and their longest
    // text need; name, schools and book share the rest of the list's width. The visible width
    // leaves out the vertical scroll bar, so the last column never hides behind it.
    QHeaderView* header = ui->LV_Spells->header();
    const QFontMetrics text(ui->LV_Spells->font());
    const QFontMetrics headerText(header->font());
    const int padding = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) +
                        4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const auto fitted = [&](int column, const QStringList& samples) {
        int width = headerText.horizontalAdvance(ui->LV_Spells->headerItem()->text(column));
        for (const QString& sample : samples)
            width = qMax(width, text.horizontalAdvance(sample));
        return width + padding;
    };
    const int level = fitted(LevelColumn, {QStringLiteral("9")});
    const int frequency =
        fitted(FrequencyColumn, {QStringLiteral("Very Rare"), QStringLiteral("Uncommon")});
    const int page = fitted(PageColumn, {QStringLiteral("9999")});
    const int rest = qMax(0, ui->LV_Spells->viewport()->width() - level - frequency - page);
    const int name = rest * 38 / 100;
    const int schools = rest * 34 / 100;
    ui->LV_Spells->setColumnWidth(NameColumn, name);
    ui->LV_Spells->setColumnWidth(LevelColumn, level);
    ui->LV_Spells->setColumnWidth(FrequencyColumn, frequency);
    ui->LV_Spells->setColumnWidth(SchoolsColumn, schools);
    ui->LV_Spells->setColumnWidth(BookColumn, rest - name - schools);
    ui->LV_Spells->setColumnWidth(PageColumn, page);
}

bool Frm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->LV_Spells->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    if (watched == ui->cboSpells && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdAdd_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
