#include "library/catalogue/TextDecoding.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

const QByteArray kUtf8Mark = "\xEF\xBB\xBF";

QByteArray normalisedLineEnds(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    return bytes;
}

} // namespace

bool encodingFromName(const QString& name, TextEncoding* encoding) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("utf-8") || n == QLatin1String("utf8")) {
        *encoding = TextEncoding::Utf8;
        return true;
    }
    if (n == QLatin1String("windows-1252") || n == QLatin1String("cp1252")) {
        *encoding = TextEncoding::Windows1252;
        return true;
    }
    return false;
}

DecodedText decodeText(const QByteArray& bytes, TextEncoding encoding) {
    DecodedText decoded;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        decoded.problem = {1, QCoreApplication::translate(
                                  "catalogue", "the file is UTF-16 text; save it as UTF-8 (in a "
                                               "spreadsheet: \"CSV UTF-8\")")};
        return decoded;
    }
    const bool marked = bytes.startsWith(kUtf8Mark);
    if (marked && encoding == TextEncoding::Windows1252) {
        decoded.problem = {1, QCoreApplication::translate(
                                  "catalogue", "the file is UTF-8 (it begins with a UTF-8 "
                                               "byte-order mark); read it without --encoding")};
        return decoded;
    }
    // "\r" and "\n" are single bytes in both encodings, never part of another character.
    const QByteArray text = normalisedLineEnds(marked ? bytes.mid(kUtf8Mark.size()) : bytes);

    if (encoding == TextEncoding::Utf8) {
        // Line by line, so the message names the first line that is not UTF-8.
        int line = 1;
        for (qsizetype start = 0; start < text.size(); ++line) {
            const qsizetype end = text.indexOf('\n', start) + 1;
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            (void)QString(utf8(QByteArrayView(text).sliced(start, end - start)));
            if (utf8.hasError()) {
                decoded.problem = {line, QCoreApplication::translate(
                                             "catalogue", "the text is not UTF-8; save the file "
                                                          "as UTF-8, or read a file from Windows "
                                                          "with --encoding windows-1252")};
                return decoded;
            }
            start = end;
        }
        decoded.utf8 = text;
        return decoded;
    }

    QStringDecoder windows("windows-1252");
    if (!windows.isValid()) {
        decoded.problem = {1, QCoreApplication::translate(
                                  "catalogue", "this Tomewright cannot read windows-1252 text; "
                                               "save the file as UTF-8")};
        return decoded;
    }
    // Every byte is a character of windows-1252 (its five unused bytes come out as control
    // characters, which the checks of the rows refuse).
    decoded.utf8 = QString(windows(text)).toUtf8();
    return decoded;
}
