#pragma once

#include "library/catalogue/SpellStore.h"

#include <QString>
#include <QUndoCommand>

class Database;

// Undoes and redoes the catalogue changes of a window, each in one transaction, and keeps what
// went wrong with the last one: the undo stack moves on regardless, so the window puts it back
// (suspended, so nothing is written meanwhile) and tells the user.
class SpellChangeRunner {
public:
    explicit SpellChangeRunner(Database& database) : m_database(database) {}

    // Brings the catalogue from one state to the other; false with failure() set when it cannot.
    bool run(const SpellsState& from, const SpellsState& to);
    const QString& failure() const { return m_failure; }

    // While a runner is suspended, run() writes nothing and succeeds.
    class Suspended {
    public:
        explicit Suspended(SpellChangeRunner& runner) : m_runner(runner) {
            m_runner.m_suspended = true;
        }
        ~Suspended() { m_runner.m_suspended = false; }
        Suspended(const Suspended&) = delete;
        Suspended& operator=(const Suspended&) = delete;

    private:
        SpellChangeRunner& m_runner;
    };

private:
    Database& m_database;
    QString m_failure;
    bool m_suspended = false;
};

// A change already made (the store function did it): undo puts the catalogue back as it was
// before, redo as it was after.
class SpellChangeCommand : public QUndoCommand {
public:
    SpellChangeCommand(SpellChangeRunner& runner, const SpellChange& change, const QString& text);

    void undo() override;
    void redo() override;

    const SpellChange& change() const { return m_change; }

private:
    SpellChangeRunner& m_runner;
    SpellChange m_change;
    bool m_firstRedo = true; // when the command is pushed: the change is made already
};
