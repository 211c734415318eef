#include "widgets/RichEdit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

RichEdit::RichEdit(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptRichText(false);
    // Typing into an editable box changes what counts as lines.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!document()->isEmpty())
            empty_ = false;
    });
}

void RichEdit::clearLines()
{
    clear();
    empty_ = true;
}

void RichEdit::addLine(const QString& text, TColor c)
{
    QTextCursor cur(document());
    cur.movePosition(QTextCursor::End);
    QTextCharFormat fmt;
    fmt.setForeground(ToQColor(c));
    if (!empty_)
        cur.insertBlock();
    cur.insertText(text, fmt);
    empty_ = false;
    // The newest line is shown from its first character: the box's own cursor rests
    // at the start of the last line, so that keeping the cursor in view never
    // scrolls the beginnings of the lines out of sight.
    setTextCursor(QTextCursor(document()->lastBlock()));
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    horizontalScrollBar()->setValue(0);
}

void RichEdit::setLines(const QStringList& lines)
{
    clearLines();
    for (const QString& l : lines)
        addLine(l);
}

QStringList RichEdit::lines() const
{
    QStringList out;
    if (empty_ && document()->isEmpty())
        return out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

int RichEdit::lineCount() const
{
    if (empty_ && document()->isEmpty())
        return 0;
    return document()->blockCount();
}
