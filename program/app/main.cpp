// velmora: the program's start.
#include "app/command_line.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/prompts.h"
#include "saved/saved_truckloads.h"
#include "settings/settings.h"
#include "app/splash_screen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

int main(int argc, char **argv)
{
    // --help and --version answer before the window system is reached, so
    // they work without a display.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const velmora::ProgramArguments early = velmora::helpOrVersion(given);
    if (early.help || early.version) {
        if (early.version)
            std::printf("velmora %s\n", velmora::kProgramVersion);
        if (early.help)
            std::printf("%s", qPrintable(velmora::programUsage()));
        return 0;
    }

    QApplication app(argc, argv);
    // What Qt's own options (-platform, -style, ...) leave.
    const velmora::ProgramArguments options = velmora::parseProgramArguments(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "velmora: %s\n%s", qPrintable(options.error), qPrintable(velmora::programUsage()));
        return 2;
    }
    // A file named relative to where the program was started, before the
    // working folder becomes the program folder.
    const QString truckloadFile =
        options.truckloadFile.isEmpty() ? QString() : QFileInfo(options.truckloadFile).absoluteFilePath();
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
    if (options.quitAfterStart)
        return 0;
    window.showMaximized();
    splash->raise();
    if (!truckloadFile.isEmpty())
        window.savedTruckloads()->openPath(truckloadFile);
    return app.exec();
}
