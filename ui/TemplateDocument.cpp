#include "ui/TemplateDocument.h"

#include "ui/BoundedRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QUrl>

namespace {

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QString() : canonical + QLatin1Char('/');
}

} // namespace

TemplateDocument::TemplateDocument(const QString& templatePath) {
    if (!templatePath.isEmpty()) {
        const QFileInfo file(templatePath);
        m_folders << canonicalFolder(file.absolutePath());
        setBaseUrl(QUrl::fromLocalFile(file.absolutePath() + QLatin1Char('/')));
    }
    m_folders << canonicalFolder(QCoreApplication::applicationDirPath());
    m_folders.removeAll(QString());
}

QVariant TemplateDocument::loadResource(int type, const QUrl& name) {
    const QByteArray bytes = allowedBytes(name);
    if (type != ImageResource)
        return bytes.isNull() ? QVariant() : QVariant(bytes);
    // An image is handed over decoded, and one that is refused or cannot be decoded as an
    // empty one: given nothing, Qt would load the file itself, from wherever its name points.
    QImage image = QImage::fromData(bytes);
    if (image.isNull()) {
        image = QImage(1, 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
    }
    return image;
}

QByteArray TemplateDocument::allowedBytes(const QUrl& name) const {
    const QUrl url = baseUrl().resolved(name);
    if (url.scheme() == QLatin1String("qrc")) {
        QFile resource(QLatin1Char(':') + url.path());
        if (resource.open(QIODevice::ReadOnly) && resource.size() <= kLargestResource)
            return resource.readAll();
        return {};
    }
    if (!url.isLocalFile())
        return {};
    // By the file's real place, so neither "../" nor a link leads out of the folders.
    const QFileInfo file(url.toLocalFile());
    const QString path = file.canonicalFilePath();
    if (path.isEmpty() || !file.isFile())
        return {};
    bool allowed = false;
    for (const QString& folder : m_folders)
        allowed = allowed || path.startsWith(folder);
    if (!allowed)
        return {};
    const BoundedRead read = readBounded(path, kLargestResource);
    return read.ok() ? read.bytes : QByteArray();
}
