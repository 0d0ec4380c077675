#pragma once
// The rules behind the main window's commands that need no window: the zoom
// steps, label file names and the stock-art shadow.
#include <QImage>
#include <QSize>
#include <QString>

namespace sw {

// The zoom range: a step in is taken only while the factor is not above
// MaxZoomBeforeStep, a step out only while it is at least MinZoomBeforeStep.
constexpr float MaxZoomBeforeStep = 1.5f;
constexpr float MinZoomBeforeStep = 0.5f;

// One zoom step of 0.1 in or out from `factor`, added in extended precision
// and kept in single precision, so that from 1.0 the steps reach 0.49999991
// and 1.5000001 and come back to exactly 1.0. Returns `factor` unchanged
// when the step is not allowed.
float zoomedIn(float factor);
float zoomedOut(float factor);
// "100%": the factor in percent, rounded half to even.
QString zoomCaption(float factor);

// True when `fileName`'s extension (after its last '.') is "SK" in any case.
bool hasLabelFileExtension(const QString &fileName);

// The name Save As proposes for a design without one: "SK" + the last four
// digits of the first of 10001, 10002, ... 99999 giving a name that no file
// in `folder` has, compared ignoring case (SK0001.SK in an empty folder).
// When every name is taken, the last one tried.
QString proposedLabelFileName(const QString &folder);

// The stock-art shadow: within the top-left `labelSize` pixels of `art`
// white stays white and every other pixel becomes silver (0xC0C0C0); the
// rest of the picture is left as it is. A null image stays null.
QImage twoToneArt(const QImage &art, const QSize &labelSize);

} // namespace sw
