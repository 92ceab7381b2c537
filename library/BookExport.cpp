#include "library/BookExport.h"

#include "library/CasterClasses.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace {

const QString kNoteStart = QStringLiteral("Following Levels Volume was limited by criteria: ");

// The book's spells by level, levels in increasing order, spells in the book's order.
QMap<int, QList<const SpellRow*>> byLevel(const GeneratedBook& book) {
    QMap<int, QList<const SpellRow*>> levels;
    for (const SpellRow& spell : book.spells)
        levels[spell.level.toInt()].append(&spell);
    return levels;
}

QString summary(const GeneratedBook& book) {
    QString line = QStringLiteral("%1-level %2, %3, up to %4")
                       .arg(book.casterLevel, book.casterClass, book.volume, book.frequency);
    if (book.hasSeed)
        line += QStringLiteral(", seed %1").arg(book.seed);
    return line;
}

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString markdownCell(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('|'), QLatin1String("\\|"));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

namespace BookExport {

QString levelTitle(const QString& level) {
    return CasterClasses::levelText(level.toInt()) + QStringLiteral(" Level");
}

QList<int> limitedLevelsFromNote(const QString& note) {
    QList<int> levels;
    if (!note.startsWith(kNoteStart))
        return levels;
    for (const QString& part : note.mid(kNoteStart.size()).split(QLatin1Char(','))) {
        bool ok = false;
        const int level = part.trimmed().toInt(&ok);
        if (ok)
            levels << level;
    }
    return levels;
}

QByteArray text(const QList<GeneratedBook>& books) {
    QString out;
    for (qsizetype b = 0; b < books.size(); ++b) {
        const GeneratedBook& book = books[b];
        if (b > 0)
            out += QStringLiteral("\n\n");
        out += book.caster + QLatin1Char('\n');
        out += summary(book) + QLatin1Char('\n');
        if (!book.excludedSchools.isEmpty())
            out += QStringLiteral("Excluded schools: %1\n")
                       .arg(book.excludedSchools.join(QStringLiteral(", ")));
        out += QStringLiteral("%1 spells\n").arg(book.spells.size());
        const auto levels = byLevel(book);
        for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
            out += QLatin1Char('\n') + levelTitle(QString::number(it.key())) + QLatin1Char('\n');
            for (const SpellRow* spell : it.value()) {
                out += QStringLiteral("  %1 (%2; %3) %4, p. %5\n")
                           .arg(spell->name, spell->schools, spell->frequency, spell->book,
                                spell->page);
                if (!spell->description.isEmpty())
                    out += QStringLiteral("      %1\n").arg(spell->description);
            }
        }
    }
    return out.toUtf8();
}

QByteArray csv(const QList<GeneratedBook>& books) {
    const bool several = books.size() > 1;
    QStringList header = {"Spell Name", "Level", "Frequency",  "Schools",
                          "Book",       "Page",  "Description"};
    if (several)
        header.prepend(QStringLiteral("Caster"));
    QString out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const GeneratedBook& book : books) {
        for (const SpellRow& spell : book.spells) {
            QStringList fields = {spell.name, spell.level, spell.frequency,  spell.schools,
                                  spell.book, spell.page,  spell.description};
            if (several)
                fields.prepend(book.caster);
            for (QString& field : fields)
                field = csvField(field);
            out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

QByteArray json(const QList<GeneratedBook>& books) {
    QByteArray out;
    for (const GeneratedBook& book : books) {
        QJsonArray spells;
        for (const SpellRow& spell : book.spells) {
            QJsonArray schools;
            for (const QString& school :
                 spell.schools.split(QStringLiteral(", "), Qt::SkipEmptyParts))
                schools.append(school);
            spells.append(QJsonObject{{"name", spell.name},
                                      {"level", spell.level.toInt()},
                                      {"frequency", spell.frequency},
                                      {"schools", schools},
                                      {"book", spell.book},
                                      {"page", spell.page},
                                      {"description", spell.description}});
        }
        QJsonArray limited;
        for (int level : book.limitedLevels)
            limited.append(level);
        QJsonObject object{{"caster", book.caster},
                           {"level", book.casterLevel},
                           {"class", book.casterClass},
                           {"volume", book.volume},
                           {"frequency", book.frequency},
                           {"excluded", QJsonArray::fromStringList(book.excludedSchools)},
                           {"limited", limited},
                           {"spells", spells}};
        // A seed is a 64-bit number; JSON readers keep it exactly only as text.
        object.insert("seed", book.hasSeed ? QJsonValue(QString::number(book.seed)) : QJsonValue());
        out += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    return out;
}

QByteArray markdown(const QList<GeneratedBook>& books) {
    QString out;
    for (qsizetype b = 0; b < books.size(); ++b) {
        const GeneratedBook& book = books[b];
        if (b > 0)
            out += QLatin1Char('\n');
        out += QStringLiteral("# %1\n\n").arg(markdownCell(book.caster));
        out += QStringLiteral("*%1*\n\n").arg(markdownCell(summary(book)));
        if (!book.excludedSchools.isEmpty())
            out += QStringLiteral("Excluded schools: %1\n\n")
                       .arg(book.excludedSchools.join(QStringLiteral(", ")));
        const auto levels = byLevel(book);
        for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
            out += QStringLiteral("## %1\n\n").arg(levelTitle(QString::number(it.key())));
            out += QStringLiteral("| Spell | Schools | Frequency | Book | Page | Description |\n"
                                  "|---|---|---|---|---|---|\n");
            for (const SpellRow* spell : it.value())
                out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                           .arg(markdownCell(spell->name), markdownCell(spell->schools),
                                markdownCell(spell->frequency), markdownCell(spell->book),
                                markdownCell(spell->page), markdownCell(spell->description));
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

} // namespace BookExport
