#pragma once

#include <QString>
#include <QStringList>
#include <QTextDocument>

// The document a report template fills. The images and style sheets it names are loaded only
// from the template's own folder and the program's (and the program's built-in resources):
// a template is a file anyone may share, and must not carry other files of the user's into a
// printed book. Anything else (another folder, a device such as /dev/zero, a file larger than
// kLargestResource) is left out: an image shows as nothing.
class TemplateDocument : public QTextDocument {
public:
    // templatePath: the template's file; an empty text allows the program's folder alone.
    explicit TemplateDocument(const QString& templatePath);

    static constexpr qint64 kLargestResource = 16 * 1024 * 1024;

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // The file's bytes when the rules allow it, else a null array.
    QByteArray allowedBytes(const QUrl& name) const;

    QStringList m_folders; // canonical, each ending in "/"
};
