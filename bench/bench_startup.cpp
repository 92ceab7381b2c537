// Start-up and memory of the window, for bench/run.
//   bench_startup bare          a bare Qt main window: shown, then quit once its first frame
//                               is painted (the floor)
//   bench_startup rss-bare      the same, printing its peak resident memory in MB
//   bench_startup window DIR    Tomewright's window on DIR/Spells.mdb, started as the program
//                               starts it: loaded, shown, quit once its first frame is painted
//   bench_startup rss DIR       the window on DIR/Spells.mdb with one Full 30th-level book
//                               generated; prints the peak resident memory in MB
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "app/StartupLoader.h"
#include "ui/FirstFrame.h"
#include "ui/SpeedLayers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>

static double cpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// With BENCH_STARTUP_TRACE set, at each step: the milliseconds since main(), and the processor
// time of this thread and of the whole process since it started, on the error stream. A loaded
// machine stretches the first; the processor times move less with the load.
static void trace(const char* step) {
    static const bool on = qEnvironmentVariableIsSet("BENCH_STARTUP_TRACE");
    static const auto start = std::chrono::steady_clock::now();
    if (on)
        std::fprintf(
            stderr, "%7.2f ms  thread %7.2f ms  process %7.2f ms  %s\n",
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count(),
            cpuMs(CLOCK_THREAD_CPUTIME_ID), cpuMs(CLOCK_PROCESS_CPUTIME_ID), step);
}

// Both windows end once the frame a user first sees has been painted. The bare window quits
// right after it: quitting at its first idle moment instead, it left before Qt had painted it at
// all. Tomewright's window is painted before its first idle moment, and quits there, before the
// work it queues behind its first frame (the spell chooser) runs.
static void traceFirstFrame(QWidget* window, bool quit) {
    runAfterFirstFrame(window, [quit] {
        trace("first frame painted");
        if (quit)
            QCoreApplication::exit(0);
    });
}

static void printPeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f\n", double(usage.ru_maxrss) / 1024.0);
}

int main(int argc, char* argv[]) {
    trace("main");
    // BENCH_WITHOUT names speed layers to leave out (comma-separated): own-key, known-key.
    const QList<QByteArray> without = qgetenv("BENCH_WITHOUT").split(',');
    SpeedLayers::ownKeyDerivation = !without.contains("own-key");
    SpeedLayers::knownKey = !without.contains("known-key");
    QApplication application(argc, argv);
    trace("application made");
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("bare") || mode == QLatin1String("rss-bare")) {
        QMainWindow window;
        window.resize(1040, 620);
        window.show();
        traceFirstFrame(&window, true);
        const int status = QApplication::exec();
        trace("event loop left");
        if (mode == QLatin1String("rss-bare"))
            printPeakMemory();
        return status;
    }
    if (mode != QLatin1String("window") && mode != QLatin1String("rss")) {
        std::fputs("usage: bench_startup bare | window DIR [INSTALLED] | rss DIR\n", stderr);
        return 2;
    }
    int status = 0;
    {
        const QString database = QDir(arguments.value(2)).filePath(QStringLiteral("Spells.mdb"));
        // With INSTALLED, DIR's database is a user's copy of that installed one, as for an
        // installed program: each start compares the two first.
        StartupLoader loader(database, Constants::Settings, arguments.value(3));
        Frm_Main window(arguments.value(2), database);
        trace("window built");
        if (!window.Form_Load(loader))
            return 1;
        trace("lists filled");
        window.show();
        trace("shown");
        if (mode == QLatin1String("rss")) {
            window.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Bench"));
            window.findChild<QComboBox*>("cboLevel")->setCurrentText(QStringLiteral("30th"));
            window.findChild<QComboBox*>("cboVolume")->setCurrentIndex(4);
            window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
        }
        // Leaves without closing the window: a window holding a book nobody saved would ask
        // whether to save it, which no one answers here.
        traceFirstFrame(&window, false);
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
        status = QApplication::exec();
        trace("event loop left");
        if (mode == QLatin1String("rss"))
            printPeakMemory();
    }
    Constants::MyLibrary.reset();
    trace("closed");
    return status;
}
