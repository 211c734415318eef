#include "widgets/Look.h"

#include <QApplication>

QFont WorkbenchFont(int pixelSize)
{
    QFont font(kWorkbenchFontFamily);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

void UseWorkbenchLook()
{
    QApplication::setStyle("Fusion");
    // Also replaces the fonts a desktop theme gives menus, boxes and the like.
    QApplication::setFont(WorkbenchFont());
}
