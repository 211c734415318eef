#include "app/FormHelpers.h"

#include "base/NumberEntry.h"

int32_t EditNumber(const QLineEdit* edit)
{
    return NumberFromText(edit->text().toStdString());
}

void ShowNumber(QLineEdit* edit, int32_t value)
{
    edit->setText(QString::number(value));
}
