// The design panel and the preview as the user meets them, on the real
// widgets (offscreen): a full-sheet design of 200 objects (texts, shapes,
// pictures, SuperShapes) repainted at every zoom the window offers, an
// object dragged across it frame by frame, the panel zoomed step by step,
// and the preview of a 100-sheet run opening its first page. Each figure is
// the median of the runs, with the load average beside it.
#include "BenchRun.h"
#include "PrintJobs.h"

#include "objects/TSuperShape.h"
#include "printing/PrintRequest.h"
#include "printing/ui/TFilePreview.h"
#include "printing/ui/TLabelPrinter.h"
#include "printing/ui/TPreviewForm.h"
#include "surface/TGStickwellPanel32.h"
#include "surface/ui/LabelPanelView.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMouseEvent>
#include <QTextStream>

#include <cmath>
#include <functional>

using namespace sw;
using namespace sw::bench;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

constexpr int FullSheetWidth = 816; // 8.5 x 11 inches at 96 pixels per inch
constexpr int FullSheetHeight = 1056;

// 200 objects on a grid of 10 x 20 cells, a quarter of each kind.
void fillDesign(TGStickwellPanel32 &panel, int count)
{
    const int cellW = FullSheetWidth / 10, cellH = FullSheetHeight / 20;
    const QImage photo = detail::picture();
    for (int i = 0; i < count; ++i) {
        const QRect cell((i % 10) * cellW + 3, (i / 10 % 20) * cellH + 3, cellW - 6, cellH - 6);
        TGGraphicControl *object = nullptr;
        switch (i % 4) {
        case 0:
            object = detail::text(QStringLiteral("Item %1").arg(i), 9 + i % 5);
            break;
        case 1: {
            auto *shape = detail::outline(i % 8 == 1 ? TGLabelShapes::stEllipse : TGLabelShapes::stRoundRect);
            object = shape;
            break;
        }
        case 2: {
            auto *image = new TGImage;
            image->Picture()->setImage(photo);
            image->SetStretch(true);
            image->Loaded();
            object = image;
            break;
        }
        default: {
            auto *super = new TSuperShape;
            super->SetShape(i % 8 == 3 ? TSuperShape::gstStar : TSuperShape::gstDiamond);
            super->SetSurfaceType(TSuperShape::stGradientFill);
            super->SetShadowOrient(TSuperShape::soLowerRight);
            super->SetShadowDepth(4);
            super->Loaded();
            object = super;
            break;
        }
        }
        panel.PlaceObject(object, cell);
    }
}

// Milliseconds `work` takes.
double timed(const std::function<void()> &work)
{
    const double start = now();
    work();
    return (now() - start) * 1000.0;
}

QString ms(double v)
{
    return QString::number(v, 'f', 1);
}

void send(QWidget *view, QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}


struct Goal
{
    QString what;
    double value = 0, limit = 0, load = 0;
};

} // namespace

int main(int argc, char **argv)
{
    prepareOffscreen();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the design panel and the preview."));
    parser.addHelpOption();
    const QCommandLineOption objectsOption(QStringLiteral("objects"), QStringLiteral("Objects (default 200)."),
                                           QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each (default 5)."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption sheetsOption(QStringLiteral("preview-sheets"),
                                          QStringLiteral("Sheets of the previewed run (default 100)."),
                                          QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption shotsOption(QStringLiteral("shots"),
                                         QStringLiteral("Save what was timed as PNG files in this folder."),
                                         QStringLiteral("folder"));
    parser.addOptions({objectsOption, runsOption, sheetsOption, shotsOption});
    parser.process(app);
    const int objects = std::max(1, parser.value(objectsOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const int previewSheets = std::max(1, parser.value(sheetsOption).toInt());
    const QString shots = parser.value(shotsOption);
    const auto shoot = [&shots](QWidget &widget, const QString &name) {
        if (!shots.isEmpty())
            widget.grab().save(QDir(shots).filePath(name + QStringLiteral(".png")));
    };
    std::vector<Goal> goals;

    TGStickwellPanel32 panel;
    panel.setSize(FullSheetWidth, FullSheetHeight);
    fillDesign(panel, objects);
    LabelPanelView view(&panel);
    view.show();
    QApplication::processEvents();

    out() << objects << " objects on an 8.5 x 11 inch panel; median of " << runs
          << " runs; load = 1-minute load average\n\n";
    out() << "zoom   zoom ms  repaint ms  load\n";
    double worstRepaint = 0, worstZoom = 0;
    std::vector<float> zooms;
    for (int step = 4; step <= 16; ++step)
        zooms.push_back(float(step) / 10.0f);
    for (float zoom : zooms) {
        std::vector<double> zoomTimes, repaintTimes;
        for (int run = 0; run < runs; ++run) {
            panel.SetZoom(1.0f);
            QApplication::processEvents();
            zoomTimes.push_back(timed([&] {
                panel.SetZoom(zoom);
                view.repaint();
            }));
            repaintTimes.push_back(timed([&] { view.repaint(); }));
        }
        shoot(view, QStringLiteral("panel-%1").arg(int(std::lround(zoom * 100))));
        const double z = median(zoomTimes), r = median(repaintTimes);
        worstRepaint = std::max(worstRepaint, r);
        if (zoom != 1.0f)
            worstZoom = std::max(worstZoom, z);
        out() << QStringLiteral("%1% %2 %3 %4\n")
                     .arg(int(std::lround(zoom * 100)), 4)
                     .arg(zoom == 1.0f ? QStringLiteral("-") : ms(z), 8)
                     .arg(ms(r), 11)
                     .arg(loadAverage(), 5, 'f', 2);
        out().flush();
    }
    goals.push_back({QStringLiteral("repaint at every zoom, slowest (ms)"), worstRepaint, 16, loadAverage()});
    goals.push_back({QStringLiteral("zoom from 100 % and repaint, slowest (ms)"), worstZoom, 50, loadAverage()});

    // A drag of a picture in the middle, 2 pixels a frame, at 100 %.
    panel.SetZoom(1.0f);
    QApplication::processEvents();
    std::vector<double> frames;
    for (int run = 0; run < runs; ++run) {
        const QPoint start(FullSheetWidth / 2 - 30, FullSheetHeight / 2 + 10);
        send(&view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        for (int f = 1; f <= 60; ++f) {
            const QPoint at = start + QPoint(2 * f, f);
            frames.push_back(timed([&] {
                send(&view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
                view.repaint();
            }));
        }
        shoot(view, QStringLiteral("drag"));
        send(&view, QEvent::MouseButtonRelease, start + QPoint(120, 60), Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }
    std::sort(frames.begin(), frames.end());
    const double frame = median(frames);
    const double slowFrame = frames[size_t(double(frames.size()) * 0.95)];
    out() << "\ndrag: frame " << ms(frame) << " ms median, " << ms(slowFrame) << " ms at the 95th percentile ("
          << QString::number(1000.0 / frame, 'f', 0) << " frames a second), load "
          << QString::number(loadAverage(), 'f', 2) << '\n';
    goals.push_back({QStringLiteral("drag frame, 95th percentile (ms)"), slowFrame, 1000.0 / 60, loadAverage()});

    // The preview of a run of many sheets: the status window's recording run,
    // then the preview window up with its first page painted.
    std::vector<double> previews;
    for (const char job : {'a', 'd'}) {
        TGStickwellPanel32 design;
        const TLabelLayout stock = TLabelLayout::defaultLayout();
        design.setSize(int(std::lround(stock.LabelWidth * 96)), int(std::lround(stock.LabelHeight * 96)));
        printJob(job).fill(design);
        PrintRequest request;
        request.layout = stock;
        request.sheets = previewSheets;
        request.preview = true;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(timed([&] {
                QByteArray stream;
                {
                    TLabelPrinter status(design, request);
                    status.show();
                    while (!status.runFinished())
                        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                    stream = status.previewStream();
                }
                TPreviewForm preview(stream);
                preview.InitialZoom = 100;
                preview.show();
                QApplication::processEvents();
                preview.repaint();
                shoot(preview, QStringLiteral("preview-%1").arg(QChar(job)));
            }));
        }
        const double t = median(times);
        previews.push_back(t);
        out() << "preview of " << previewSheets << " sheets of job (" << QChar(job) << "), first page: " << ms(t)
              << " ms, load " << QString::number(loadAverage(), 'f', 2) << '\n';
    }
    goals.push_back({QStringLiteral("preview's first page, slowest job (ms)"),
                     *std::max_element(previews.begin(), previews.end()), 300, loadAverage()});

    out() << "\nSummary\n";
    for (const Goal &g : goals)
        out() << g.what << ": " << ms(g.value) << " (goal " << ms(g.limit) << ": "
              << (g.value <= g.limit ? "met" : "missed") << "), load " << QString::number(g.load, 'f', 2) << '\n';
    return 0;
}
