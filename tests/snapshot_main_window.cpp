// Not a test: generates a book in the main window and draws the window into a PNG file, for
// looking at the program without a display. Optionally saves the book as a PDF and draws the
// print preview window too.
// Usage: snapshot_main_window FOLDER OUT.png [CLASS] [LEVEL] [VOLUME] [BOOK.pdf] [PREVIEW.png]
// In the user's language (LANGUAGE=de); with SNAPSHOT_MENUS=PREFIX each menu is drawn into
// PREFIX-NAME.png as well.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "ui/Language.h"
#include "ui/SaveFileDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Language::install(application);
    // SNAPSHOT_DARK=1: the Fusion style with a dark palette, to look at the window as users of
    // a dark desktop see it.
    if (qEnvironmentVariableIsSet("SNAPSHOT_DARK")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(55, 55, 58));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 32));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
        QApplication::setPalette(dark);
    }
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: snapshot_main_window FOLDER OUT.png [CLASS] [LEVEL] [VOLUME] "
                   "[BOOK.pdf] [PREVIEW.png]\n",
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
        // The lists show their texts in the user's language and keep the English ones.
        auto* classes = window.findChild<QComboBox*>("cboClass");
        classes->setCurrentIndex(classes->findData(arguments.value(3, "MAGE")));
        window.cboClass_Click();
        auto* levels = window.findChild<QComboBox*>("cboLevel");
        levels->setCurrentIndex(levels->findData(
            QString(arguments.value(4, "12th")).remove(QRegularExpression("[a-z]")).toInt()));
        window.findChild<QComboBox*>("cboVolume")
            ->setCurrentIndex(arguments.value(5, "3").toInt() - 1);
        window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
        // Two rows pinned, as a user keeps the spells they like before a re-roll.
        auto* list = window.findChild<QTreeWidget*>("LV_Spells");
        for (int row = 0; row < 2 && row < list->topLevelItemCount(); ++row)
            list->topLevelItem(row)->setSelected(true);
        window.PopUp_Pin_Click();
        list->clearSelection();
        QApplication::processEvents();
        std::printf("%s\n", qPrintable(window.statusText(3)));
        if (!window.grab().save(arguments[2]))
            status = 1;
        const QString menus = qEnvironmentVariable("SNAPSHOT_MENUS");
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            if (menus.isEmpty())
                break;
            menu->ensurePolished();
            menu->resize(menu->sizeHint());
            if (!menu->grab().save(QStringLiteral("%1-%2.png").arg(menus, menu->objectName())))
                status = 1;
        }
        if (!arguments.value(6).isEmpty()) {
            const QString pdf = arguments[6];
            SaveFileDialog::setHandler([pdf](const QString&, const QString&) { return pdf; });
            window.File_SavePdf_Click();
        }
        if (!arguments.value(7).isEmpty()) {
            const QString preview = arguments[7];
            QTimer::singleShot(1500, [preview] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog) {
                    dialog->grab().save(preview);
                    dialog->close();
                }
            });
            window.Toolbar1_ButtonMenuClick(Frm_Main::kPreviewKey);
        }
    }
    Constants::MyLibrary.reset();
    return status;
}
