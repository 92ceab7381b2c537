#pragma once

#include "library/catalogue/LineProblem.h"

#include <QByteArray>
#include <QString>
#include <optional>

// How the bytes of a CSV file are read: UTF-8 (the catalogue's own encoding, what "CSV UTF-8"
// saves), or Windows-1252 (what older Windows programs and Excel's plain "CSV" save in western
// Europe and America).
enum class TextEncoding { Utf8, Windows1252 };

// A file's text as UTF-8 with "\n" line ends (Windows' "\r\n" and old Macintosh "\r" turned into
// "\n", inside quoted fields too), without a byte-order mark, ending in "\n"; or, when the bytes
// are not text of that encoding, the problem, naming the first bad line.
struct DecodedText {
    QByteArray utf8;
    std::optional<LineProblem> problem;
};

DecodedText decodeText(const QByteArray& bytes, TextEncoding encoding);

// The encoding named by a --encoding value ("utf-8", "windows-1252", any letter case); false
// when the name is not one of them.
bool encodingFromName(const QString& name, TextEncoding* encoding);
