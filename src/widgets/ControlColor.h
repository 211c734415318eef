// Background colour of a group box, panel or form. Setting it runs no handler.
#pragma once

#include "widgets/Colors.h"

class QWidget;

void SetColor(QWidget* w, TColor c);
TColor ColorOf(const QWidget* w);   // what SetColor last set; ColorButtonFace if never set
