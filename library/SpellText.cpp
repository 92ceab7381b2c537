#include "library/SpellText.h"

#include <QCoreApplication>

namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

} // namespace

std::optional<char16_t> firstControl(const QString& text, bool lineBreaksAllowed) {
    for (const QChar c : text) {
        if (isControl(c) &&
            !(lineBreaksAllowed && (c == QLatin1Char('\n') || c == QLatin1Char('\t'))))
            return c.unicode();
    }
    return std::nullopt;
}

QString spellTextProblem(const QString& what, const QString& text, int limit,
                         bool lineBreaksAllowed) {
    QStringList problems;
    if (const std::optional<char16_t> control = firstControl(text, lineBreaksAllowed))
        problems << QCoreApplication::translate("SpellText",
                                                "the %1 holds a control character (%2)")
                        .arg(what, codePoint(*control));
    const qsizetype length = characterCount(text);
    if (length > limit)
        problems << QCoreApplication::translate(
                        "SpellText", "the %1 is %2 characters long, more than the %3 allowed")
                        .arg(what, QString::number(length), QString::number(limit));
    return problems.join(QStringLiteral("; "));
}

QString codePoint(char16_t unit) {
    return QStringLiteral("U+%1").arg(unit, 4, 16, QLatin1Char('0')).toUpper();
}

QString printable(const QString& text) {
    QString shown;
    for (const QChar c : text)
        shown += isControl(c) ? codePoint(c.unicode()) : QString(c);
    return shown;
}

qsizetype characterCount(const QString& text) {
    // A surrogate pair is one character; counted in place, as a text may be megabytes long.
    qsizetype pairs = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()) {
            ++pairs;
            ++i;
        }
    }
    return text.size() - pairs;
}
