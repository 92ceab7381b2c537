#include "ui/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kKey = QStringLiteral("recentBooks");

void store(const QStringList& files) {
    QSettings settings;
    settings.setValue(kKey, files);
}
} // namespace

namespace RecentFiles {

QStringList list() {
    return QSettings().value(kKey).toStringList();
}

void add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = list();
    files.removeAll(absolute);
    files.prepend(absolute);
    store(files.mid(0, kKept));
}

void remove(const QString& path) {
    QStringList files = list();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    store(files);
}

} // namespace RecentFiles
