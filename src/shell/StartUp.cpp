#include "shell/StartUp.h"

#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"
#include "platform/SingleInstance.h"
#include "platform/ui/WidgetMessageService.h"
#include "shell/StickwellApplication.h"
#include "shell/TSKMainScreen.h"

#include <QFileInfo>
#include <QIcon>

namespace sw {

bool renameOldConfigFile()
{
    return ProgramFolder::renameFile(QStringLiteral("sk2.ini"), QStringLiteral("sk.ini"));
}

int runStickwell(int argc, char **argv)
{
    StickwellApplication app(argc, argv);

    // A failed rename leaves the old file; the defaults then apply.
    renameOldConfigFile();

    SingleInstance instance(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (!instance.tryToRun())
        return 0;

    ScreenCursor::set(ScreenCursor::Hourglass);
    QApplication::setApplicationName(QStringLiteral("Stickwell"));
    QApplication::setApplicationDisplayName(MessageService::applicationTitle());
    QApplication::setQuitOnLastWindowClosed(true);

    WidgetMessageService messages;
    ScopedMessageHandler installed(&messages);

    // A failure while the window is built ends the program with a message;
    // once the event loop runs, failures are shown and the program goes on.
    int result = 1;
    runGuarded([&] {
        TSKMainScreen mainScreen;
        QApplication::setWindowIcon(mainScreen.windowIcon());
        QObject::connect(&instance, &SingleInstance::activationRequested, &mainScreen,
                         &TSKMainScreen::bringToFront);
        mainScreen.FormActivate();
        ScreenCursor::set(ScreenCursor::Default);
        result = app.exec();
    });
    ScreenCursor::set(ScreenCursor::Default);
    return result;
}

} // namespace sw
