// Not a test: opens the catalogue window beside the main window with a request set, and draws
// it into a PNG file, for looking at it without a display.
// Usage: snapshot_catalogue_window FOLDER OUT.png [CLASS] [LEVEL] [FILTER]
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "dialogs/CatalogueWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTableView>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: snapshot_catalogue_window FOLDER OUT.png [CLASS] [LEVEL] [FILTER]\n",
                   stderr);
        return 2;
    }
    int status = 0;
    {
        Frm_Main window(arguments[1]);
        if (!window.Form_Load())
            return 1;
        auto* classes = window.findChild<QComboBox*>(QStringLiteral("cboClass"));
        classes->setCurrentIndex(classes->findText(arguments.value(3, QStringLiteral("MAGE"))));
        window.cboClass_Click();
        auto* level = window.findChild<QComboBox*>(QStringLiteral("cboLevel"));
        level->setCurrentIndex(level->findText(arguments.value(4, QStringLiteral("9th"))));
        window.findChild<QComboBox*>(QStringLiteral("cboVolume"))->setCurrentIndex(4);
        window.Tools_Catalogue_Click(true);
        CatalogueWindow* catalogue = window.catalogueWindow();
        if (arguments.size() > 5) {
            auto* find = catalogue->findChild<QLineEdit*>(QStringLiteral("txtCatalogueFind"));
            find->setText(arguments[5]);
            emit find->returnPressed();
        }
        catalogue->table()->selectRow(0);
        catalogue->table()->resizeColumnsToContents();
        QApplication::processEvents();
        if (!catalogue->grab().save(arguments[2]))
            status = 1;
    }
    return status;
}
