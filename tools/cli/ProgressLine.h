#pragma once

#include <QElapsedTimer>
#include <QString>

// How far a long command has come, as one line on the error stream rewritten in place: only
// when that stream is a terminal, and only once the command has run for a second, so scripts,
// files and quick commands get exactly the output they always had. The line is wiped again
// before anything else is written.
class ProgressLine {
public:
    // Starts the second's count. text takes the numbers done (%1) and total (%2).
    explicit ProgressLine(QString text);
    // Wipes the line if it was shown.
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Shows done of total, at most ten times a second; always true (a command line has no
    // cancel but Ctrl+C), so it can serve as a progress hook.
    bool show(qsizetype done, qsizetype total);
    // Wipes the line, before the command writes its own messages.
    void clear();

private:
    QString m_text;
    QElapsedTimer m_clock;
    qint64 m_drawnAt = -1;
    bool m_terminal;
    bool m_shown = false;
};
