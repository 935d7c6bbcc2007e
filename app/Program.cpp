#include "app/Program.h"

#include <QApplication>
#include <QIcon>

// Runs before any window exists; the resources live in a static library.
Program::ApplicationSetUp::ApplicationSetUp() {
    Q_INIT_RESOURCE(velbrin);
    QCoreApplication::setApplicationName(QStringLiteral("Velbrin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velbrin.Velbrin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    // Closing the main window ends the program, whatever dialogs are open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Program::Program() : Mainform(activation) {
    Mainform.setDialogs(selectcolor, Tolform, AboutBox);
    activation.addWindow(&Mainform, [this] { Mainform.FormActivate(); });
    activation.addWindow(&selectcolor);
    activation.addWindow(&Tolform);
    activation.addWindow(&AboutBox);
}

Program::~Program() {
    // The windows go one after another; none may hear of the others' hiding.
    activation.stop();
}

void Program::start() { activation.show(&Mainform); }
