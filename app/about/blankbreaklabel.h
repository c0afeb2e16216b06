#pragma once

#include <QLabel>
#include <QStringList>

class QFontMetrics;

// A label whose text wraps at blanks only, never after a hyphen: "k-tree"
// and its translations stay whole on their line, while the text itself stays
// exactly as given (what is copied, searched or read aloud has the plain
// hyphen). Lines are placed by the label's horizontal alignment, from the top.
class BlankBreakLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BlankBreakLabel(QWidget *parent = nullptr);

    // The lines `text` is drawn in at `width`: as many words on each as fit,
    // the blanks at a break dropped. A word wider than the line has a line of
    // its own.
    static QStringList wrappedLines(const QString &text, const QFontMetrics &metrics, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};
