#include "shell/WindowPlacement.h"

#include "platform/IniFile.h"

#include <algorithm>

namespace sw {

namespace {
const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");
const QString RightKey = QStringLiteral("Right");
const QString BottomKey = QStringLiteral("Bottom");
const QString MaximizedKey = QStringLiteral("Maximized");

// New start of a span [start, end) that must end at or before `limit`.
int shiftedStart(int start, int end, int limit)
{
    if (end <= limit)
        return start;
    const int moved = start - (end - limit);
    return std::max(moved, std::min(start, 0));
}
} // namespace

QString WindowPlacement::sectionName(int pixelsPerInch)
{
    QString name = QStringLiteral("TSKMainScreen_Placement");
    if (pixelsPerInch > 96)
        name += QString::number(pixelsPerInch);
    return name;
}

WindowPlacement WindowPlacement::read(const IniFile &ini, const QString &section, bool maximizedNow)
{
    WindowPlacement p;
    const int left = ini.readInteger(section, LeftKey, 0);
    const int top = ini.readInteger(section, TopKey, 0);
    const int right = ini.readInteger(section, RightKey, 0);
    const int bottom = ini.readInteger(section, BottomKey, 0);
    p.normal = QRect(left, top, right - left, bottom - top);
    p.maximized = ini.readBool(section, MaximizedKey, maximizedNow);
    return p;
}

bool WindowPlacement::write(IniFile &ini, const QString &section) const
{
    bool ok = true;
    ok &= ini.writeInteger(section, LeftKey, normal.x());
    ok &= ini.writeInteger(section, TopKey, normal.y());
    ok &= ini.writeInteger(section, RightKey, normal.x() + normal.width());
    ok &= ini.writeInteger(section, BottomKey, storedBottom());
    ok &= ini.writeBool(section, MaximizedKey, maximized);
    return ok;
}

QRect fitRectToScreen(const QRect &rect, const QSize &screen)
{
    const int left = shiftedStart(rect.x(), rect.x() + rect.width(), screen.width());
    const int top = shiftedStart(rect.y(), rect.y() + rect.height(), screen.height());
    return QRect(QPoint(left, top), rect.size());
}

QPoint centeredOnScreen(const QSize &screen, const QSize &form)
{
    return QPoint((screen.width() - form.width()) / 2, (screen.height() - form.height()) / 2);
}

} // namespace sw
