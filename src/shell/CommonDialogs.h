#pragma once
// The open, save and font dialogs the main window uses, behind an interface
// so that tests can answer them. The default shows the real windows.
#include <QString>

class QWidget;

namespace sw {

class TFont;

class CommonDialogs
{
public:
    // Filters of the label-file dialogs. File names on this platform are
    // case-sensitive, so both spellings of the extension are listed.
    static QString openFilter() { return QStringLiteral("Stickwell File (*.sk *.SK)"); }
    static QString saveFilter() { return QStringLiteral("SK File (*.SK *.sk)"); }
    static QString defaultSuffix() { return QStringLiteral("SK"); }

    virtual ~CommonDialogs();

    // An existing file chosen in `folder`; empty when cancelled.
    virtual QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter) = 0;
    // A file name to save under, starting in `folder` with `proposedName`;
    // a name typed without extension gets `suffix`. Overwriting an existing
    // file has been confirmed. Empty when cancelled.
    virtual QString getSaveFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &proposedName, const QString &filter,
                                    const QString &suffix) = 0;
    // Lets the user change `font`; false (font unchanged) when cancelled.
    virtual bool getFont(QWidget *parent, TFont &font) = 0;
};

// Qt's file dialogs and the program's font window.
class QtCommonDialogs : public CommonDialogs
{
public:
    QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &proposedName, const QString &filter, const QString &suffix) override;
    bool getFont(QWidget *parent, TFont &font) override;
};

} // namespace sw
