// Stages books in a loop with the library calls of the print request, until it is killed.
// Book i has 1 + i % 40 spells and the caster "Book <size> <i>", so a check can tell a whole
// staged book from a part of one. Usage: stage_loop DATABASE
#include "library/TW_Library.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: stage_loop DATABASE\n", stderr);
        return 2;
    }
    SharedSettings settings;
    TW_Library library(QString::fromLocal8Bit(argv[1]), settings);
    std::puts("ready");
    std::fflush(stdout);
    for (quint64 i = 0;; ++i) {
        const int size = 1 + int(i % 40);
        const QString caster = QStringLiteral("Book %1 %2").arg(size).arg(i);
        QList<SpellRow> rows;
        for (int j = 0; j < size; ++j)
            rows.append({QStringLiteral("Spell %1 of %2").arg(j).arg(caster),
                         QString::number(1 + j % 9), QString(), QString(), QString(), QString()});
        library.SetCasterHold(caster, QStringLiteral("Tomewright Auto Generated Spellbook"));
        library.InitializeSpellbook(rows, caster);
        if (library.AddNewCaster(caster))
            library.DeleteNewCaster(caster);
    }
}
