// Start-up and memory of the window, for bench/run.
//   bench_startup bare          a bare Qt main window: shown, then quit once idle (the floor)
//   bench_startup rss-bare      the same, printing its peak resident memory in MB
//   bench_startup window DIR    Tomewright's window on DIR/Spells.mdb, started as the program
//                               starts it: loaded, shown, quit once idle
//   bench_startup rss DIR       the window on DIR/Spells.mdb with one Full 30th-level book
//                               generated; prints the peak resident memory in MB
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "app/StartupLoader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

static void printPeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f\n", double(usage.ru_maxrss) / 1024.0);
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("bare") || mode == QLatin1String("rss-bare")) {
        QMainWindow window;
        window.resize(1040, 620);
        window.show();
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
        const int status = QApplication::exec();
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
        if (!window.Form_Load(loader))
            return 1;
        window.show();
        if (mode == QLatin1String("rss")) {
            window.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Bench"));
            window.findChild<QComboBox*>("cboLevel")->setCurrentText(QStringLiteral("30th"));
            window.findChild<QComboBox*>("cboVolume")->setCurrentIndex(4);
            window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
        }
        // Leaves without closing the window: a window holding a book nobody saved would ask
        // whether to save it, which no one answers here.
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
        status = QApplication::exec();
        if (mode == QLatin1String("rss"))
            printPeakMemory();
    }
    Constants::MyLibrary.reset();
    return status;
}
