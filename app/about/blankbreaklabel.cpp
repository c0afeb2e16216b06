#include "blankbreaklabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

void wrapParagraph(const QString &paragraph, const QFontMetrics &metrics, int width, QStringList &lines)
{
    QString line;
    bool lineHasWord = false;
    qsizetype position = 0;
    while (position < paragraph.size()) {
        qsizetype wordStart = position;
        while (wordStart < paragraph.size() && paragraph.at(wordStart) == u' ')
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < paragraph.size() && paragraph.at(wordEnd) != u' ')
            ++wordEnd;
        const QString blanks = paragraph.mid(position, wordStart - position);
        const QString word = paragraph.mid(wordStart, wordEnd - wordStart);
        if (lineHasWord && metrics.horizontalAdvance(line + blanks + word) > width) {
            lines.append(line);
            line = word;
        } else {
            line += blanks + word;
        }
        lineHasWord = lineHasWord || !word.isEmpty();
        position = wordEnd;
    }
    lines.append(line);
}

} // namespace

BlankBreakLabel::BlankBreakLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QStringList BlankBreakLabel::wrappedLines(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n'))
        wrapParagraph(paragraph, metrics, width, lines);
    return lines;
}

// The frame and the style sheet's background as any label has them; the text
// in lines of its own.
void BlankBreakLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFontMetrics metrics(font());
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    int top = area.top();
    for (const QString &line : wrappedLines(text(), metrics, area.width())) {
        painter.drawText(QRect(area.left(), top, area.width(), metrics.height()),
                         int(horizontal | Qt::AlignTop), line);
        top += metrics.lineSpacing();
    }
}
