#pragma once

#include "meterlinexport.h"

#include <QImage>
#include <QWidget>

class VistaProgPropertyStore;

// A horizontal progress bar of fixed height: a grey track, a green fill whose
// width is Value / Max of the bar's width, and two end caps that light up
// when the fill reaches them. Assigning a property never fails: it is clamped
// so that 0 <= Min < Max, Max >= 1 and Min <= Value <= Max always hold.
//
// Every assignment repaints the bar at once, so a long computation that sets
// Value from the user-interface thread still shows its progress. Every
// assignment also emits the property's notify signal, even when the clamped
// value equals the old one.
class METERLIN_EXPORT VistaProg : public QWidget
{
    Q_OBJECT
    // Declared bounds first: Qt Designer saves a form's properties in this
    // order, so a loaded form sets Value only after the bounds it is clamped to.
    Q_PROPERTY(int Max READ max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(int Min READ min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(int Value READ value WRITE setValue NOTIFY valueChanged)

public:
    static constexpr int DefaultMax = 100;
    static constexpr int DefaultMin = 0;
    static constexpr int DefaultValue = 50;

    explicit VistaProg(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int min() const { return m_min; }
    int max() const { return m_max; }

    void setValue(int value);
    void setMin(int min);
    void setMax(int max);

    // Reads Max, Min and Value in that order through the setters, so Value is
    // clamped against the bounds just read; an unreadable entry is skipped.
    void readProperties(const VistaProgPropertyStore &store);
    void writeProperties(VistaProgPropertyStore &store) const;

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);
    void minChanged(int min);
    void maxChanged(int max);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double twipsPerPixelX() const;
    int toPixelsX(double twips) const;
    int barHeightInPixels() const;
    QRect pixelRect(double leftTwips, double widthTwips) const;
    double widthInTwips() const;
    void keepBarHeight();
    void layOutFillAndCaps();
    void redraw();

    int m_max = DefaultMax;
    int m_min = DefaultMin;
    int m_value = DefaultMin;

    QImage m_track;
    QImage m_fill;
    QImage m_leftLit;
    QImage m_leftUnlit;
    QImage m_rightLit;
    QImage m_rightUnlit;

    QImage m_leftCap;
    QImage m_rightCap;
    double m_fillWidthTwips = 0.0;
};
