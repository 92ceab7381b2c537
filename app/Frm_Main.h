#pragma once

#include "library/BookFile.h"
#include "library/BookRequest.h"
#include "library/GenerationForm.h"
#include "ui/ReportJob.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class CatalogueWindow;
struct PoolRequest;

namespace Ui {
class Frm_Main;
}
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolButton;
class QTreeWidgetItem;
class RecordSet;
class StartupLoader;
class TwError;

// The main window: caster details, excluded schools, the spell list and its editing, and the
// requests that generate and print a book.
class Frm_Main : public QMainWindow, public GenerationForm {
    Q_OBJECT

public:
    // The toolbar keys (each button's key, tool tip and tag are the same text).
    static inline const QString kPrintKey = QStringLiteral("Print Spellbook");
    static inline const QString kPreviewKey = QStringLiteral("Preview Spellbook");
    static inline const QString kGenerateKey = QStringLiteral("Generate Spellbook");
    // Where a list row keeps its pin.
    static constexpr int kPinnedRole = Qt::UserRole + 1;
    // The print button's menu entry that previews the book as spell cards.
    static inline const QString kCardsKey = QStringLiteral("Preview Spell Cards");

    // The program's folder holds the report template and, unless another path is given, the
    // spell database Spells.mdb.
    explicit Frm_Main(const QString& programFolder, const QString& databasePath = QString(),
                      QWidget* parent = nullptr);
    ~Frm_Main() override;

    // The load step: opens the library and fills the lists. On failure it shows one message
    // box and returns false; the caller then ends the program without showing the window.
    bool Form_Load();
    // The same with the database opened by a loader started before the window was built; the
    // spell chooser, which the first frame does not show, is filled right after that frame.
    bool Form_Load(StartupLoader& loader);

    // GenerationForm
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    int progressValue() const override;
    void setStatusText(int panel, const QString& text) override;
    void appendSpellRow(const SpellRow& row) override;

    QString statusText(int panel) const;
    QToolButton* toolbarButton(const QString& key) const;

    // School exclusion.
    void cboClass_Click();
    void CheckSchool(const QString& school);
    void UncheckSchool(const QString& school);
    void SelectAllSchools();
    void ClearAllSchools();
    void LoadCoreSchools();
    const QStringList& coreSchools() const { return m_coreSchools; }

    // Toolbar: a button (by key and tag) and an entry of the print button's menu (by tag).
    void Toolbar1_ButtonClick(const QString& key, const QString& tag);
    void Toolbar1_ButtonMenuClick(const QString& tag);
    void File_SavePdf_Click();
    void File_Export_Click();

    // The book as a document: New, Open, Save, Save As and the recent books. Each returns
    // false when the user cancelled or the file could not be read or written (the user was
    // told why); the window and the file on disk are then as they were.
    bool File_New_Click();
    bool File_Open_Click();
    bool File_Save_Click();
    bool File_SaveAs_Click();
    bool openBook(const QString& path);
    const QString& bookPath() const { return m_bookPath; }
    // The book as it would be saved now.
    SpellbookDocument currentDocument() const;

    // The catalogue window (one at a time, beside this one); with qualifying, it shows what
    // qualifies for the current request. The window when it is open, else nullptr.
    void Tools_Catalogue_Click(bool qualifying = false);
    CatalogueWindow* catalogueWindow() const;
    // The request as the controls give it now, for the catalogue window's pool; nullopt when a
    // class, volume or rarest frequency is not chosen or no school is left.
    std::optional<PoolRequest> poolRequest() const;
    // The catalogue has changed (in the catalogue window): the spell chooser is filled again and
    // the next draw reads the catalogue afresh.
    void Catalogue_Changed();

    // Pins and re-rolls: pinned rows stay when the book's levels are drawn again.
    void PopUp_Pin_Click();
    void PopUp_RerollLevel_Click();
    void PopUp_RerollBook_Click();

    // Spell list editing.
    void cmdAdd_Click();
    void LV_Spells_ColumnClick(int column);
    void LV_Spells_RightClick(const QPoint& position);
    void PopUp_Remove_Click();
    void PopUp_Replace_Click();
    void txtFind_Change();
    QList<SpellRow> spellRows() const;

    // The report settings, kept from one print request to the next.
    ReportJob Crystal;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildStatusBar();
    void buildPopUpMenus();
    void fitColumns();
    void updatePrintEnabled();
    void connectHandlers();
    void describeControls();
    void Form_Unload();

    // The book document.
    void connectBookHandlers();
    void setBookModified(bool modified);
    void markEdited();
    // The book's file (empty: none yet); the caption names it, so both change together.
    void setBookPath(const QString& path);
    void updateCaption();
    void refreshRecentMenu();
    // The book in the window is now the one in the file at path, unchanged since.
    void bookIsInFile(const QString& path);
    // Asks to save a modified book first; false when the user cancels (or the save fails).
    bool maybeSaveChanges();
    bool saveBook(const QString& path);
    bool loadBook(const QString& path);
    void applyDocument(const SpellbookDocument& document);
    void resetBookDetails();
    GeneratedBook currentBook() const;
    static QString documentsFolder();
    void rerollLevels(const QList<int>& levels);
    void showPin(QTreeWidgetItem* item, bool pinned);

    // The picked level, class and volume as books and requests store them ("9th", "MAGE"),
    // whatever language the lists show; empty when nothing is picked.
    QString pickedLevel() const;
    QString pickedClass() const;
    QString pickedVolume() const;

    // Selection lists, in the order the load step fills them.
    void FillLevelList();
    void FillClassList();
    void FillVolumeList();
    void FillFrequencyList(RecordSet frequencies);
    void FillSchoolList(RecordSet schools);
    void FillSpellList(RecordSet spells, RecordSet descriptions);
    // Every spell into the spell chooser, with its description as the tool tip.
    void fillChooser();
    bool Form_Load(StartupLoader& loader, bool chooserNow);

    void Tools_Core_Click();
    void File_Exit_Click();
    void Tools_Options_Click();
    void About_Tomewright_Click();

    // Print requests.
    QString casterName() const;
    bool bookIsPrintable();
    void runSpellbookReport(const QString& templateName = QStringLiteral("filteredspellbook.rpt"));
    void keepSorted();
    void showSeed();

    // Generation request.
    void DefineParamterValues();
    void ResetParameters();
    void EnableFindControls();
    void DisableFindControls();
    void setFindControlsEnabled(bool enabled);

    std::unique_ptr<Ui::Frm_Main> ui;
    QString m_programFolder;
    QString m_databasePath;
    QProgressBar* pbarSpells = nullptr;
    QLabel* m_panel2 = nullptr;
    QLabel* m_panel3 = nullptr;
    QToolButton* m_showPool = nullptr; // beside a note of short levels
    QPointer<CatalogueWindow> m_catalogueWindow;
    QToolButton* m_printButton = nullptr;
    QToolButton* m_generateButton = nullptr;

    QMenu* Menu_PopUp = nullptr;
    QAction* PopUp_Remove = nullptr;
    QAction* PopUp_Replace = nullptr;
    QMenu* Menu_Pop2 = nullptr;
    QAction* PopUp_Pin = nullptr;
    QAction* PopUp_RerollLevel = nullptr;
    QAction* PopUp_RerollBook = nullptr;

    // The open book's file (empty before its first save) and what a re-roll of it draws
    // under: the custom counts and specialist share in force when it was drawn.
    QString m_bookPath;
    QString m_caption; // the window's own caption, before a book's file name
    QList<qint32> m_bookCustomCounts;
    qint32 m_bookSpecialistPercent = 50;
    // Set while the window fills itself from a book, so that is not an edit by the user.
    bool m_applyingDocument = false;
    // Set when a click on a school's box has already toggled it.
    bool m_schoolToggledByClick = false;

    // The list's sort: one toggle shared by all columns.
    bool m_sortToggle = false;
    bool m_sorted = false;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;

    quint64 m_lastSeed = 0;
    bool m_hasSeed = false;
    QString m_lastNote;

    QStringList m_coreSchools;
    QStringList m_excludedSchools;

    // The seven generation parameters; empty and 0 between requests.
    BookParameters m_parameters;
};
