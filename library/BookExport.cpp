#include "library/BookExport.h"

#include "library/CasterClasses.h"

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

// A JSON string as Qt's JSON writer gives it: quotes, backslashes and control characters
// escaped, everything else as UTF-8, and a surrogate without its partner as \\uXXXX.
void appendJsonString(QByteArray& out, QStringView text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    qsizetype run = 0; // start of the characters not yet written
    const auto flush = [&](qsizetype end) {
        if (end > run)
            out += text.mid(run, end - run).toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char* escape = nullptr;
        switch (c) {
        case u'"':
            escape = "\\\"";
            break;
        case u'\\':
            escape = "\\\\";
            break;
        case u'\b':
            escape = "\\b";
            break;
        case u'\f':
            escape = "\\f";
            break;
        case u'\n':
            escape = "\\n";
            break;
        case u'\r':
            escape = "\\r";
            break;
        case u'\t':
            escape = "\\t";
            break;
        default:
            break;
        }
        const bool pairedHigh = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                QChar::isLowSurrogate(text[i + 1].unicode());
        if (pairedHigh) {
            ++i; // the pair goes out as one character
            continue;
        }
        if (!escape && c >= 0x20 && !QChar::isSurrogate(c))
            continue;
        flush(i);
        run = i + 1;
        if (escape) {
            out += escape;
        } else if (c < 0x20) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        } else {
            out += "\\u";
            out += hex[(c >> 12) & 0xf];
            out += hex[(c >> 8) & 0xf];
            out += hex[(c >> 4) & 0xf];
            out += hex[c & 0xf];
        }
    }
    flush(text.size());
    out += '"';
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
    // Written here rather than through QJsonDocument, which builds every book as a tree of
    // values first and took most of a batch's time; the text is the same, byte for byte: no
    // blanks, each object's keys in alphabetical order, strings escaped as Qt escapes them.
    QByteArray out;
    for (const GeneratedBook& book : books) {
        out += "{\"caster\":";
        appendJsonString(out, book.caster);
        out += ",\"class\":";
        appendJsonString(out, book.casterClass);
        out += ",\"excluded\":[";
        for (qsizetype i = 0; i < book.excludedSchools.size(); ++i) {
            if (i > 0)
                out += ',';
            appendJsonString(out, book.excludedSchools[i]);
        }
        out += "],\"frequency\":";
        appendJsonString(out, book.frequency);
        out += ",\"level\":";
        appendJsonString(out, book.casterLevel);
        out += ",\"limited\":[";
        for (qsizetype i = 0; i < book.limitedLevels.size(); ++i) {
            if (i > 0)
                out += ',';
            out += QByteArray::number(book.limitedLevels[i]);
        }
        // A seed is a 64-bit number; JSON readers keep it exactly only as text.
        out += "],\"seed\":";
        if (book.hasSeed)
            appendJsonString(out, QString::number(book.seed));
        else
            out += "null";
        out += ",\"spells\":[";
        for (qsizetype i = 0; i < book.spells.size(); ++i) {
            const SpellRow& spell = book.spells[i];
            if (i > 0)
                out += ',';
            out += "{\"book\":";
            appendJsonString(out, spell.book);
            out += ",\"description\":";
            appendJsonString(out, spell.description);
            out += ",\"frequency\":";
            appendJsonString(out, spell.frequency);
            out += ",\"level\":";
            out += QByteArray::number(spell.level.toInt());
            out += ",\"name\":";
            appendJsonString(out, spell.name);
            out += ",\"page\":";
            appendJsonString(out, spell.page);
            out += ",\"schools\":[";
            bool first = true;
            for (const QStringView school :
                 QStringView(spell.schools).split(u", ", Qt::SkipEmptyParts)) {
                if (!first)
                    out += ',';
                first = false;
                appendJsonString(out, school);
            }
            out += "]}";
        }
        out += "],\"volume\":";
        appendJsonString(out, book.volume);
        out += "}\n";
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
