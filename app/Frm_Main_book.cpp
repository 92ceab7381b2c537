// The main window's book as a document: new, open, save, the modified state, pins and
// re-rolls.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "library/CasterClasses.h"
#include "ui/BusyCursor.h"
#include "ui/ComboBox.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/RecentFiles.h"
#include "ui/SaveChangesQuestion.h"
#include "ui/SaveFileDialog.h"
#include "ui/TwError.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QScopeGuard>
#include <QToolButton>
#include <optional>

namespace {
const char* const kBookFilter = QT_TRANSLATE_NOOP("Frm_Main", "Tomewright spellbooks (*.twbook)");
} // namespace

void Frm_Main::connectBookHandlers() {
    m_caption = windowTitle();
    connect(ui->File_New, &QAction::triggered, this, [this] { File_New_Click(); });
    connect(ui->File_Open, &QAction::triggered, this, [this] { File_Open_Click(); });
    connect(ui->File_Save, &QAction::triggered, this, [this] { File_Save_Click(); });
    connect(ui->File_SaveAs, &QAction::triggered, this, [this] { File_SaveAs_Click(); });
    connect(PopUp_Pin, &QAction::triggered, this, [this] { PopUp_Pin_Click(); });
    connect(PopUp_RerollLevel, &QAction::triggered, this, [this] { PopUp_RerollLevel_Click(); });
    connect(PopUp_RerollBook, &QAction::triggered, this, [this] { PopUp_RerollBook_Click(); });
    // The caster details are the book's request: changing them changes the book, once there
    // is a book.
    const auto detailsEdited = [this] {
        if (ui->LV_Spells->topLevelItemCount() > 0 || !m_bookPath.isEmpty())
            markEdited();
    };
    connect(ui->txtName, &QLineEdit::textEdited, this, detailsEdited);
    for (QComboBox* combo : {ui->cboLevel, ui->cboClass, ui->cboVolume, ui->cboFrequency})
        connect(combo, &QComboBox::activated, this, detailsEdited);
    connect(ui->lstSchools, &QListWidget::itemChanged, this, detailsEdited);
}

void Frm_Main::setBookModified(bool modified) {
    setWindowModified(modified);
}

void Frm_Main::markEdited() {
    if (!m_applyingDocument)
        setBookModified(true);
}

void Frm_Main::updateCaption() {
    QString caption = m_caption;
    if (!m_bookPath.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(m_bookPath).fileName();
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void Frm_Main::setBookPath(const QString& path) {
    m_bookPath = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    updateCaption();
}

void Frm_Main::bookIsInFile(const QString& path) {
    setBookPath(path);
    setBookModified(false);
    RecentFiles::add(m_bookPath);
    refreshRecentMenu();
}

void Frm_Main::refreshRecentMenu() {
    ui->File_Recent->clear();
    const QStringList files = RecentFiles::list();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        //: An entry of File > Open Recent: its number (the key that picks it) and file name.
        QAction* entry =
            ui->File_Recent->addAction(tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { openBook(path); });
    }
    ui->File_Recent->setEnabled(!files.isEmpty());
}

bool Frm_Main::maybeSaveChanges() {
    if (!isWindowModified())
        return true;
    const QString name = casterName().isEmpty() ? tr("an unnamed caster") : casterName();
    //: %1 is a caster's name, or "an unnamed caster".
    switch (SaveChangesQuestion::ask(this, tr("Save changes to the spellbook of %1?").arg(name))) {
    case SaveChangesQuestion::Answer::Save:
        return File_Save_Click();
    case SaveChangesQuestion::Answer::Discard:
        return true;
    case SaveChangesQuestion::Answer::Cancel:
        break;
    }
    return false;
}

GeneratedBook Frm_Main::currentBook() const {
    GeneratedBook book;
    book.caster = casterName();
    book.casterLevel = pickedLevel();
    book.casterClass = pickedClass();
    book.volume = pickedVolume();
    book.frequency = ui->cboFrequency->currentText();
    book.hasSeed = m_hasSeed;
    book.seed = m_lastSeed;
    for (int row = 0; row < ui->lstSchools->count(); ++row) {
        if (ui->lstSchools->item(row)->checkState() == Qt::Checked)
            book.excludedSchools << ui->lstSchools->item(row)->text();
    }
    book.limitedLevels = BookExport::limitedLevelsFromNote(m_lastNote);
    book.spells = spellRows();
    return book;
}

SpellbookDocument Frm_Main::currentDocument() const {
    SpellbookDocument document;
    document.book = currentBook();
    document.customCounts = m_bookCustomCounts;
    document.specialistPercent = m_bookSpecialistPercent;
    return document;
}

void Frm_Main::resetBookDetails() {
    m_bookCustomCounts.clear();
    for (int level = 1; level <= 9; ++level)
        m_bookCustomCounts << Constants::Settings.defaultFor(level);
    m_bookSpecialistPercent = Constants::Settings.SpecialistPercentIndex * 10;
}

bool Frm_Main::File_New_Click() {
    if (!maybeSaveChanges())
        return false;
    {
        m_applyingDocument = true;
        const auto done = qScopeGuard([this] { m_applyingDocument = false; });
        UpdateLock lock(ui->LV_Spells);
        ui->LV_Spells->clear();
        ui->txtName->clear();
        ui->cboLevel->setCurrentIndex(-1);
        pickComboRowByData(ui->cboClass, CasterClasses::kGeneralist);
        ui->cboVolume->setCurrentIndex(2);
        if (!pickComboRowByText(ui->cboFrequency, QStringLiteral("Very Rare")))
            ui->cboFrequency->setCurrentIndex(-1);
        for (int row = 0; row < ui->lstSchools->count(); ++row)
            ui->lstSchools->item(row)->setCheckState(Qt::Unchecked);
        m_sorted = false;
        m_sortToggle = false;
        ui->LV_Spells->header()->setSortIndicatorShown(false);
    }
    m_hasSeed = false;
    m_lastSeed = 0;
    m_lastNote.clear();
    showSeed();
    setStatusText(2, QString());
    setStatusText(3, QString());
    DisableFindControls();
    setBookPath(QString());
    resetBookDetails();
    setBookModified(false);
    ui->txtName->setFocus();
    return true;
}

bool Frm_Main::File_Open_Click() {
    if (!maybeSaveChanges())
        return false;
    const QString folder =
        m_bookPath.isEmpty() ? documentsFolder() : QFileInfo(m_bookPath).absolutePath();
    const QString path =
        OpenFileDialog::choose(this, tr("Open Spellbook"), folder, tr(kBookFilter));
    return !path.isEmpty() && loadBook(path);
}

bool Frm_Main::openBook(const QString& path) {
    return maybeSaveChanges() && loadBook(path);
}

bool Frm_Main::loadBook(const QString& path) {
    SpellbookDocument document;
    try {
        document = BookFile::read(path);
        const QString& frequency = document.book.frequency;
        if (!frequency.isEmpty() && ui->cboFrequency->findText(frequency) < 0)
            throw TwError(-1, QStringLiteral("Open"),
                          tr("\"%1\" asks for the frequency \"%2\", which this spell database "
                             "does not have.")
                              .arg(QDir::toNativeSeparators(path), frequency));
    } catch (const TwError& error) {
        if (!QFileInfo::exists(path)) {
            RecentFiles::remove(path);
            refreshRecentMenu();
        }
        MessageBox::show(this, error.description().trimmed());
        return false;
    }
    applyDocument(document);
    bookIsInFile(path);
    return true;
}

void Frm_Main::applyDocument(const SpellbookDocument& document) {
    const GeneratedBook& book = document.book;
    m_applyingDocument = true;
    const auto done = qScopeGuard([this] { m_applyingDocument = false; });
    {
        UpdateLock lock(ui->LV_Spells);
        ui->txtName->setText(book.caster);
        // The book names them as stored ("9th"); the lists may show them in another language.
        int level = 0;
        for (int candidate = 1; candidate <= CasterClasses::kHighestCasterLevel; ++candidate) {
            if (CasterClasses::levelText(candidate) == book.casterLevel)
                level = candidate;
        }
        if (!pickComboRowByData(ui->cboLevel, level))
            ui->cboLevel->setCurrentIndex(-1);
        pickComboRowByData(ui->cboClass, book.casterClass);
        pickComboRowByData(ui->cboVolume,
                           qint32(CasterClasses::volumeNames().indexOf(book.volume) + 1));
        if (!pickComboRowByText(ui->cboFrequency, book.frequency))
            ui->cboFrequency->setCurrentIndex(-1);
        for (int row = 0; row < ui->lstSchools->count(); ++row) {
            QListWidgetItem* school = ui->lstSchools->item(row);
            school->setCheckState(book.excludedSchools.contains(school->text()) ? Qt::Checked
                                                                                : Qt::Unchecked);
        }
        ui->LV_Spells->clear();
        m_sorted = false;
        m_sortToggle = false;
        ui->LV_Spells->header()->setSortIndicatorShown(false);
        for (const SpellRow& row : book.spells)
            appendSpellRow(row);
        // An opened book is read from its first row, wherever the last one was scrolled to.
        ui->LV_Spells->scrollToTop();
    }
    m_hasSeed = book.hasSeed;
    m_lastSeed = book.seed;
    showSeed();
    m_lastNote.clear();
    if (!book.limitedLevels.isEmpty()) {
        QStringList levels;
        for (int level : book.limitedLevels)
            levels << QString::number(level);
        m_lastNote = TW_Library::limitedNote(levels.join(QStringLiteral(", ")));
    }
    setStatusText(2, QString());
    setStatusText(3, m_lastNote);
    m_bookCustomCounts = document.customCounts;
    m_bookSpecialistPercent = document.specialistPercent;
    EnableFindControls();
}

bool Frm_Main::File_Save_Click() {
    return m_bookPath.isEmpty() ? File_SaveAs_Click() : saveBook(m_bookPath);
}

bool Frm_Main::File_SaveAs_Click() {
    const QString suggested =
        !m_bookPath.isEmpty()
            ? m_bookPath
            : QDir(documentsFolder())
                  .filePath(
                      (casterName().isEmpty() ? tr("Spellbook", "A file name") : casterName()) +
                      QLatin1Char('.') + BookFile::kSuffix);
    QString path =
        SaveFileDialog::choose(this, tr("Save Spellbook As"), suggested, tr(kBookFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(BookFile::kSuffix, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + BookFile::kSuffix;
    return saveBook(path);
}

bool Frm_Main::saveBook(const QString& path) {
    try {
        BusyCursor busy;
        BookFile::write(currentDocument(), path);
    } catch (const TwError& error) {
        MessageBox::show(this, error.description().trimmed());
        return false;
    }
    bookIsInFile(path);
    return true;
}

void Frm_Main::showPin(QTreeWidgetItem* item, bool pinned) {
    item->setData(0, kPinnedRole, pinned);
    item->setIcon(0, pinned ? QIcon(QStringLiteral(":/icons/pin.svg")) : QIcon());
    // Read out with the row by a screen reader, which does not see the icon.
    item->setData(0, Qt::AccessibleDescriptionRole, pinned ? tr("Pinned") : QString());
}

void Frm_Main::PopUp_Pin_Click() {
    QList<QTreeWidgetItem*> items = ui->LV_Spells->selectedItems();
    if (items.isEmpty() && ui->LV_Spells->currentItem())
        items << ui->LV_Spells->currentItem();
    if (items.isEmpty())
        return;
    // Pins the selection; a selection already all pinned is unpinned.
    bool pin = false;
    for (const QTreeWidgetItem* item : items)
        pin = pin || !item->data(0, kPinnedRole).toBool();
    for (QTreeWidgetItem* item : items)
        showPin(item, pin);
    markEdited();
}

void Frm_Main::PopUp_RerollLevel_Click() {
    const QTreeWidgetItem* item = ui->LV_Spells->currentItem();
    if (!item && !ui->LV_Spells->selectedItems().isEmpty())
        item = ui->LV_Spells->selectedItems().first();
    if (!item) {
        setStatusText(3, tr("Pick a spell of the level to re-roll."));
        return;
    }
    rerollLevels({item->text(1).trimmed().toInt()});
}

void Frm_Main::PopUp_RerollBook_Click() {
    rerollLevels({});
}

void Frm_Main::rerollLevels(const QList<int>& levels) {
    if (ui->LV_Spells->topLevelItemCount() == 0) {
        setStatusText(3, tr("There are no spells to re-roll."));
        return;
    }
    BusyCursor busy;
    try {
        setStatusText(3, QString());
        // The same checks as a Generate: the caster details are the book's request.
        DefineParamterValues();
        if (!Constants::MyLibrary)
            throw TwError(-1, QStringLiteral("RerollSpellbook"),
                          tr("The spell database is not open."));
        const BookParameters& p = m_parameters;
        const QList<SpellRow> book = Constants::MyLibrary->RerollSpellbook(
            *this, spellRows(), levels, p.pIncludeCoreSchools, p.pExcludeSchools, p.pCasterClass,
            p.pSpellbookFrequency, m_bookSpecialistPercent / 10,
            BookExport::limitedLevelsFromNote(m_lastNote));
        {
            UpdateLock lock(ui->LV_Spells);
            ui->LV_Spells->clear();
            for (const SpellRow& row : book)
                appendSpellRow(row);
            keepSorted();
        }
        m_lastNote = statusText(3);
        ResetParameters();
        setStatusText(2, QString());
        pbarSpells->setValue(0);
        setBookModified(true);
    } catch (const std::exception& caught) {
        // The book stays as it was; the status bar says why nothing changed.
        const auto* error = dynamic_cast<const TwError*>(&caught);
        const QString message = error ? error->description() : QString::fromUtf8(caught.what());
        ResetParameters();
        setStatusText(2, QString());
        pbarSpells->setValue(0);
        setStatusText(3, message.trimmed());
    }
}
