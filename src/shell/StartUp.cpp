#include "shell/StartUp.h"

#include "help/ui/THelpWindow.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/LabelObjectDialogs.h"
#include "objects/ui/TBarcodeProperties.h"
#include "objects/ui/TGImageBrowser.h"
#include "objects/ui/TSuperShapeProperties.h"
#include "objects/ui/TSuperTextProperties.h"
#include "objects/ui/TMultiLineTextEditor.h"
#include "objects/ui/TRichTextLabelEditor.h"
#include "objects/ui/WidgetMenuPresenter.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCursor.h"
#include "platform/SingleInstance.h"
#include "platform/ui/WidgetMessageService.h"
#include "shell/StickwellApplication.h"
#include "shell/TSKMainScreen.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

namespace sw {

void installWindowServices()
{
    // The core reaches its windows through these hooks: popup menus, the
    // label objects' editors and dialogs, and help from their Help buttons.
    WidgetMenuPresenter::install();
    LabelObjectDialogs::install();
    TMultiLineTextEditor::install();
    TGImageBrowser::install();
    TSuperShapeProperties::install();
    TSuperTextProperties::install();
    TBarcodeProperties::install();
    TRichTextLabelEditor::install();
    DialogButtons::helpHandler = [](int topic) { THelpWindow::showContext(topic, QApplication::activeWindow()); };
}

bool renameOldConfigFile()
{
    return ProgramFolder::renameFile(QStringLiteral("sk2.ini"), QStringLiteral("sk.ini"));
}

int runStickwell(int argc, char **argv)
{
    StickwellApplication app(argc, argv);

    // A failed rename leaves the old file; the defaults then apply.
    renameOldConfigFile();

    // A label file named on the command line (the file manager's double
    // click) opens in the running instance when there is one.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Designs and prints sheet labels."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A label file (.sk) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    SingleInstance instance(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    instance.setFilesToOpen(files);
    if (!instance.tryToRun())
        return 0;

    ScreenCursor::set(ScreenCursor::Hourglass);
    // The application's title is its name. No display name is set: the
    // window system would append it to every caption ("Stickwell - X.SK").
    QApplication::setApplicationName(MessageService::applicationTitle());
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("stickwell"));
    QApplication::setQuitOnLastWindowClosed(true);

    WidgetMessageService messages;
    ScopedMessageHandler installed(&messages);
    installWindowServices();

    // A failure while the window is built ends the program with a message;
    // once the event loop runs, failures are shown and the program goes on.
    int result = 1;
    runGuarded([&] {
        TSKMainScreen mainScreen;
        QApplication::setWindowIcon(mainScreen.windowIcon());
        QObject::connect(&instance, &SingleInstance::activationRequested, &mainScreen,
                         &TSKMainScreen::bringToFront);
        // Queued: opening may ask questions, which must not run inside the
        // socket's own handler.
        QObject::connect(
            &instance, &SingleInstance::filesRequested, &mainScreen,
            [&mainScreen](const QStringList &requested) { mainScreen.openRequestedFile(requested.first()); },
            Qt::QueuedConnection);
        mainScreen.FormActivate();
        if (!files.isEmpty())
            mainScreen.openRequestedFile(QFileInfo(files.first()).absoluteFilePath());
        ScreenCursor::set(ScreenCursor::Default);
        result = app.exec();
    });
    ScreenCursor::set(ScreenCursor::Default);
    return result;
}

} // namespace sw
