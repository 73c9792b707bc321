#pragma once

// A transparent overlay holding one box that the user drags with the left
// button and resizes with the handles of a CZoomBox; four shade panels cover
// the rest of the overlay. The box is kept both in overlay pixels and in
// source units (pixels divided by the ratio the video view sets).
// GUI thread only.

#include "CZoomBox.h"

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <memory>

class QGraphicsOpacityEffect;

class CMoveBox : public QWidget
{
    Q_OBJECT
public:
    explicit CMoveBox(QWidget* parent = nullptr);
    ~CMoveBox() override;

    QRect realRect() const { return m_realRect; }
    void setRealRect(const QRect& rect) { m_realRect = rect; }
    QRect boxRect() const { return m_boxRect; }
    void setBoxRect(const QRect& rect, bool emitSignal);
    void setBoxMinimumSize(const QSize& size);
    // A ratio of 0 or less would divide by zero later; it is ignored.
    void setRatio(float ratio);
    float ratio() const { return m_ratio; }
    void setShadowOpacity(double opacity);
    QColor shadowColor() const { return m_shadowColor; }
    void setHandleColor(const QColor& color);
    void setHandleSize(const QSize& size);
    QSize handleSize() const;
    void setHandlesVisible(bool visible);
    void setKeepRatio(bool keep, double ratio);
    CZoomBox* zoomBox() const { return m_zoomBox.get(); }
    QGraphicsOpacityEffect* opacityEffect() const { return m_opacity; }
    // The box itself (the widget the user drags).
    QWidget* box() const { return m_pWZoom; }

signals:
    void doRectChanged(QRect rect);

public slots:
    void onBoxSizeChanged(QRect rect);
    void resetShadow(QRect rect, bool bEmitSignal);
    void resetShadow(QRect rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* m_pWZoomBox = nullptr;
    QWidget* m_pWTop = nullptr;
    QWidget* m_pWBottom = nullptr;
    QWidget* m_pWLeft = nullptr;
    QWidget* m_pWRight = nullptr;
    QPushButton* m_pWZoom = nullptr;

private:
    void applyShadowStyle();
    static QRect divided(const QRect& r, float ratio, bool size);

    QColor m_shadowColor{0, 0, 0, 0};
    bool m_dragging = false;
    QRect m_boxRect;
    QRect m_realRect;
    QPoint m_pressBoxPos;
    QPoint m_pressPoint;
    std::unique_ptr<CZoomBox> m_zoomBox;
    QGraphicsOpacityEffect* m_opacity = nullptr;
    bool m_keepRatio = false;
    float m_ratio = 1.0f;
};

// The crop box of the video view.
class DashedBox : public CMoveBox
{
    Q_OBJECT
public:
    explicit DashedBox(QWidget* parent = nullptr);
};
