// Surabe: starts the main window, which owns the one game state of the run through this function.
#include "GameState.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    surabe::GameState state;
    surabe::MainWindow window(state);
    QObject::connect(&window, &surabe::MainWindow::exitChosen, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
