#pragma once

#include <QString>
#include <optional>

// The rules every spell's free texts keep, wherever a spell comes from (a catalogue file, a book
// file): no control character (a description may hold line breaks and tabs) and no more
// characters than the field's limit.

// The longest the free-text fields may be, in characters (an emoji or an accented letter typed
// as one character counts once, however it is stored).
struct SpellLimits {
    static constexpr int kName = 100;
    static constexpr int kBook = 100;
    static constexpr int kPage = 20;
    static constexpr int kDescription = 400;
};

// The first control character of a text (U+0000 included), or nothing. With lineBreaksAllowed,
// "\n" and "\t" are allowed.
std::optional<char16_t> firstControl(const QString& text, bool lineBreaksAllowed);

// What is wrong with one free-text field, or an empty text: "the description holds a control
// character (U+0007)", "the name is 120 characters long, more than the 100 allowed". what names
// the field.
QString spellTextProblem(const QString& what, const QString& text, int limit,
                         bool lineBreaksAllowed);

// "U+0007"
QString codePoint(char16_t unit);

// A text as a message may quote it: control characters (which could move a terminal's cursor or
// hide the rest) are shown as U+XXXX.
QString printable(const QString& text);

// The number of characters (code points) of a text.
qsizetype characterCount(const QString& text);
