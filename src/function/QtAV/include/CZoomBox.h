#pragma once

// Resize handles and a dashed frame laid over a target widget. The handles
// and the frame are children of the owner (the overlay that holds the
// target's parent), so they stay on top of the target and follow it through
// the event filter. GUI thread only.

#include <QObject>
#include <QPen>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class CZoomHandle : public QWidget
{
    Q_OBJECT
public:
    CZoomHandle(QWidget* owner, int index);
    void setTarget(QWidget* target) { m_target = target; }
    int index() const { return m_index; }
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setZoomByRatio(bool keep, double ratio);
    bool keepRatio() const { return m_keepRatio; }
    double ratio() const { return m_ratio; }
    void applyCursor();

signals:
    void sizeChanged(int x, int y, int width, int height);
    void mouse_button_release(QRect old, QRect now);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_target;
    int m_index;
    bool m_keepRatio = false;
    double m_ratio = 1.0;
    QPoint m_pressTargetPos;
    QPoint m_pressPoint;
    QSize m_pressParentSize;
    QRect m_pressGeometry;
    QColor m_color = Qt::white;
};

class CZoomDash : public QWidget
{
    Q_OBJECT
public:
    explicit CZoomDash(QWidget* owner);
    QPen pen;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class CZoomBox : public QObject
{
    Q_OBJECT
public:
    enum { HandleCount = 8 };
    explicit CZoomBox(QWidget* owner);
    ~CZoomBox() override;

    void setZoomWidget(QWidget* target);
    QWidget* zoomWidget() const { return m_target; }
    void setHandleSize(const QSize& size);
    QSize handleSize() const { return m_handleSize; }
    void setHandleColor(const QColor& color);
    void setHandlesVisible(bool visible);
    void setZoomByRatio(bool keep, double ratio);
    // For tests and the overlays: the handle at an index (0 top-left, then
    // clockwise), null before a target is set.
    CZoomHandle* handle(int index) const;
    CZoomDash* dash() const { return m_dash; }

signals:
    void doSizeChanged(QRect rect);

public slots:
    void changedsize(int x, int y, int width, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layout();
    void watchChain(QWidget* target, bool watch);
    void removeHandles();
    void showHandles();

    QPointer<CZoomHandle> m_handles[HandleCount];
    QPointer<CZoomDash> m_dash;
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_owner;
    QSize m_handleSize{6, 6};
    bool m_keepRatio = false;
    bool m_handlesVisible = true;
};
