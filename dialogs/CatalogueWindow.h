#pragma once

#include "dialogs/SpellTableView.h"
#include "library/catalogue/SpellTableModel.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QUndoStack;
class SpellChangeRunner;
class SpellFilterModel;
struct SpellChange;
struct SpellFormCatalogue;
struct CatalogueSpell;
class TW_Library;

// The book the main window would draw now, as far as the catalogue window needs it to say what
// qualifies.
struct PoolRequest {
    QString includeCoreSchools; // list texts (SchoolListText)
    QString excludeSchools;
    QString casterClass;
    QString volumeName;
    qint32 volume = 0;      // volume code 1..6
    qint32 frequency = 0;   // FrequencyID of the rarest frequency
    qint32 casterLevel = 0; // 0: not chosen (every spell level is shown)
};

// The spell catalogue in a window of its own: every spell, filters to find them, the spell's
// description in full, and what qualifies for the main window's current book.
class CatalogueWindow : public QWidget {
    Q_OBJECT

public:
    // request gives the main window's current request, or nullopt when it has none.
    // installedPath: the database installed with the program, whose spells tell a shipped spell
    // the user replaced ("Changed by you") from the user's own; not read when it is the file
    // the library uses.
    CatalogueWindow(TW_Library& library, std::function<std::optional<PoolRequest>()> request,
                    const QString& installedPath = QString(), QWidget* parent = nullptr);
    ~CatalogueWindow() override;

    // Reads the catalogue afresh from the database.
    void reload();
    // Turns on "Qualifies for the current book".
    void showQualifying();

    QTableView* table() const { return m_table; }
    QString countText() const;
    QString poolText() const;
    QString descriptionText() const;

    // The changes made in this window, to undo and redo.
    QUndoStack* undoStack() const { return m_undo; }
    QString messageText() const;

signals:
    // The catalogue has changed: a spell was added, changed or taken out here, or by another
    // program (the window shows it already).
    void catalogueChanged();

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void fillFilterLists();
    void applyFilters();
    void applyQualifying();
    void updateCount();
    void showSelectedDescription();
    void showError(const QString& text);
    void readShippedNames();

    // Import and export (CatalogueWindow_transfer.cpp).
    void buildImportExportActions(QBoxLayout* row);
    void importFromFile();
    void exportSpells(bool shownOnly);
    QString m_transferFolder; // where the last file was imported from or exported to

    // Homebrew by hand: New, Edit, Duplicate, Remove, Restore Shipped Version, Undo and Redo.
    void buildEditActions();
    void updateEditActions();
    void newSpell();
    void editSpell();
    void duplicateSpell();
    void removeSelectedSpells();
    void restoreShippedVersion();
    // Opens the spell form; storedName is the spell it changes (null: it adds a spell).
    void openSpellForm(const QString& title, const CatalogueSpell& spell,
                       const QString& storedName);
    SpellFormCatalogue formCatalogue(const QString& storedName) const;
    // After a change made by a store function: pushed to undo, shown, told to the main window.
    void changeMade(const SpellChange& change, const QString& text, const QString& select);
    void stepChanges(bool back);
    // Shows the catalogue as it is now, with the current row on the spell stored as select.
    void showChangedCatalogue(const QString& select);
    const SpellTableModel::Row* currentSpell() const;
    QStringList selectedNames() const;

    TW_Library& m_library;
    std::function<std::optional<PoolRequest>()> m_request;
    SpellTableModel* m_model = nullptr;
    SpellFilterModel* m_filter = nullptr;
    qint64 m_dataVersion = -1;
    bool m_columnsFitted = false; // the columns were fitted to the spells once
    QString m_installedPath;
    std::optional<QSet<QString>> m_shippedKeys; // read once

    QTimer m_typing; // the filter box filters once typing pauses

    QLineEdit* m_text = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_school = nullptr;
    QComboBox* m_frequency = nullptr;
    QComboBox* m_book = nullptr;
    QComboBox* m_origin = nullptr;
    QCheckBox* m_qualifies = nullptr;
    SpellTableView* m_table = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_pool = nullptr;
    QLabel* m_message = nullptr;
    QPlainTextEdit* m_description = nullptr;

    // Homebrew by hand.
    QUndoStack* m_undo = nullptr;
    std::unique_ptr<SpellChangeRunner> m_runner;
    QAction* m_newSpell = nullptr;
    QAction* m_editSpell = nullptr;
    QAction* m_duplicateSpell = nullptr;
    QAction* m_removeSpells = nullptr;
    QAction* m_restoreShipped = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};
