#include "widgets/Colors.h"

QColor ToQColor(TColor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor FromQColor(QColor c)
{
    return RGBColor(c.red(), c.green(), c.blue());
}
