// Until the main window lands: shows the design panel of the default layout.
#include "surface/TGStickwellPanel32.h"
#include "surface/ui/LabelPanelView.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stickwell"));
    sw::TGStickwellPanel32 panel;
    panel.setSize(254, 96);
    panel.setDrawOutline(true);
    sw::LabelPanelView view(&panel);
    view.setWindowTitle(QStringLiteral("Stickwell II"));
    view.show();
    return app.exec();
}
