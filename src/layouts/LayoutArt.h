#pragma once
// Pictures of label stocks' pre-printed art, carried in the program's
// resources as ":/art/<NAME>.png" or ":/art/<NAME>.bmp" and shown behind a
// design. A layout names its art in file style ("av5097.bmp").
#include <QImage>
#include <QString>
#include <QStringList>

namespace sw {

// The art names the program knows (AV12295 ... AVWSI15). Whether a picture
// is actually carried for each is up to the resources built in.
const QStringList& knownArtNames();

// `artName` up to, not including, its first "." and upper-cased:
// "av5097.bmp" -> "AV5097". Empty for an empty name.
QString artResourceName(const QString& artName);

// The art picture for `artName` (file-style or bare resource name), or a
// null image when the name is empty, unusable as a resource name, or no
// picture of that name is carried. Never fails otherwise.
QImage loadArt(const QString& artName);

} // namespace sw
