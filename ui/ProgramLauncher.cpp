#include "ui/ProgramLauncher.h"

#include <QFileInfo>
#include <QProcess>

bool ProgramLauncher::fileExists(const QString& path) const {
    return QFileInfo(path).isFile();
}

bool ProgramLauncher::startDetached(const QString& path) const {
    return QProcess::startDetached(path, {});
}

const ProgramLauncher& ProgramLauncher::system() {
    static const ProgramLauncher launcher;
    return launcher;
}
