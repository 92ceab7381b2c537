#include "tests/support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace PdfText {

QList<QStringList> pageWords(const QString& pdfPath) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(120000) || pdftotext.exitCode() != 0)
        return {};
    QList<QStringList> pages;
    // Pages end with a form feed; nothing follows the last one.
    // Ligatures ("ﬁ" for "fi") read back as the letters they join.
    const QStringList texts = QString::fromUtf8(pdftotext.readAllStandardOutput())
                                  .normalized(QString::NormalizationForm_KC)
                                  .split('\f');
    for (qsizetype i = 0; i + 1 < texts.size(); ++i)
        pages.append(words(texts[i]));
    return pages;
}

QList<PlacedPage> placedWords(const QString& pdfPath) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(120000) || pdftotext.exitCode() != 0)
        return {};
    QList<PlacedPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    const auto number = [&xml](const char* name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    return xml.hasError() ? QList<PlacedPage>() : pages;
}

QStringList words(const QString& text) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

qsizetype find(const QStringList& page, const QStringList& words, qsizetype from) {
    if (words.isEmpty())
        return -1;
    for (qsizetype at = page.indexOf(words.first(), from); at >= 0;
         at = page.indexOf(words.first(), at + 1)) {
        if (at + words.size() <= page.size() && page.mid(at, words.size()) == words)
            return at;
    }
    return -1;
}

} // namespace PdfText
