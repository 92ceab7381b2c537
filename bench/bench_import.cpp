// Times `tomewright-cli catalogue import` of 11,484 spells (a 5 MB spreadsheet file made from the
// shipped catalogue under new names), checks included, against the floor: the same rows inserted
// into a copy of the same database by one prepared statement per table in one transaction.
// Usage: bench_import SPELLS_MDB TOMEWRIGHT_CLI. Prints "name: value unit" lines.
#include "library/SpellCatalogue.h"
#include "library/TW_Library.h"
#include "tools/catalogue/CsvFile.h"
#include "ui/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlcipher/sqlite3.h>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kSpells = 11484;
constexpr int kRuns = 3;

// The shipped spells again and again, each pass under names of its own.
QList<CatalogueSpell> importedSpells(const QString& shipped) {
    const Database database(shipped, TW_Library::kConnectText);
    const QList<CatalogueSpell> source = readCatalogueDatabase(database).spells;
    QList<CatalogueSpell> spells;
    for (int pass = 1; spells.size() < kSpells; ++pass) {
        for (const CatalogueSpell& spell : source) {
            if (spells.size() == kSpells)
                break;
            CatalogueSpell copy = spell;
            copy.name = QStringLiteral("%1 of the %2th Path").arg(spell.name).arg(pass);
            spells << copy;
        }
    }
    return spells;
}

QByteArray csvOf(const QList<CatalogueSpell>& spells) {
    QByteArray bytes =
        csvLine({"Name", "Level", "Frequency", "Schools", "Book", "Page", "Description"});
    for (const CatalogueSpell& s : spells)
        bytes += csvLine({s.name, s.level, s.frequency, s.schools.join(QLatin1Char(';')), s.book,
                          s.page, s.description});
    return bytes;
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "bench_import: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void bindText(sqlite3_stmt* statement, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// The floor: seconds to insert the rows, from BEGIN to COMMIT, on an open, keyed connection.
double floorSeconds(const QString& path, const QList<CatalogueSpell>& spells) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
          db);
    const QByteArray password = Database::passwordFrom(TW_Library::kConnectText).toUtf8();
    check(sqlite3_key(db, password.constData(), int(password.size())), db);
    check(sqlite3_exec(db, "SELECT count(*) FROM Spells", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* spell = nullptr;
    sqlite3_stmt* school = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO Spells (Name, Lvl, Frequency, Book, Page, Description) "
                             "VALUES (?, ?, ?, ?, ?, ?)",
                             -1, &spell, nullptr),
          db);
    check(sqlite3_prepare_v2(db, "INSERT INTO SpellandSphere (Name, Sphere) VALUES (?, ?)", -1,
                             &school, nullptr),
          db);
    QElapsedTimer timer;
    timer.start();
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    for (const CatalogueSpell& s : spells) {
        const QStringList fields = {s.name, s.level, s.frequency, s.book, s.page, s.description};
        for (int i = 0; i < fields.size(); ++i)
            bindText(spell, i + 1, fields[i]);
        check(sqlite3_step(spell), db);
        sqlite3_reset(spell);
        for (const QString& name : s.schools) {
            bindText(school, 1, s.name);
            bindText(school, 2, name);
            check(sqlite3_step(school), db);
            sqlite3_reset(school);
        }
    }
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    sqlite3_finalize(spell);
    sqlite3_finalize(school);
    sqlite3_close(db);
    return seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: bench_import SPELLS_MDB TOMEWRIGHT_CLI\n", stderr);
        return 2;
    }
    const QString shipped = QString::fromLocal8Bit(argv[1]);
    const QString cli = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir work;
    const QList<CatalogueSpell> spells = importedSpells(shipped);
    const QString csv = work.filePath("homebrew.csv");
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(csvOf(spells)) < 0)
            return 1;
    }
    const QString copy = work.filePath("Spells.mdb");
    std::vector<double> floors;
    std::vector<double> imports;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(copy);
        QFile::copy(shipped, copy);
        floors.push_back(floorSeconds(copy, spells));

        QFile::remove(copy);
        QFile::copy(shipped, copy);
        QProcess import;
        QElapsedTimer timer;
        timer.start();
        import.start(cli, {"catalogue", "import", "--db", copy, "--from", csv});
        if (!import.waitForFinished(-1) || import.exitCode() != 0) {
            std::fprintf(stderr, "bench_import: the import failed: %s\n",
                         import.readAllStandardError().constData());
            return 1;
        }
        imports.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    // The largest resident size of any child waited for: every child here is the import.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const double floor = median(floors);
    const double import = median(imports);
    std::printf("import_11484_s: %.2f s\n", import);
    std::printf("import_floor_prepared_insert_s: %.2f s\n", floor);
    std::printf("import_ratio: %.2f\n", import / floor);
    std::printf("import_peak_rss_mb: %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
