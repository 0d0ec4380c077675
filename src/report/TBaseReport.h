#pragma once
// The report canvas: a page surface on which callers draw in units measured
// from the physical top-left corner of the sheet (inches by default). The
// report converts to device pixels of its output device, subtracting the
// device's unprintable border, so that a mark at 0.188 inch lands 0.188 inch
// from the paper's edge on any device that can print there.
//
// This base holds the units, the drawing state, the text position, the
// document and page lifecycle and the status text. Drawing is done by
// TCanvasReport (on a device's painter) or recorded by TReportFiler.
//
// Lifecycle: idle -> BeginDoc -> page 1 -> NewPage -> page 2 ... -> EndDoc.
// Drawing calls outside BeginDoc/EndDoc raise EReportPrinter; after
// AbortReport, and on pages outside FirstPage..LastPage, they do nothing.
// State setters (SetPen, SetFont ...) may be called at any time.
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"
#include "report/RPDefine.h"
#include "report/TFontCache.h"
#include "report/TReportDevice.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QPainter;
class QPicture;

namespace sw {

class TPicture;

class TBaseReport
{
public:
    using TPrintEvent = std::function<void(TBaseReport &)>;
    // Returns true while there are more pages to print.
    using TPrintPageEvent = std::function<bool(TBaseReport &)>;
    // Receives the status text (a label's caption).
    using TStatusLabel = std::function<void(const QString &)>;

    // Width of the default tab stops PrintText moves to, in inches.
    static constexpr double DefaultTabWidth = 0.5;

    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport &) = delete;
    TBaseReport &operator=(const TBaseReport &) = delete;

    // ---- properties --------------------------------------------------------
    int FirstPage() const { return mFirstPage; }
    void setFirstPage(int page) { mFirstPage = page; }
    int LastPage() const { return mLastPage; }
    void setLastPage(int page) { mLastPage = page; }
    TStatusLabel StatusLabel;
    QString StatusFormat = QStringLiteral("Printing page %p");
    QStringList StatusText;
    TLineHeightMethod LineHeightMethod() const { return mLineHeightMethod; }
    void setLineHeightMethod(TLineHeightMethod method) { mLineHeightMethod = method; }
    int LinesPerInch() const { return mLinesPerInch; }
    void setLinesPerInch(int lines) { mLinesPerInch = lines; }
    // Setting the units sets the factor (units per inch: 1, 25.4, 2.54, 72;
    // unUser keeps it); setting a factor makes the units unUser. A factor
    // that is not positive is ignored.
    TPrintUnits Units() const { return mUnits; }
    void setUnits(TPrintUnits units);
    double UnitsFactor() const { return mUnitsFactor; }
    void setUnitsFactor(double factor);
    double MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0; // units
    int TabShade = 0;
    QString Title;
    TBKMode TextBKMode() const { return mBKMode; }
    void setTextBKMode(TBKMode mode);
    // The background colour of opaque text.
    TColor BKColor() const { return mBKColor; }
    void setBKColor(TColor color);
    int Copies() const { return mCopies; }
    void setCopies(int copies);
    // poPortrait and poLandScape turn the device's paper (not while
    // printing); poDefault leaves it. The value is kept in every case.
    TOrientation Orientation() const { return mOrientation; }
    void setOrientation(TOrientation orientation);
    double ScaleX() const { return mScaleX; } // percent
    void setScaleX(double percent);
    double ScaleY() const { return mScaleY; }
    void setScaleY(double percent);

    TPrintEvent OnPrint;
    TPrintPageEvent OnPrintPage;
    TPrintEvent OnBeforePrint;
    TPrintEvent OnAfterPrint;
    // At the start of every page, the first included.
    TPrintEvent OnNewPage;

    // ---- device state --------------------------------------------------------
    int PixelsPerInchX() const { return mCaps.logPixelsX; }
    int PixelsPerInchY() const { return mCaps.logPixelsY; }
    const TDeviceCaps &DeviceCaps() const { return mCaps; }
    // The unprintable border and the paper, in units.
    double UnprintableLeft() const { return mUnprintableLeft * mUnitsFactor; }
    double UnprintableTop() const { return mUnprintableTop * mUnitsFactor; }
    double UnprintableRight() const { return mUnprintableRight * mUnitsFactor; }
    double UnprintableBottom() const { return mUnprintableBottom * mUnitsFactor; }
    double PaperWidth() const;
    double PaperHeight() const;
    // Percent; 100 except in the preview.
    double ZoomFactor() const { return mZoom; }
    void setZoomFactor(double percent);
    // Inches added to every position before scaling.
    double OriginX = 0, OriginY = 0;
    // Device pixels added after conversion (the preview's ruler).
    int DeviceOffsetX = 0, DeviceOffsetY = 0;
    // The printer paper number in use (0 when not known).
    int PaperNumber() const;

    // ---- conversions -----------------------------------------------------------
    // Round(((x / UnitsFactor + OriginX) x ScaleX x Zoom / 10000
    //        - UnprintableLeft) x pixels per inch X) + DeviceOffsetX,
    // Round being half to even; likewise Y.
    int UnitsToDeviceX(double x) const;
    int UnitsToDeviceY(double y) const;
    double DeviceToUnitsX(double x) const;
    double DeviceToUnitsY(double y) const;
    // A length (not a position) in device pixels: Round(w / UnitsFactor x
    // ScaleX x Zoom / 10000 x pixels per inch X); likewise Y.
    int LengthToDeviceX(double w) const;
    int LengthToDeviceY(double h) const;
    TDeviceRect CreateRect(double x1, double y1, double x2, double y2) const;

    // ---- document and pages ----------------------------------------------------
    // BeginDoc; OnPrint once (when assigned, or when OnPrintPage is not);
    // otherwise OnPrintPage with NewPage between calls while it returns true
    // and the report is not aborted; EndDoc, also when a handler throws.
    virtual void Execute();
    // Raises "already printing" when printing. With no device installed
    // shows "No printers are defined, aborting print job." and returns
    // without printing.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Later drawing does nothing and EndDoc aborts the device's job. Stays
    // readable until the next BeginDoc.
    void AbortReport() { mAborted = true; }
    bool Aborted() const { return mAborted; }
    bool Printing() const { return mPrinting; }
    int CurrentPage() const { return mCurrentPage; }
    // Raises "already printing" when printing. With a device, sets its paper
    // (by number; a positive width and height in inches give a custom size)
    // and re-reads the device state; without, keeps width and height as the
    // paper size.
    void SelectPaper(int paperNumber, double widthInches, double heightInches);

    // The status text: StatusFormat with %P (page), %F, %L, %0..%9 (lines
    // of StatusText), %% and %D, %R, %T (device, driver, port) replaced;
    // other letters give "<ERROR-%x>".
    QString FormatStatus() const;
    // Hands FormatStatus() to StatusLabel, when set, and lets pending window
    // messages run.
    void UpdateStatus();

    // ---- drawing state --------------------------------------------------------
    void SetBrush(TColor color, TBrushStyle style, const QImage &pattern = QImage());
    // width < 0: hundredths of an inch, device width Round(-width x pixels
    // per inch X x ScaleX x Zoom x 1e-6), at least 1; width >= 0: device
    // pixels (0 is the thinnest line).
    void SetPen(TColor color, TPenStyle style, int width, TPenMode mode);
    // Ignored when size <= 0; otherwise name and size (points), colour
    // black, rotation 0 and every style off.
    void SetFont(const QString &name, double size);
    void SetFontBold(bool on);
    void SetFontItalic(bool on);
    void SetFontUnderline(bool on);
    void SetFontStrikeout(bool on);
    void SetFontSuperscript(bool on);
    void SetFontSubscript(bool on);
    void SetFontColor(TColor color);
    void SetFontPitch(TFontPitch pitch);
    // Degrees counter-clockwise, kept modulo 360 (0..359).
    void SetFontRotation(int degrees);

    TColor BrushColor() const { return mBrushColor; }
    TBrushStyle BrushStyle() const { return mBrushStyle; }
    const QImage &BrushPattern() const { return mBrushPattern; }
    TColor PenColor() const { return mPenColor; }
    TPenStyle PenStyle() const { return mPenStyle; }
    TPenMode PenMode() const { return mPenMode; }
    // The pen's device width and its width in inches at 100 % scale.
    int PenDeviceWidth() const;
    double PenWidthInches() const { return mPenInches; }
    QString FontName() const { return mFontName; }
    double FontSize() const { return mFontSize; }
    TColor FontColor() const { return mFontColor; }
    TFontPitch FontPitch() const { return mFontPitch; }
    bool FontBold() const { return mBold; }
    bool FontItalic() const { return mItalic; }
    bool FontUnderline() const { return mUnderline; }
    bool FontStrikeout() const { return mStrikeout; }
    bool FontSuperscript() const { return mSuperscript; }
    bool FontSubscript() const { return mSubscript; }
    int FontRotation() const { return mRotation; }
    // The device font's height: -Round(pixels per inch Y x size / 72 x
    // Zoom / 100), half that for superscript and subscript.
    int DeviceFontHeight() const;
    // The current device font (cached; valid until the state changes).
    const TDeviceFont &DeviceFont();

    // ---- text position and metrics (units) ---------------------------------------
    double XPos() const { return mX * mUnitsFactor; }
    void setXPos(double x) { mX = x / mUnitsFactor; }
    // The baseline.
    double YPos() const { return mY * mUnitsFactor; }
    void setYPos(double y) { mY = y / mUnitsFactor; }
    void GotoXY(double x, double y);
    double LineTop();
    void setLineTop(double top);
    double LineHeight() const { return mLineHeight * mUnitsFactor; }
    // Sets the height and the method lhmUser.
    void setLineHeight(double height);
    double FontHeight() const { return mFontSize / 72.0 * mUnitsFactor; }
    double AscentHeight();
    double DescentHeight();
    // Refreshes ascent, descent and (for lhmFont and lhmLinesPerInch) the
    // line height from the current font.
    void UpdateLineHeight();
    // Width of the text in the current font, at least one device pixel.
    double TextWidth(const QString &text);
    // Draws the text with its left end at x on the current baseline, then
    // moves the position along the text's direction by its width.
    void PrintLeft(const QString &text, double x);
    void PrintCenter(const QString &text, double x);
    void PrintRight(const QString &text, double x);
    // PrintLeft at the current position; a tab moves to the next tab stop
    // (every DefaultTabWidth from MarginLeft) first.
    void PrintText(const QString &text);

    // ---- drawing (units unless stated) ---------------------------------------------
    void Rectangle(double x1, double y1, double x2, double y2);
    // Corner width and height are lengths in units.
    void RoundRect(double x1, double y1, double x2, double y2, double cornerW, double cornerH);
    void Ellipse(double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Polygon(const QVector<QPoint> &devicePoints);
    void Polyline(const QVector<QPoint> &devicePoints);
    void FillRect(const TDeviceRect &rect);
    // The text's cell top-left at (x, y), clipped to rect; opaque in the
    // brush colour unless the brush is bsClear.
    void TextRect(const TDeviceRect &rect, double x, double y, const QString &text);
    // The whole image stretched into the rectangle, source copy.
    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &bitmap);
    // A bitmap or icon stretched into the device rectangle (a metafile
    // picture draws nothing); a recorded picture is played into it, its
    // bounding rectangle fitted to the rectangle.
    void StretchDraw(const TDeviceRect &rect, const TPicture &picture);
    void StretchDraw(const TDeviceRect &rect, const QPicture &picture);
    // A drawing in its own units, (0, 0) to `size`, stretched into the
    // device rectangle as vector output: `draw` paints on a painter whose
    // coordinates are those units, clipped to them. Drawn straight onto a
    // painting device; a recording report keeps it as a recorded picture.
    using VectorDrawing = std::function<void(QPainter &painter)>;
    void StretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw);
    // Copies part of an image into a device rectangle. Not possible on a
    // recorded report.
    void CopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect);

    // The region stack: at most MaxReportRegions regions; one more raises
    // EReportPrinter. Callers delete every region they create.
    void CreateRectRegion(double x1, double y1, double x2, double y2);
    void CreateRoundRectRegion(double x1, double y1, double x2, double y2, double cornerW, double cornerH);
    void CreateEllipseRegion(double x1, double y1, double x2, double y2);
    // Winding fill rule.
    void CreatePolygonRegion(const QVector<QPoint> &devicePoints);
    // The top region becomes the clip (nothing with an empty stack).
    void SelectRegion();
    // Pops and deletes the top region (nothing with an empty stack); the
    // clip stays as it is.
    void DeleteRegion();
    void ClipOff();
    int RegionCount() const { return mRegionCount; }

    // Paths: between BeginPath and EndPath, figures, lines and text build a
    // path instead of drawing. SelectClipPath makes it the clip;
    // StrokePath and StrokeAndFillPath draw it. Each of the three uses the
    // path up.
    void BeginPath();
    void EndPath();
    void SelectClipPath();
    void StrokePath();
    void StrokeAndFillPath();

protected:
    enum TTextAlign { AlignLeft, AlignCenter, AlignRight };

    // Round half to even (device pixels).
    static int toPixel(double v);

    // The device, or null for the screen (96 pixels per inch or the
    // screen's, no border, the paper given to SelectPaper).
    void setDevice(TReportDevice *device);
    TReportDevice *device() const { return mDevice; }
    // Reads resolution and border from the device (or the screen).
    void readDeviceState();
    // A device of the current resolution to measure text on.
    QPaintDevice *measureDevice();
    // False: output is switched off (aborted, or the page is outside
    // FirstPage..LastPage). Raises "not printing" outside a document.
    bool canDraw() const;
    bool pageOpen() const { return mPageOpen; }
    // Inches at 100 % scale of a device distance.
    double deviceToInchesX(double px) const;
    double deviceToInchesY(double px) const;
    // Device pixels for a length in inches (before scaling).
    int inchesToDeviceLengthX(double inches) const;
    int inchesToDeviceLengthY(double inches) const;
    // Position conversions for values already in inches (origin included).
    int inchToDeviceX(double inches) const;
    int inchToDeviceY(double inches) const;
    double inchFromDeviceX(double px) const;
    double inchFromDeviceY(double px) const;
    // Sets the pen from a width in inches (0: thinnest line).
    void setPenInches(TColor color, TPenStyle style, double inches, TPenMode mode);
    // Font size and name without the reset SetFont does.
    void setFontSizeDirect(double points);
    void setFontNameDirect(const QString &name);
    void setAlignment(int alignment) { mFontAlign = alignment; }
    int fontAlignment() const { return mFontAlign; }
    void setScales(double sx, double sy);

    // False when there is nothing to print on (BeginDoc then shows the
    // "No printers" error).
    virtual bool deviceReady() const;
    // Starts the document; false when it could not be started and the
    // failure has been shown.
    virtual bool openDocument() = 0;
    // Starts output for the current page (it lies within the page range).
    virtual void startPage() = 0;
    // Ends the current page's output.
    virtual void endPage() = 0;
    // Ends the document (aborts it when the report is aborted).
    virtual void closeDocument() = 0;

    // State changes, for devices that pass them on.
    virtual void penChanged() {}
    virtual void brushChanged() {}
    virtual void fontChanged() {}
    virtual void backgroundChanged() {}
    virtual void scaleChanged() {}

    // Drawing in units (already checked by canDraw()).
    virtual void doPrintText(const QString &text, double x, double baseline, TTextAlign align) = 0;
    virtual void doRectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void doRoundRect(double x1, double y1, double x2, double y2, double cw, double ch) = 0;
    virtual void doEllipse(double x1, double y1, double x2, double y2) = 0;
    virtual void doMoveTo(double x, double y) = 0;
    virtual void doLineTo(double x, double y) = 0;
    virtual void doPolygon(const QVector<QPoint> &points) = 0;
    virtual void doPolyline(const QVector<QPoint> &points) = 0;
    virtual void doFillRect(const TDeviceRect &rect) = 0;
    virtual void doTextRect(const TDeviceRect &rect, double x, double y, const QString &text) = 0;
    virtual void doPrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &bitmap) = 0;
    virtual void doStretchDraw(const TDeviceRect &rect, const TPicture &picture) = 0;
    virtual void doStretchDraw(const TDeviceRect &rect, const QPicture &picture) = 0;
    // Records the drawing as a picture framed by `size` and stretches that.
    virtual void doStretchDraw(const TDeviceRect &rect, const QSize &size, const VectorDrawing &draw);
    virtual void doCopyRect(const TDeviceRect &dest, const QImage &source, const QRect &sourceRect) = 0;
    virtual void doCreateRectRegion(double x1, double y1, double x2, double y2) = 0;
    virtual void doCreateRoundRectRegion(double x1, double y1, double x2, double y2, double cw, double ch) = 0;
    virtual void doCreateEllipseRegion(double x1, double y1, double x2, double y2) = 0;
    virtual void doCreatePolygonRegion(const QVector<QPoint> &points) = 0;
    virtual void doSelectRegion() = 0;
    virtual void doDeleteRegion() = 0;
    virtual void doClipOff() = 0;
    virtual void doPathCommand(int command) = 0; // one of the PathCommand values
    virtual void regionsCleared() {}

public:
    enum PathCommand { pathBegin, pathEnd, pathSelectClip, pathStroke, pathStrokeAndFill };

private:
    void resetTextPosition();
    void resetDrawingState();
    void beginPageOutput();
    void updateLineMetrics();
    void pushRegionCheck();
    QString statusCode(QChar code) const;

    TReportDevice *mDevice = nullptr;
    TDeviceCaps mCaps;
    double mUnprintableLeft = 0, mUnprintableTop = 0, mUnprintableRight = 0, mUnprintableBottom = 0; // inches
    double mPaperWidth = 8.5, mPaperHeight = 11.0; // inches, without a device
    double mZoom = 100;
    QImage mScreenMeasure;
    TFontCache mFonts;

    int mFirstPage = 1;
    int mLastPage = 9999;
    TLineHeightMethod mLineHeightMethod = lhmLinesPerInch;
    int mLinesPerInch = 6;
    TPrintUnits mUnits = unInch;
    double mUnitsFactor = 1.0;
    TBKMode mBKMode = bkTransparent;
    TColor mBKColor = clWhite;
    int mCopies = 1;
    TOrientation mOrientation = poDefault;
    double mScaleX = 100, mScaleY = 100;

    bool mPrinting = false;
    bool mAborted = false;
    bool mPageOpen = false;
    int mCurrentPage = 0;
    int mRegionCount = 0;

    TColor mBrushColor = clBlack;
    TBrushStyle mBrushStyle = bsClear;
    QImage mBrushPattern;
    TColor mPenColor = clBlack;
    TPenStyle mPenStyle = psSolid;
    TPenMode mPenMode = pmCopy;
    int mPenWidth = 1;         // as given to SetPen
    bool mPenFromInches = false;
    double mPenInches = 0;
    QString mFontName = QStringLiteral("Arial");
    double mFontSize = 10;
    TColor mFontColor = clBlack;
    TFontPitch mFontPitch = fpDefault;
    bool mBold = false, mItalic = false, mUnderline = false, mStrikeout = false;
    bool mSuperscript = false, mSubscript = false;
    int mRotation = 0;
    int mFontAlign = 0;

    double mX = 0, mY = 0;          // inches (before origin)
    double mAscent = 0, mDescent = 0; // inches at 100 % scale
    double mLineHeight = 1.0 / 6;   // inches
};

} // namespace sw
