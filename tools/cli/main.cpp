// tomewright-cli: the spell catalogue and spellbooks from the command line.
#include "tools/cli/CatalogueCommand.h"
#include "tools/cli/GenerateCommand.h"
#include "tools/cli/RenderCommand.h"
#include "tools/cli/StandardOutput.h"
#include "ui/Language.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
const char* kUsage = "Usage: tomewright-cli generate [OPTIONS]\n"
                     "       tomewright-cli render [OPTIONS] BOOK...\n"
                     "       tomewright-cli catalogue build|export|import|remove|check [OPTIONS]\n"
                     "Run a command with --help for its options.\n";
}

int main(int argc, char* argv[]) {
    // The PDF output lays out text with Qt's fonts; no display is needed for that.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tomewright-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOMEWRIGHT_VERSION));
    // Messages in the user's language; options, values and the output stay as they are.
    Language::install(application);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    // Every command's output is checked once more at the end, when the last of it is flushed.
    if (command == QLatin1String("catalogue"))
        return StandardOutput::finish(runCatalogueCommand(arguments.mid(1)));
    if (command == QLatin1String("generate"))
        return StandardOutput::finish(runGenerateCommand(arguments.mid(1)));
    if (command == QLatin1String("render"))
        return StandardOutput::finish(runRenderCommand(arguments.mid(1)));
    if (command == QLatin1String("--version")) {
        StandardOutput::write("tomewright-cli " TOMEWRIGHT_VERSION "\n");
        return StandardOutput::finish(0);
    }
    if (command != QLatin1String("--help")) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    StandardOutput::write(kUsage);
    return StandardOutput::finish(0);
}
