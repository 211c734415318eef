// A read-only list of text lines, each with its own colour. New lines scroll the
// box down to the last one and show the lines from their first character. A plain
// text box underneath: it lays out only the lines in view, so a listing of 10000
// rows costs no more to show than one of ten.
#pragma once

#include "widgets/Colors.h"

#include <QStringList>
#include <QPlainTextEdit>

class RichEdit : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QStringList lines READ lines WRITE setLines)

public:
    explicit RichEdit(QWidget* parent = nullptr);

    void clearLines();
    void addLine(const QString& text, TColor c = ColorBlack);
    // Many lines at once, in one edit of the text: a listing of 10000 rows lays the
    // text out once and moves the cursor and the scroll bars once.
    void addLines(const QStringList& lines, TColor c = ColorBlack);
    void setLines(const QStringList& lines);   // replaces everything, in black
    QStringList lines() const;
    int lineCount() const;

private:
    void showLastLine();

    bool empty_ = true;   // an empty document holds no line, not one empty line
    bool endPending_ = false;
    // The lines the box holds, all black, as the last setLines gave them; empty
    // once anything else changed the text. The same lines set again change no
    // character and no colour, so only the view is brought to the last line.
    QStringList setLines_;
};
