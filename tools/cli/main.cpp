// tomewright-cli: the spell catalogue and spellbooks from the command line.
#include "tools/cli/CatalogueCommand.h"
#include "tools/cli/GenerateCommand.h"
#include "tools/cli/RenderCommand.h"
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
    if (command == QLatin1String("catalogue"))
        return runCatalogueCommand(arguments.mid(1));
    if (command == QLatin1String("generate"))
        return runGenerateCommand(arguments.mid(1));
    if (command == QLatin1String("render"))
        return runRenderCommand(arguments.mid(1));
    if (command == QLatin1String("--version")) {
        std::printf("tomewright-cli %s\n", TOMEWRIGHT_VERSION);
        return 0;
    }
    std::fputs(kUsage, command == QLatin1String("--help") ? stdout : stderr);
    return command == QLatin1String("--help") ? 0 : 2;
}
