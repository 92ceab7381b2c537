// Not a test: draws the Options dialog and the About box into PNG files, for looking at them
// without a display, in the user's language (LANGUAGE=de).
// Usage: snapshot_dialogs OPTIONS.png ABOUT.png
#include "dialogs/Frm_Prefs.h"
#include "dialogs/frmAbout.h"
#include "library/SharedSettings.h"
#include "ui/Language.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Language::install(application);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: snapshot_dialogs OPTIONS.png ABOUT.png\n", stderr);
        return 2;
    }
    SharedSettings settings;
    Frm_Prefs options(settings);
    options.show();
    frmAbout about;
    about.show();
    QApplication::processEvents();
    const bool saved = options.grab().save(arguments[1]) && about.grab().save(arguments[2]);
    return saved ? 0 : 1;
}
