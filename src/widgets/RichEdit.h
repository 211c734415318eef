// A read-only list of text lines, each with its own colour. A new line scrolls the
// box down to it and shows the lines from their first character.
#pragma once

#include "widgets/Colors.h"

#include <QStringList>
#include <QTextEdit>

class RichEdit : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)

public:
    explicit RichEdit(QWidget* parent = nullptr);

    void clearLines();
    void addLine(const QString& text, TColor c = ColorBlack);
    void setLines(const QStringList& lines);   // replaces everything, in black
    QStringList lines() const;
    int lineCount() const;

private:
    bool empty_ = true;   // an empty document holds no line, not one empty line
};
