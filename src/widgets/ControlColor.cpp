#include "widgets/ControlColor.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kColorProperty = "workbenchColor";
}

void SetColor(QWidget* w, TColor c)
{
    if (!w)
        return;
    w->setProperty(kColorProperty, QVariant::fromValue<uint>(c));
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(c));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

TColor ColorOf(const QWidget* w)
{
    if (!w)
        return ColorButtonFace;
    const QVariant v = w->property(kColorProperty);
    return v.isValid() ? TColor(v.toUInt()) : ColorButtonFace;
}
