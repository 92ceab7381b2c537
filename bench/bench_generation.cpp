// Times whole-book generation and the catalogue window against a full scan of the spell tables,
// on synthetic catalogues of 1,000, 10,000 and 100,000 spells. Prints one "name_S: value unit"
// line per figure.
#include "dialogs/CatalogueWindow.h"
#include "library/CasterClasses.h"
#include "library/GenerationForm.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/SpellTableModel.h"
#include "ui/Database.h"
#include "ui/Transaction.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

class NullForm : public GenerationForm {
public:
    void setProgressMaximum(int) override {}
    void setProgressValue(int value) override { m_value = value; }
    int progressValue() const override { return m_value; }
    void setStatusText(int, const QString&) override {}
    void appendSpellRow(const SpellRow&) override { ++rows; }
    int rows = 0;

private:
    int m_value = 0;
};

const QStringList kSchools = {
    "Abjuration",  "Air",         "Alchemy",   "Alteration", "Artifice", "Charm",
    "Chronomancy", "Conjuration", "Dimension", "Divination", "Earth",    "Enchantment",
    "Evocation",   "Fire",        "Force",     "Geometry",   "Illusion", "Invocation",
    "Necromancy",  "Phantasm",    "Shadow",    "Summoning",  "Water",    "Wild"};

// A catalogue shaped like the shipped one: 9 levels, about 1.4 schools a spell (every non-core
// school paired with a core one), five frequencies weighted toward the common end.
Catalogue syntheticCatalogue(int size) {
    Catalogue catalogue;
    catalogue.frequencies = {
        {"Common", 1}, {"Uncommon", 2}, {"Rare", 3}, {"Very Rare", 4}, {"Unique", 5}};
    catalogue.schools = kSchools;
    std::mt19937 random(12345);
    const QStringList& core = CasterClasses::coreSchools();
    const QStringList frequencies = {"Common", "Common", "Uncommon",  "Uncommon",
                                     "Rare",   "Rare",   "Very Rare", "Unique"};
    for (int i = 0; i < size; ++i) {
        CatalogueSpell spell;
        spell.name = QStringLiteral("Synthetic Spell %1").arg(i, 6, 10, QLatin1Char('0'));
        spell.level = QString::number(i % 9 + 1);
        spell.frequency = frequencies[int(random() % quint32(frequencies.size()))];
        const QString first = kSchools[int(random() % 24u)];
        spell.schools << first;
        if (!core.contains(first))
            spell.schools << core[int(random() % 12u)];
        else if (random() % 5u == 0)
            spell.schools << core[(core.indexOf(first) + 1) % 12];
        spell.book = QStringLiteral("Bench Book");
        spell.page = QString::number(i % 400 + 1);
        catalogue.spells << spell;
    }
    return catalogue;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double medianMs(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

double bookMs(TW_Library& library, const QString& className, int runs) {
    const QStringList excluded = CasterClasses::exclusionsFor(className, kSchools);
    QStringList included;
    for (const QString& school : CasterClasses::coreSchools()) {
        if (!excluded.contains(school))
            included << school;
    }
    const bool generalist = className == CasterClasses::kGeneralist;
    return medianMs(runs, [&] {
        NullForm form;
        library.GenerateSpellbook(form, generalist ? QString() : SchoolListText::build(included),
                                  SchoolListText::build(excluded), QStringLiteral("Bench"), 30,
                                  className, 5, 4);
    });
}

struct CatalogueWindowFigures {
    double openMs = 0;
    double keystrokeMs = 0;
    double slowestKeystrokeMs = 0;
    double sortClickMs = 0;
};

// Lets the window do what it does before the user sees the result: lay out, fill, paint.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The catalogue window as the user meets it: opened from the file until its first frame is
// painted (catalogue, origins, filter lists, first sort, all included), then one keystroke in
// its find box at a time, narrowing and widening again, with the table sorted by each column
// both ways; the keystroke is timed from the filter's start (the box filters once typing
// pauses) to the repainted table.
CatalogueWindowFigures measureCatalogueWindow(TW_Library& library) {
    CatalogueWindowFigures figures;
    // Timed until the first frame is painted; taking the window apart again is not part of
    // opening it (at 100,000 spells it is another 15 ms).
    std::vector<double> opens;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        CatalogueWindow window(library, {});
        window.show();
        settle();
        opens.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    figures.openMs = median(opens);
    CatalogueWindow window(library, {});
    window.show();
    settle();
    auto* find = window.findChild<QLineEdit*>(QStringLiteral("txtCatalogueFind"));
    const QStringList typing = {"s",
                                "sy",
                                "syn",
                                "synt",
                                "synthetic spell 01",
                                "synthetic spell 012",
                                "synthetic spell 01",
                                "syn",
                                "",
                                "spell 0123",
                                "spell 012",
                                "spell 01",
                                "spell 0",
                                ""};
    std::vector<double> keystrokes;
    std::vector<double> sortClicks;
    for (int column = 0; column < SpellTableModel::ColumnCount; ++column) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            sortClicks.push_back(medianMs(1, [&] {
                window.table()->sortByColumn(column, order);
                settle();
            }));
            for (const QString& text : typing) {
                find->setText(text);
                keystrokes.push_back(medianMs(1, [&] {
                    emit find->returnPressed();
                    settle();
                }));
            }
        }
    }
    figures.keystrokeMs = median(keystrokes);
    figures.slowestKeystrokeMs = *std::max_element(keystrokes.begin(), keystrokes.end());
    figures.sortClickMs = median(sortClicks);
    return figures;
}

void printCatalogueWindow(const char* label, const CatalogueWindowFigures& window, double scan) {
    std::printf("catalogue_window_open_ms_%s: %.3f ms\n", label, window.openMs);
    std::printf("ratio_catalogue_window_open_to_scan_%s: %.2f\n", label, window.openMs / scan);
    std::printf("catalogue_filter_keystroke_ms_%s: %.3f ms (slowest %.3f ms)\n", label,
                window.keystrokeMs, window.slowestKeystrokeMs);
    std::printf("catalogue_sort_click_ms_%s: %.3f ms\n", label, window.sortClickMs);
}

} // namespace

int main(int argc, char* argv[]) {
    // The catalogue window is measured without a screen unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = 11;
    QTemporaryDir temporary;
    // BENCH_DIR keeps the synthetic databases for a look with other tools.
    const QString folder = qEnvironmentVariable("BENCH_DIR", temporary.path());
    SharedSettings settings;
    // "window" on the command line measures the catalogue window alone.
    const bool windowOnly = QCoreApplication::arguments().contains(QLatin1String("window"));
    for (const auto& [size, label] :
         {std::pair{1000, "1k"}, std::pair{10000, "10k"}, std::pair{100000, "100k"}}) {
        // Sizes named on the command line ("10k") limit the run to them.
        const QStringList named = QCoreApplication::arguments().mid(1);
        if (named.size() > (windowOnly ? 1 : 0) && !named.contains(QLatin1String(label)))
            continue;
        const QString path = QDir(folder).filePath(QStringLiteral("%1.mdb").arg(label));
        // BENCH_KEEP=1 uses a database an earlier run left in BENCH_DIR (for profiling).
        if (!QFileInfo::exists(path) || qEnvironmentVariableIntValue("BENCH_KEEP") == 0) {
            QFile::remove(path);
            buildCatalogueDatabase(syntheticCatalogue(size), path, TW_Library::kConnectText);
        }
        TW_Library library(path, settings);
        library.random().reseed(1);
        const double scan = medianMs(runs, [&] {
            library.database().snapshot(
                QStringLiteral("SELECT count(*) FROM Spells JOIN SpellandSphere ON "
                               "SpellandSphere.Name = Spells.Name"));
        });
        if (windowOnly) {
            printCatalogueWindow(label, measureCatalogueWindow(library), scan);
            std::printf("scan_ms_%s: %.3f ms\n", label, scan);
            continue;
        }
        // The first book after opening reads every level from the file; later books reuse the
        // rows while the catalogue is unchanged.
        std::vector<double> firstBooks;
        for (int run = 0; run < 5; ++run) {
            TW_Library fresh(path, settings);
            firstBooks.push_back(bookMs(fresh, QStringLiteral("MAGE"), 1));
        }
        const double first = median(firstBooks);
        const double mage = bookMs(library, QStringLiteral("MAGE"), runs);
        const double specialist = bookMs(library, QStringLiteral("ILLUSIONIST"), runs);
        printCatalogueWindow(label, measureCatalogueWindow(library), scan);
        std::printf("scan_ms_%s: %.3f ms\n", label, scan);
        std::printf("book_full_mage30_first_ms_%s: %.3f ms\n", label, first);
        std::printf("book_full_mage30_ms_%s: %.3f ms\n", label, mage);
        std::printf("book_full_specialist30_ms_%s: %.3f ms\n", label, specialist);
        std::printf("ratio_book_to_scan_%s: %.2f\n", label, mage / scan);
        std::printf("ratio_first_book_to_scan_%s: %.2f\n", label, first / scan);
        std::fflush(stdout);
    }
    return 0;
}
