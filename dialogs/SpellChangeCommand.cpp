#include "dialogs/SpellChangeCommand.h"

#include "ui/TwError.h"

#include <QCoreApplication>

bool SpellChangeRunner::run(const SpellsState& from, const SpellsState& to) {
    m_failure.clear();
    if (m_suspended)
        return true;
    try {
        if (switchSpells(m_database, from, to))
            return true;
        m_failure = QCoreApplication::translate(
            "CatalogueWindow", "These spells have been changed since, by another program.");
    } catch (const TwError& error) {
        m_failure = error.description().trimmed();
    } catch (const std::exception& error) {
        m_failure = QString::fromUtf8(error.what()).trimmed();
    }
    return false;
}

SpellChangeCommand::SpellChangeCommand(SpellChangeRunner& runner, const SpellChange& change,
                                       const QString& text)
    : QUndoCommand(text), m_runner(runner), m_change(change) {}

void SpellChangeCommand::undo() {
    m_runner.run(m_change.after, m_change.before);
}

void SpellChangeCommand::redo() {
    if (m_firstRedo) {
        m_firstRedo = false;
        return;
    }
    m_runner.run(m_change.before, m_change.after);
}
