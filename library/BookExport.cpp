#include "library/BookExport.h"

#include "library/CasterClasses.h"
#include "library/TW_Library.h"

#include <QMap>

namespace {

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
    // Room for the worst case (six bytes a unit), given back at the end.
    const qsizetype start = out.size();
    out.resize(start + 2 + 6 * text.size());
    char* to = out.data() + start;
    *to++ = '"';
    const auto escape = [&to](char letter) {
        *to++ = '\\';
        *to++ = letter;
    };
    const auto escapeUnit = [&to](char16_t unit) {
        *to++ = '\\';
        *to++ = 'u';
        for (int shift = 12; shift >= 0; shift -= 4)
            *to++ = hex[(unit >> shift) & 0xf];
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x80) {
            if (c == u'"' || c == u'\\')
                escape(char(c));
            else
                *to++ = char(c);
        } else if (c < 0x20) {
            switch (c) {
            case u'\b':
                escape('b');
                break;
            case u'\f':
                escape('f');
                break;
            case u'\n':
                escape('n');
                break;
            case u'\r':
                escape('r');
                break;
            case u'\t':
                escape('t');
                break;
            default:
                escapeUnit(c);
                break;
            }
        } else if (c < 0x800) {
            *to++ = char(0xc0 | (c >> 6));
            *to++ = char(0x80 | (c & 0x3f));
        } else if (!QChar::isSurrogate(c)) {
            *to++ = char(0xe0 | (c >> 12));
            *to++ = char(0x80 | ((c >> 6) & 0x3f));
            *to++ = char(0x80 | (c & 0x3f));
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t point = QChar::surrogateToUcs4(c, text[++i].unicode());
            *to++ = char(0xf0 | (point >> 18));
            *to++ = char(0x80 | ((point >> 12) & 0x3f));
            *to++ = char(0x80 | ((point >> 6) & 0x3f));
            *to++ = char(0x80 | (point & 0x3f));
        } else {
            escapeUnit(c);
        }
    }
    *to++ = '"';
    out.resize(to - out.constData());
}

// A book's text as Markdown reads it back: every character that Markdown or the HTML inside it
// would take as markup (emphasis, code, links, headings, table cells, tags, entities) is
// escaped with a backslash, and a line break joins the line as a blank, so a text is always the
// one table cell or heading it was written into.
QString markdownText(const QString& text) {
    static const QString special = QStringLiteral("\\`*_[]<>&|#!~");
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            out += QLatin1Char(' ');
        else if (special.contains(c))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    return out;
}

} // namespace

namespace BookExport {

QString levelTitle(const QString& level) {
    return CasterClasses::levelText(level.toInt()) + QStringLiteral(" Level");
}

QList<int> limitedLevelsFromNote(const QString& note) {
    QList<int> levels;
    // The note is in the user's language; one of an earlier run may be in English.
    QString list;
    for (const QString& pattern : {TW_Library::limitedNote(QStringLiteral("%1")),
                                   QStringLiteral("Following Levels Volume was limited by "
                                                  "criteria: %1")}) {
        const qsizetype at = pattern.indexOf(QLatin1String("%1"));
        const QString before = pattern.left(at);
        const QString after = pattern.mid(at + 2);
        if (at >= 0 && note.size() >= before.size() + after.size() && note.startsWith(before) &&
            note.endsWith(after)) {
            list = note.mid(before.size(), note.size() - before.size() - after.size());
            break;
        }
    }
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int level = part.trimmed().toInt(&ok);
        if (ok)
            levels << level;
    }
    return levels;
}

namespace {

// Each format as the bytes one book adds to a file of count books, index being its place.

QByteArray textPart(const GeneratedBook& book, qsizetype index) {
    QString out;
    if (index > 0)
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
            out +=
                QStringLiteral("  %1 (%2; %3) %4, p. %5\n")
                    .arg(spell->name, spell->schools, spell->frequency, spell->book, spell->page);
            if (!spell->description.isEmpty())
                out += QStringLiteral("      %1\n").arg(spell->description);
        }
    }
    return out.toUtf8();
}

QByteArray csvPart(const GeneratedBook& book, qsizetype index, qsizetype count) {
    // Several books get a first "Caster" column.
    const bool several = count > 1;
    QString out;
    if (index == 0) {
        QStringList header = {"Spell Name", "Level", "Frequency",  "Schools",
                              "Book",       "Page",  "Description"};
        if (several)
            header.prepend(QStringLiteral("Caster"));
        out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    for (const SpellRow& spell : book.spells) {
        QStringList fields = {spell.name, spell.level, spell.frequency,  spell.schools,
                              spell.book, spell.page,  spell.description};
        if (several)
            fields.prepend(book.caster);
        for (QString& field : fields)
            field = csvField(field);
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

QByteArray jsonPart(const GeneratedBook& book) {
    // Written here rather than through QJsonDocument, which builds every book as a tree of
    // values first and took most of a batch's time; the text is the same, byte for byte: no
    // blanks, each object's keys in alphabetical order, strings escaped as Qt escapes them.
    QByteArray out;
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
        // The schools as the list shows them, split at ", ", empty parts left out.
        const QStringView schools(spell.schools);
        bool first = true;
        for (qsizetype from = 0; from <= schools.size();) {
            qsizetype comma = schools.indexOf(u", ", from);
            if (comma < 0)
                comma = schools.size();
            if (comma > from) {
                if (!first)
                    out += ',';
                first = false;
                appendJsonString(out, schools.sliced(from, comma - from));
            }
            from = comma + 2;
        }
        out += "]}";
    }
    out += "],\"volume\":";
    appendJsonString(out, book.volume);
    out += "}\n";
    return out;
}

QByteArray markdownPart(const GeneratedBook& book, qsizetype index) {
    QString out;
    if (index > 0)
        out += QLatin1Char('\n');
    out += QStringLiteral("# %1\n\n").arg(markdownText(book.caster));
    out += QStringLiteral("*%1*\n\n").arg(markdownText(summary(book)));
    if (!book.excludedSchools.isEmpty())
        out += QStringLiteral("Excluded schools: %1\n\n")
                   .arg(markdownText(book.excludedSchools.join(QStringLiteral(", "))));
    const auto levels = byLevel(book);
    for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
        out += QStringLiteral("## %1\n\n").arg(levelTitle(QString::number(it.key())));
        out += QStringLiteral("| Spell | Schools | Frequency | Book | Page | Description |\n"
                              "|---|---|---|---|---|---|\n");
        for (const SpellRow* spell : it.value())
            out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                       .arg(markdownText(spell->name), markdownText(spell->schools),
                            markdownText(spell->frequency), markdownText(spell->book),
                            markdownText(spell->page), markdownText(spell->description));
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

QByteArray whole(Format format, const QList<GeneratedBook>& books) {
    QByteArray out;
    for (qsizetype i = 0; i < books.size(); ++i)
        out += part(format, books[i], i, books.size());
    return out;
}

} // namespace

QByteArray part(Format format, const GeneratedBook& book, qsizetype index, qsizetype count) {
    switch (format) {
    case Format::Text:
        return textPart(book, index);
    case Format::Csv:
        return csvPart(book, index, count);
    case Format::Json:
        return jsonPart(book);
    case Format::Markdown:
        return markdownPart(book, index);
    }
    return QByteArray();
}

QByteArray text(const QList<GeneratedBook>& books) {
    return whole(Format::Text, books);
}

QByteArray csv(const QList<GeneratedBook>& books) {
    // The header stands alone when there is no book.
    return books.isEmpty() ? csvPart(GeneratedBook(), 0, 0) : whole(Format::Csv, books);
}

QByteArray json(const QList<GeneratedBook>& books) {
    return whole(Format::Json, books);
}

QByteArray markdown(const QList<GeneratedBook>& books) {
    return whole(Format::Markdown, books);
}

} // namespace BookExport
