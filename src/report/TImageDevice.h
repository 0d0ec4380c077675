#pragma once
// A report device that paints every page on an image of its own: the
// printable area of a sheet at a chosen resolution, with a chosen
// unprintable border. Used to replay a recorded report for the preview and
// to examine output in tests.
#include "report/TReportDevice.h"

#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QSizeF>

#include <memory>

namespace sw {

class TImageDevice : public TReportDevice
{
public:
    TImageDevice(int ppiX = 96, int ppiY = 96);
    ~TImageDevice() override;

    void setResolution(int ppiX, int ppiY);
    // The sheet in portrait, inches (default Letter, 8.5 x 11).
    void setPaperSize(const QSizeF &inches);
    // The unprintable border of the sheet in portrait, inches (default none).
    void setUnprintableBorder(const QMarginsF &inches);
    // Page images are this many times the printable area's pixel size (the
    // preview's zoom); 1 by default.
    void setImageScale(double scale);
    // Whether the device counts as an installed printer (default true).
    void setInstalled(bool installed) { mInstalled = installed; }
    TOrientation orientation() const { return mOrientation; }

    // The finished pages (and the page being painted), first page first.
    // Reading a page being painted gives what is painted so far.
    int pageCount() const { return int(mPages.size()); }
    QImage page(int index) const;
    bool documentAborted() const { return mAborted; }

    bool isInstalled() const override { return mInstalled; }
    TDeviceCaps caps() const override;
    void selectPaper(int paperNumber, double widthInches, double heightInches) override;
    void setOrientation(TOrientation orientation) override;
    void setCopies(int) override {}
    int paperNumber() const override { return mPaperNumber; }
    QString deviceName() const override;
    QString driverName() const override;
    QString portName() const override;
    QPaintDevice *measureDevice() override;
    QPainter *beginDocument(const QString &title) override;
    QPainter *newPage() override;
    void endDocument() override;
    void abortDocument() override;

private:
    QImage makePage() const;
    QPainter *startPage();
    void finishPage();
    QSizeF sheet() const;          // as it lies, after orientation
    QMarginsF border() const;      // as it lies

    int mPpiX;
    int mPpiY;
    QSizeF mPaper{8.5, 11.0};
    QMarginsF mBorder;
    double mScale = 1.0;
    bool mInstalled = true;
    TOrientation mOrientation = poPortrait;
    int mPaperNumber = 1;
    QList<QImage> mPages;
    std::unique_ptr<QPainter> mPainter;
    QImage mMeasure;
    bool mAborted = false;
};

} // namespace sw
