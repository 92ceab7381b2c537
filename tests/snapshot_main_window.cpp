// Not a test: draws the main window after a generation into a PNG file, for looking at the
// window without a display. Usage: snapshot_main_window DATABASE OUT.png [CLASS] [LEVEL] [VOLUME]
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: snapshot_main_window DATABASE OUT.png [CLASS] [LEVEL] [VOLUME]\n",
                   stderr);
        return 2;
    }
    int status = 0;
    {
        Frm_Main window(arguments[1]);
        if (!window.Form_Load())
            return 1;
        window.show();
        window.findChild<QLineEdit*>("txtName")->setText("Maelis of the Ninth Lantern");
        window.findChild<QComboBox*>("cboClass")->setCurrentText(arguments.value(3, "MAGE"));
        window.cboClass_Click();
        window.findChild<QComboBox*>("cboLevel")->setCurrentText(arguments.value(4, "12th"));
        window.findChild<QComboBox*>("cboVolume")
            ->setCurrentIndex(arguments.value(5, "3").toInt() - 1);
        window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
        QApplication::processEvents();
        std::printf("%s\n", qPrintable(window.statusText(3)));
        if (!window.grab().save(arguments[2]))
            status = 1;
    }
    Constants::MyLibrary.reset();
    return status;
}
