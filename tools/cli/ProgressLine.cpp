#include "tools/cli/ProgressLine.h"

#include <QLocale>
#include <cstdio>
#include <unistd.h>

namespace {

// A second, unless the tests ask for the line at once (TOMEWRIGHT_PROGRESS_AFTER_MS).
qint64 delayMs() {
    bool ok = false;
    const int fromTests = qEnvironmentVariableIntValue("TOMEWRIGHT_PROGRESS_AFTER_MS", &ok);
    return ok && fromTests >= 0 ? fromTests : 1000;
}

constexpr qint64 kRedrawMs = 100;

} // namespace

ProgressLine::ProgressLine(QString text) : m_text(std::move(text)), m_terminal(isatty(2) == 1) {
    m_clock.start();
}

ProgressLine::~ProgressLine() {
    clear();
}

bool ProgressLine::show(qsizetype done, qsizetype total) {
    if (!m_terminal || total <= 0)
        return true;
    const qint64 now = m_clock.elapsed();
    if (now < delayMs() || (m_drawnAt >= 0 && now - m_drawnAt < kRedrawMs && done < total))
        return true;
    m_drawnAt = now;
    const QLocale locale;
    const QString line =
        m_text.arg(locale.toString(done), locale.toString(total)) +
        QStringLiteral(" (%1%)").arg(qBound(qsizetype(0), done * 100 / total, qsizetype(100)));
    // Back to the line's start, the text, then the rest of any longer earlier text wiped.
    std::fprintf(stderr, "\r%s\033[K", qUtf8Printable(line));
    std::fflush(stderr);
    m_shown = true;
    return true;
}

void ProgressLine::clear() {
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}
