// The catalogue window's homebrew by hand: the spell form for new, changed and duplicated
// spells, taking spells out, putting a shipped spell back, and undoing all of it.
#include "dialogs/CatalogueWindow.h"

#include "dialogs/SpellChangeCommand.h"
#include "dialogs/SpellForm.h"
#include "library/SpellName.h"
#include "library/TW_Library.h"
#include "library/catalogue/SpellFilterModel.h"
#include "library/catalogue/SpellStore.h"
#include "ui/Accessibility.h"
#include "ui/BusyCursor.h"
#include "ui/MessageBox.h"
#include "ui/TwError.h"
#include "ui/YesNoQuestion.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The most names a question lists; the rest are counted.
constexpr int kNamesListed = 10;

} // namespace

void CatalogueWindow::buildEditActions() {
    m_undo = new QUndoStack(this);
    m_runner = std::make_unique<SpellChangeRunner>(m_library.database());

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbCatalogueEdit"));
    bar->setAccessibleName(tr("Catalogue changes"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto addToBar = [&](QAction*& action, const QString& objectName, const QString& text,
                              const QString& toolTip, auto slot) {
        action = new QAction(text, this);
        action->setObjectName(objectName);
        action->setToolTip(toolTip);
        connect(action, &QAction::triggered, this, slot);
        bar->addAction(action);
    };
    addToBar(m_newSpell, QStringLiteral("actNewSpell"), tr("New Spell..."),
             tr("Add a spell of your own to the catalogue"), [this] { newSpell(); });
    addToBar(m_editSpell, QStringLiteral("actEditSpell"), tr("Edit..."),
             tr("Change the selected spell (Enter)"), [this] { editSpell(); });
    addToBar(m_duplicateSpell, QStringLiteral("actDuplicateSpell"), tr("Duplicate..."),
             tr("A new spell that starts as a copy of the selected one"),
             [this] { duplicateSpell(); });
    addToBar(m_removeSpells, QStringLiteral("actRemoveSpells"), tr("Remove"),
             tr("Take the selected spells out of the catalogue (Delete)"),
             [this] { removeSelectedSpells(); });
    addToBar(m_restoreShipped, QStringLiteral("actRestoreShipped"), tr("Restore Shipped Version"),
             tr("Put back the spell as Tomewright ships it, in place of your changes"),
             [this] { restoreShippedVersion(); });
    bar->addSeparator();
    addToBar(m_undoAction, QStringLiteral("actUndoChange"), tr("Undo"), QString(),
             [this] { stepChanges(true); });
    addToBar(m_redoAction, QStringLiteral("actRedoChange"), tr("Redo"), QString(),
             [this] { stepChanges(false); });
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);

    m_newSpell->setShortcut(QKeySequence::New);
    m_duplicateSpell->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction->setShortcut(QKeySequence::Redo);
    // The window's keys, wherever the focus is in it (a text box takes its own Undo first).
    for (QAction* action : {m_newSpell, m_duplicateSpell, m_undoAction, m_redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // Delete takes spells out only from the table, never a character from the find box.
    m_removeSpells->setShortcut(QKeySequence::Delete);
    m_removeSpells->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(m_removeSpells);

    // The table's context menu: its spells' actions.
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    auto* separator2 = new QAction(this);
    separator2->setSeparator(true);
    m_table->insertActions(m_removeSpells, {m_newSpell, separator, m_editSpell, m_duplicateSpell});
    m_table->addActions({m_restoreShipped, separator2, m_undoAction, m_redoAction});

    // Enter or a double click on a row edits its spell.
    connect(m_table, &QAbstractItemView::activated, this, [this] { editSpell(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateEditActions(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateEditActions(); });
    connect(m_filter, &QAbstractItemModel::modelReset, this, [this] { updateEditActions(); });
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, [this] { updateEditActions(); });
    connect(m_undo, &QUndoStack::indexChanged, this, [this] { updateEditActions(); });
    updateEditActions();
}

void CatalogueWindow::updateEditActions() {
    if (!m_undo)
        return;
    const SpellTableModel::Row* current = currentSpell();
    m_editSpell->setEnabled(current != nullptr);
    m_duplicateSpell->setEnabled(current != nullptr);
    m_removeSpells->setEnabled(!selectedNames().isEmpty());
    m_restoreShipped->setEnabled(current &&
                                 current->source == SpellTableModel::SpellSource::ChangedByYou);
    m_undoAction->setEnabled(m_undo->canUndo());
    m_redoAction->setEnabled(m_undo->canRedo());
    //: A tool tip: what Undo takes back, e.g. "Undo Add Spell "Moth Lantern"".
    m_undoAction->setToolTip(m_undo->canUndo() ? tr("Undo %1").arg(m_undo->undoText())
                                               : tr("Nothing to undo"));
    m_redoAction->setToolTip(m_undo->canRedo() ? tr("Redo %1").arg(m_undo->redoText())
                                               : tr("Nothing to redo"));
}

const SpellTableModel::Row* CatalogueWindow::currentSpell() const {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_table->selectionModel()->isRowSelected(current.row()))
        return nullptr;
    return &m_filter->spellAt(current.row());
}

QStringList CatalogueWindow::selectedNames() const {
    QStringList names;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        names << m_filter->spellAt(index.row()).spell.name;
    return names;
}

SpellFormCatalogue CatalogueWindow::formCatalogue(const QString& storedName) const {
    SpellFormCatalogue catalogue;
    catalogue.schools = m_model->schools();
    for (const CatalogueFrequency& frequency : m_model->frequencies())
        catalogue.frequencies << frequency.name;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const CatalogueSpell& spell = m_model->row(row).spell;
        catalogue.taken.add(spell.name);
        if (!spell.book.isEmpty() && !catalogue.books.contains(spell.book))
            catalogue.books << spell.book;
    }
    if (!storedName.isNull())
        catalogue.taken.remove(storedName);
    return catalogue;
}

void CatalogueWindow::newSpell() {
    CatalogueSpell spell;
    // The level and school the filters show, so a spell added there is among them.
    const int level = m_level->currentData().toInt();
    spell.level = QString::number(level > 0 ? level : 1);
    if (!m_model->frequencies().isEmpty())
        spell.frequency = m_model->frequencies().first().name;
    if (const QString school = m_school->currentData().toString(); !school.isEmpty())
        spell.schools << school;
    spell.book = m_book->currentData().toString();
    openSpellForm(tr("New Spell"), spell, QString());
}

void CatalogueWindow::editSpell() {
    if (const SpellTableModel::Row* row = currentSpell())
        openSpellForm(tr("Edit Spell"), row->spell, row->spell.name);
}

void CatalogueWindow::duplicateSpell() {
    const SpellTableModel::Row* row = currentSpell();
    if (!row)
        return;
    CatalogueSpell spell = row->spell;
    //: The name a duplicated spell starts with; %1 is the name of the spell it copies.
    spell.name = tr("%1 (copy)").arg(spell.name);
    openSpellForm(tr("Duplicate Spell"), spell, QString());
}

void CatalogueWindow::openSpellForm(const QString& title, const CatalogueSpell& spell,
                                    const QString& storedName) {
    const auto save = [this, storedName](const CatalogueSpell& edited,
                                         QList<SpellProblem>* problems) {
        try {
            BusyCursor busy;
            Database& database = m_library.database();
            if (storedName.isNull()) {
                const SpellChange change = addSpell(database, edited, problems);
                if (change.done)
                    changeMade(change, tr("Add Spell \"%1\"").arg(edited.name), edited.name);
                return change.done;
            }
            const SpellChange change = replaceSpell(database, storedName, edited, problems);
            if (change.done)
                changeMade(change, tr("Change Spell \"%1\"").arg(edited.name), edited.name);
            // A spell saved as it was is no change: the form closes, nothing to undo.
            return problems->isEmpty();
        } catch (const TwError& error) {
            MessageBox::show(this, error.description().trimmed());
        } catch (const std::exception& error) {
            MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
        }
        problems->clear();
        return false;
    };
    auto* form = new SpellForm(title, spell, formCatalogue(storedName), save, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

void CatalogueWindow::removeSelectedSpells() {
    QStringList names = selectedNames();
    if (names.isEmpty())
        return;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    QString question;
    if (names.size() == 1) {
        question = tr("Take the spell \"%1\" out of the catalogue?").arg(names.first());
    } else {
        QStringList listed = names.mid(0, kNamesListed);
        if (names.size() > kNamesListed)
            listed << tr("and %n more", nullptr, int(names.size() - kNamesListed));
        question = tr("Take these %n spells out of the catalogue?", nullptr, int(names.size())) +
                   QStringLiteral("\n\n") + listed.join(QStringLiteral(", "));
    }
    if (!YesNoQuestion::ask(this, question))
        return;
    // The row under the first one taken out becomes the current one.
    int row = m_filter->rowCount();
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        row = std::min(row, index.row());
    try {
        BusyCursor busy;
        const SpellChange change = removeStoredSpells(m_library.database(), names);
        const QString text = names.size() == 1 ? tr("Remove Spell \"%1\"").arg(names.first())
                                               : tr("Remove %n Spells", nullptr, int(names.size()));
        m_undo->push(new SpellChangeCommand(*m_runner, change, text));
        showChangedCatalogue(QString());
        const int rows = m_filter->rowCount();
        if (rows > 0)
            m_table->setCurrentIndex(m_filter->index(std::min(row, rows - 1), 0));
    } catch (const TwError& error) {
        MessageBox::show(this, error.description().trimmed());
    } catch (const std::exception& error) {
        MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
    }
}

void CatalogueWindow::restoreShippedVersion() {
    const SpellTableModel::Row* row = currentSpell();
    if (!row || row->source != SpellTableModel::SpellSource::ChangedByYou)
        return;
    const QString storedName = row->spell.name;
    try {
        BusyCursor busy;
        std::optional<CatalogueSpell> shipped;
        {
            const Database installed(m_installedPath, TW_Library::kConnectText);
            shipped = shippedVersion(installed, storedName);
        }
        if (!shipped) {
            MessageBox::show(this, tr("Tomewright does not ship a spell \"%1\".").arg(storedName));
            return;
        }
        QList<SpellProblem> problems;
        const SpellChange change =
            restoreShippedSpell(m_library.database(), storedName, *shipped, &problems);
        if (!problems.isEmpty()) {
            QStringList messages;
            for (const SpellProblem& problem : std::as_const(problems))
                messages << problem.message;
            MessageBox::show(this, tr("The shipped version of \"%1\" cannot be put back: %2")
                                       .arg(storedName, messages.join(QStringLiteral("; "))));
            return;
        }
        if (change.done)
            changeMade(change, tr("Restore Shipped \"%1\"").arg(shipped->name), shipped->name);
    } catch (const TwError& error) {
        MessageBox::show(this, error.description().trimmed());
    } catch (const std::exception& error) {
        MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
    }
}

void CatalogueWindow::changeMade(const SpellChange& change, const QString& text,
                                 const QString& select) {
    m_undo->push(new SpellChangeCommand(*m_runner, change, text));
    showChangedCatalogue(select);
}

void CatalogueWindow::stepChanges(bool back) {
    if (back ? !m_undo->canUndo() : !m_undo->canRedo())
        return;
    const int index = m_undo->index();
    const auto* command =
        static_cast<const SpellChangeCommand*>(m_undo->command(back ? index - 1 : index));
    const SpellsState& shown = back ? command->change().before : command->change().after;
    {
        BusyCursor busy;
        if (back)
            m_undo->undo();
        else
            m_undo->redo();
    }
    if (!m_runner->failure().isEmpty()) {
        // Nothing was written: the stack goes back to where the catalogue is.
        const QString failure = m_runner->failure();
        {
            const SpellChangeRunner::Suspended suspended(*m_runner);
            m_undo->setIndex(index);
        }
        MessageBox::show(
            this, (back ? tr("\"%1\" cannot be undone: %2") : tr("\"%1\" cannot be redone: %2"))
                      .arg(back ? m_undo->undoText() : m_undo->redoText(), failure));
        return;
    }
    showChangedCatalogue(shown.spells.isEmpty() ? QString() : shown.spells.first().name);
}

void CatalogueWindow::showChangedCatalogue(const QString& select) {
    // The draw keeps what it read of the catalogue; a change on this connection is news to it.
    m_library.forgetCatalogue();
    publishStatusText(m_message, QString(), false);
    reload();
    if (!select.isNull()) {
        const int row = m_model->rowOf(select);
        const QModelIndex shown =
            row < 0 ? QModelIndex() : m_filter->mapFromSource(m_model->index(row, 0));
        if (shown.isValid()) {
            m_table->setCurrentIndex(shown);
            m_table->scrollTo(shown);
        } else if (row >= 0) {
            publishStatusText(m_message,
                              tr("\"%1\" is in the catalogue; the filters hide it.").arg(select),
                              false);
        }
    }
    updateEditActions();
    emit catalogueChanged();
}
