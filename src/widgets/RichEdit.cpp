#include "widgets/RichEdit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

RichEdit::RichEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // The box is a log written by code: no edit is ever undone, so none is kept.
    setUndoRedoEnabled(false);
    // Typing into an editable box changes what counts as lines.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!document()->isEmpty())
            empty_ = false;
        setLines_.clear();
    });
}

void RichEdit::clearLines()
{
    clear();
    empty_ = true;
}

void RichEdit::addLine(const QString& text, TColor c)
{
    addLines(QStringList{text}, c);
}

void RichEdit::addLines(const QStringList& lines, TColor c)
{
    if (lines.isEmpty())
        return;
    QTextCursor cur(document());
    cur.movePosition(QTextCursor::End);
    QTextCharFormat fmt;
    fmt.setForeground(ToQColor(c));
    // One insertion: the line breaks of the text become the lines of the box.
    QString text = lines.join(QChar('\n'));
    if (!empty_)
        text.prepend(QChar('\n'));
    cur.insertText(text, fmt);
    empty_ = false;
    showLastLine();
}

// The newest line is shown from its first character: the box's own cursor rests
// at the start of the last line, so that keeping the cursor in view never scrolls
// the beginnings of the lines out of sight.
void RichEdit::showLastLine()
{
    setTextCursor(QTextCursor(document()->lastBlock()));
    const auto toTheEnd = [this] {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        horizontalScrollBar()->setValue(0);
    };
    toTheEnd();
    // The box lays its new lines out after the handler: the scroll range it then
    // has is followed once more.
    if (endPending_)
        return;
    endPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, toTheEnd] {
            endPending_ = false;
            toTheEnd();
        },
        Qt::QueuedConnection);
}

void RichEdit::setLines(const QStringList& lines)
{
    if (lines.isEmpty()) {
        clearLines();
        return;
    }
    if (lines == setLines_) {
        showLastLine();
        return;
    }
    // The old text replaced by the new in one edit, rather than cleared first.
    QTextCursor cur(document());
    cur.select(QTextCursor::Document);
    QTextCharFormat fmt;
    fmt.setForeground(ToQColor(ColorBlack));
    cur.insertText(lines.join(QChar('\n')), fmt);
    empty_ = false;
    setLines_ = lines;
    showLastLine();
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
