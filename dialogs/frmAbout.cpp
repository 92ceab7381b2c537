#include "dialogs/frmAbout.h"

#include "ui/Accessibility.h"
#include "ui/MessageBox.h"
#include "ui/ProgramLauncher.h"
#include "ui/Registry.h"
#include "ui_frmAbout.h"

#include <QDir>
#include <QIcon>
#include <QKeyEvent>

namespace {
const QString kTitle = QStringLiteral("Tomewright");
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : frmAbout(Registry::system(), ProgramLauncher::system(), parent) {}

frmAbout::frmAbout(const Registry& registry, const ProgramLauncher& launcher, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), m_registry(registry),
      m_launcher(launcher) {
    ui->setupUi(this);
    nameControlsFromLabels(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
    Form_Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::versionText() {
    return tr("Version %1.%2.%3")
        .arg(TOMEWRIGHT_VERSION_MAJOR)
        .arg(TOMEWRIGHT_VERSION_MINOR)
        .arg(TOMEWRIGHT_VERSION_PATCH);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr(" About %1").arg(kTitle));
    ui->picIcon->setPixmap(QIcon(QStringLiteral(":/icons/tomewright.svg")).pixmap(64, 64));
    ui->lblVersion->setText(versionText());
    ui->lblTitle->setText(kTitle);
    QFont titleFont = ui->lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    ui->lblTitle->setFont(titleFont);
    //: PC and NPC: a player character and a non-player character of a role-playing game.
    ui->lblDescription->setText(tr("Tomewright allows the User to quickly and easily generate a "
                                   "Spellbook for a PC/ NPC using several criteria to determine "
                                   "the types and numbers of spells."));
    ui->lblDisclaimer->setText(tr("Disclaimer: This application is not an official product of "
                                  "Gravenhollow, so use at your own risk."));
    ui->lblCreator->setText(tr("Created by: the Tomewright team (tomewright@example.org)"));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is both the default button (Enter) and the cancel button (Escape).
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::StartSysInfo() {
    QString path;
    if (!GetKeyValue(m_registry, Registry::kLocalMachine,
                     QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                     QStringLiteral("PATH"), path)) {
        QString folder;
        if (!GetKeyValue(m_registry, Registry::kLocalMachine,
                         QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"), folder)) {
            MessageBox::show(this, tr("System Information Is Unavailable At This Time"));
            return;
        }
        path = QDir(folder).filePath(QStringLiteral("MSINFO32.EXE"));
        if (!m_launcher.fileExists(path)) {
            MessageBox::show(this, tr("System Information Is Unavailable At This Time"));
            return;
        }
    }
    if (path.isEmpty() || !m_launcher.startDetached(path))
        MessageBox::show(this, tr("System Information Is Unavailable At This Time"));
}
