#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}
class ProgramLauncher;
class Registry;

// The About box: title, version, description, disclaimer and creator, and the button that
// starts the system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // The registry and launcher default to the platform's own.
    explicit frmAbout(QWidget* parent = nullptr);
    frmAbout(const Registry& registry, const ProgramLauncher& launcher, QWidget* parent = nullptr);
    ~frmAbout() override;

    static QString versionText();
    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    std::unique_ptr<Ui::frmAbout> ui;
    const Registry& m_registry;
    const ProgramLauncher& m_launcher;
};
