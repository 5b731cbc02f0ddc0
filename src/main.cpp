// Surabe: starts the main window, which owns the one game state of the run through this function.
#include "GameState.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Wayland has the window name its desktop entry, for the entry's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.surabe.Surabe"));
    surabe::GameState state;
    surabe::MainWindow window(state);
    QObject::connect(&window, &surabe::MainWindow::exitChosen, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
