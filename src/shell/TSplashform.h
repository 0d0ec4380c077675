#pragma once
// "About Stickwell": the program's name, icon, version and a line on what
// it does, with an OK button.
#include <QDialog>

namespace sw {

class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(QWidget *parent = nullptr);
};

} // namespace sw
