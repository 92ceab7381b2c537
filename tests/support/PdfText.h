#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The words of a PDF file as a reader finds them on its pages, read back with poppler's
// pdftotext in the order they are drawn (so a table row's cells come one after the other).
namespace PdfText {

// The words of each page, the first page first, ligatures read as their letters. Empty when
// the file cannot be read.
QList<QStringList> pageWords(const QString& pdfPath);

// A page as printed: its size and where each word stands on it, in points from the top left.
struct PlacedWord {
    QString text;
    QRectF box;
};
struct PlacedPage {
    QSizeF size;
    QList<PlacedWord> words;
};
QList<PlacedPage> placedWords(const QString& pdfPath);

// The words of a text, split at white space: what pageWords finds for it when it is printed.
QStringList words(const QString& text);

// Where the words stand one after the other in a page's words, from position from; -1 if not.
qsizetype find(const QStringList& page, const QStringList& words, qsizetype from = 0);

} // namespace PdfText
