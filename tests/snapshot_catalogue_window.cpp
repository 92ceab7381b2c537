// Not a test: opens the catalogue window beside the main window with a request set, and draws
// it into a PNG file, in the user's language, for looking at it without a display.
// Usage: snapshot_catalogue_window FOLDER OUT.png [CLASS] [LEVEL] [FILTER] [IMPORT.csv]
// With IMPORT.csv the picture is of "Import Spells..." as it shows that file.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "dialogs/CatalogueWindow.h"
#include "dialogs/ImportSpellsDialog.h"
#include "ui/Language.h"
#include "ui/OpenFileDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Language::install(application);
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
        // By the class's own name and the level's number, so the same arguments work in any
        // language the window is shown in.
        classes->setCurrentIndex(classes->findData(arguments.value(3, QStringLiteral("MAGE"))));
        window.cboClass_Click();
        auto* level = window.findChild<QComboBox*>(QStringLiteral("cboLevel"));
        QString levelNumber = arguments.value(4, QStringLiteral("9"));
        levelNumber.remove(QRegularExpression(QStringLiteral("\\D")));
        level->setCurrentIndex(level->findData(levelNumber.toInt()));
        window.findChild<QComboBox*>(QStringLiteral("cboVolume"))->setCurrentIndex(4);
        window.Tools_Catalogue_Click(true);
        CatalogueWindow* catalogue = window.catalogueWindow();
        if (arguments.size() > 5 && !arguments[5].isEmpty()) {
            auto* find = catalogue->findChild<QLineEdit*>(QStringLiteral("txtCatalogueFind"));
            find->setText(arguments[5]);
            emit find->returnPressed();
        }
        catalogue->table()->selectRow(0);
        catalogue->table()->resizeColumnsToContents();
        QApplication::processEvents();
        QWidget* shown = catalogue;
        if (arguments.size() > 6) {
            const QString file = arguments[6];
            OpenFileDialog::setHandler([file](const QString&, const QString&) { return file; });
            catalogue->findChild<QPushButton*>(QStringLiteral("cmdImportSpells"))->click();
            shown = catalogue->findChild<ImportSpellsDialog*>();
            QApplication::processEvents();
        }
        if (!shown || !shown->grab().save(arguments[2]))
            status = 1;
    }
    return status;
}
