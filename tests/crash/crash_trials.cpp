// Kills a process that stages books at random moments and checks after each kill that the
// database is sound and holds one whole staged book. Prints
// "trials: N, corrupt: C, partial: P"; exits 1 when C or P is not 0.
// Usage: crash_trials N [STAGE_LOOP]
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
#include <signal.h>

namespace {

enum class Verdict { Sound, Corrupt, Partial };

Verdict check(const QString& path, QString* detail) {
    try {
        Database database(path, TW_Library::kConnectText);
        const QString integrity = database.snapshot("PRAGMA integrity_check").text(qsizetype(0));
        if (integrity != QLatin1String("ok")) {
            *detail = integrity;
            return Verdict::Corrupt;
        }
        RecordSet casters = database.snapshot(
            "SELECT Caster, count(*) AS n FROM SpellbookFiltered GROUP BY Caster");
        if (casters.recordCount() > 1) {
            *detail = QStringLiteral("%1 books mixed").arg(casters.recordCount());
            return Verdict::Partial;
        }
        if (casters.recordCount() == 1) {
            static const QRegularExpression name(QStringLiteral("^Book (\\d+) \\d+$"));
            const QRegularExpressionMatch match = name.match(casters.text("Caster"));
            const int rows = casters.value("n").toInt();
            if (!match.hasMatch() || match.captured(1).toInt() != rows) {
                *detail = QStringLiteral("%1 with %2 rows").arg(casters.text("Caster")).arg(rows);
                return Verdict::Partial;
            }
        }
        const int holds =
            database.snapshot("SELECT count(*) FROM CasterHold").value(qsizetype(0)).toInt();
        if (holds > 1) {
            *detail = QStringLiteral("CasterHold holds %1 rows").arg(holds);
            return Verdict::Partial;
        }
        return Verdict::Sound;
    } catch (const TwError& error) {
        *detail = error.description();
        return Verdict::Corrupt;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int trials = arguments.value(1, QStringLiteral("50")).toInt();
    const QString stageLoop =
        arguments.value(2, QCoreApplication::applicationDirPath() + QStringLiteral("/stage_loop"));

    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell(QStringLiteral("Ember"), 1, QStringLiteral("Common"),
                                          QStringLiteral("Fire"))});
    int corrupt = 0;
    int partial = 0;
    for (int trial = 1; trial <= trials; ++trial) {
        QProcess process;
        process.start(stageLoop, {fixture.path()});
        if (!process.waitForReadyRead(30000)) {
            std::fprintf(stderr, "trial %d: the staging program did not start\n", trial);
            return 2;
        }
        // Somewhere in the middle of a book: staging one takes a few milliseconds.
        QThread::usleep(QRandomGenerator::global()->bounded(1000u, 60000u));
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(30000);
        QString detail;
        switch (check(fixture.path(), &detail)) {
        case Verdict::Corrupt:
            ++corrupt;
            std::fprintf(stderr, "trial %d: corrupt: %s\n", trial, qUtf8Printable(detail));
            break;
        case Verdict::Partial:
            ++partial;
            std::fprintf(stderr, "trial %d: partial: %s\n", trial, qUtf8Printable(detail));
            break;
        case Verdict::Sound:
            break;
        }
    }
    std::printf("trials: %d, corrupt: %d, partial: %d\n", trials, corrupt, partial);
    return corrupt == 0 && partial == 0 ? 0 : 1;
}
