// Times whole-book generation against a full scan of the spell tables, on synthetic catalogues
// of 1,000, 10,000 and 100,000 spells. Prints one "name_S: value unit" line per figure.
#include "library/CasterClasses.h"
#include "library/GenerationForm.h"
#include "library/SchoolListText.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/SpellFilterModel.h"
#include "library/catalogue/SpellTableModel.h"
#include "ui/Database.h"
#include "ui/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int runs = 11;
    QTemporaryDir temporary;
    // BENCH_DIR keeps the synthetic databases for a look with other tools.
    const QString folder = qEnvironmentVariable("BENCH_DIR", temporary.path());
    SharedSettings settings;
    for (const auto& [size, label] :
         {std::pair{1000, "1k"}, std::pair{10000, "10k"}, std::pair{100000, "100k"}}) {
        // Sizes named on the command line ("10k") limit the run to them.
        if (argc > 1 && !QCoreApplication::arguments().contains(QLatin1String(label)))
            continue;
        const QString path = QDir(folder).filePath(QStringLiteral("%1.mdb").arg(label));
        buildCatalogueDatabase(syntheticCatalogue(size), path, TW_Library::kConnectText);
        TW_Library library(path, settings);
        library.random().reseed(1);
        const double scan = medianMs(runs, [&] {
            library.database().snapshot(
                QStringLiteral("SELECT count(*) FROM Spells JOIN SpellandSphere ON "
                               "SpellandSphere.Name = Spells.Name"));
        });
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
        // The catalogue window: its table filled from the file (the widgets aside), and one
        // keystroke in its find box on a table sorted by name.
        const double open = medianMs(5, [&] {
            SpellTableModel model;
            model.setCatalogue(readCatalogueDatabase(library.database()),
                               SpellOrigin::read(library.database()), {});
        });
        SpellTableModel model;
        model.setCatalogue(readCatalogueDatabase(library.database()),
                           SpellOrigin::read(library.database()), {});
        SpellFilterModel filter;
        filter.setSpellModel(&model);
        filter.sort(SpellTableModel::Name);
        const QStringList typing = {"s",
                                    "sy",
                                    "syn",
                                    "synt",
                                    "synthetic spell 01",
                                    "synthetic spell 012",
                                    "synthetic spell 01",
                                    "syn"};
        std::vector<double> keystrokes;
        for (int run = 0; run < 3; ++run) {
            for (const QString& text : typing)
                keystrokes.push_back(medianMs(1, [&] { filter.setText(text); }));
            filter.setText(QString());
        }
        std::printf("catalogue_window_open_ms_%s: %.3f ms\n", label, open);
        std::printf("ratio_catalogue_window_open_to_scan_%s: %.2f\n", label, open / scan);
        std::printf("catalogue_filter_keystroke_ms_%s: %.3f ms (slowest %.3f ms)\n", label,
                    median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()));
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
