// velmora: the program's start.
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/prompts.h"
#include "settings/settings.h"
#include "app/splash_screen.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.svg")));

    // The splash window paints at once and closes itself after 2000 ms.
    auto *splash = new velmora::SplashScreen;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QString::fromLatin1(velmora::kProductTitle));
    const velmora::Folders folders = velmora::currentFolders();
    QDir::setCurrent(QString::fromStdString(folders.programFolder));

    velmora::DravlenLibrary library;
    velmora::MessageBoxPrompts prompts;
    velmora::MainWindow window(library, prompts, folders);
    prompts.setParent(&window);
    if (!window.started())
        return 1;
    window.showMaximized();
    splash->raise();
    return app.exec();
}
