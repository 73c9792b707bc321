#pragma once

#include "gui/BaseWidget.h"

#include <QColor>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>

// A frameless, translucent balloon with a pointed tail and an optional soft
// shadow that fades in, stays, fades out and then reports finished().
class CToolTip : public BaseWidget
{
    Q_OBJECT
public:
    explicit CToolTip(QWidget* parent = nullptr);

    // Restarts the fade from transparent; the fade lasts durationMs counted
    // in timer ticks. A duration of 0 or less ends the fade on the first tick.
    void start(int durationMs);
    // Ends at once: hides the balloon and emits finished().
    void stop();

    int alpha() const { return m_alpha; }
    int arrowMode() const { return m_arrowMode; }
    int elapsedMs() const { return m_elapsedMs; }
    int durationMs() const { return m_durationMs; }
    int tickMs() const { return m_tickMs; }
    int shadowWidth() const { return m_shadowWidth; }
    bool isFading() const { return m_fadeTimer.isActive(); }
    void setBackgroundColor(const QColor& c) { m_backgroundColor = c; }

    // The balloon's outline for the current size, mode and measures; empty
    // for an unknown mode and for mode 2 with a negative shadow offset.
    QPainterPath balloonPath() const;

    // Whether a balloon of the given width at target would pass the right
    // edge of screen (its edge, not its width: a second monitor starts at an
    // offset).
    static bool passesRightEdge(const QPoint& target, int width, const QRect& screen);

signals:
    void finished();

public slots:
    void uxOut();

protected:
    // Called when the tail moves to the right-hand side at a screen edge.
    virtual void onArrowFlipped() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    void paintBalloon(QPainter& painter);
    void placeOverParent();
    // Without a compositor a translucent window shows black where it is
    // transparent, so the window is cut to the balloon's shape instead.
    void applyShapeMask();

    int m_arrowMode = 0;
    int m_radius = 10;
    int m_arrowA = 10;
    int m_arrowB = 20;
    int m_arrowC = 14;
    int m_arrowD = 10;
    int m_shadowWidth = 5;
    int m_shadowDx = 1;
    int m_shadowDy = 1;
    QColor m_backgroundColor = Qt::white;
    QTimer m_fadeTimer;
    int m_tickMs = 10;
    int m_elapsedMs = 0;
    int m_durationMs = 0;
    int m_alpha = 255;
};

// A balloon holding one line of text, sized to it, with no shadow.
class CToolTipText : public CToolTip
{
    Q_OBJECT
public:
    explicit CToolTipText(const QString& text, QWidget* parent = nullptr);

    void setTextColor(const QColor& colour) { m_textColor = colour; }
    QColor textColor() const { return m_textColor; }
    QString text() const { return m_text; }

    // The size the balloon takes for its text in the current font.
    QSize textBalloonSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int textBoxHeight() const;
    QPoint textOrigin() const;

    QString m_text;
    QColor m_textColor = Qt::black;
};
