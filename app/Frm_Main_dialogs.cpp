// The main window's menu entries that open the Options dialog and the About box.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "dialogs/Frm_Prefs.h"
#include "dialogs/frmAbout.h"
#include "ui/BusyCursor.h"
#include "ui/MessageBox.h"

void Frm_Main::Tools_Options_Click() {
    try {
        std::optional<BusyCursor> busy(std::in_place);
        Frm_Prefs dialog(Constants::Settings, this);
        busy.reset();
        dialog.exec();
    } catch (const std::exception& error) {
        MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
    }
}

void Frm_Main::About_Tomewright_Click() {
    try {
        // A new box at each opening, not blocking the main window, gone when closed.
        auto* about = new frmAbout(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
    } catch (const std::exception& error) {
        MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
    }
}
