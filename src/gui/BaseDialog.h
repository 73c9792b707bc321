#pragma once

#include "gui/DropShadowPainter.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QSize>

// A frameless, translucent dialog with a painted drop shadow, dragged by its
// title area and centred over its parent's window by exec().
class BaseDialog : public QDialog
{
public:
    explicit BaseDialog(QWidget* parent = nullptr);

    int exec() override;

    // Same walk as BaseWidget::rescaleWidgetTree.
    static void rescaleWidgetTree(QWidget* root, double factor);

    // The title area: a left press in it moves the window.
    void setDragWidget(QWidget* w);
    QWidget* dragWidget() const { return m_dragWidget; }

    // Shadow margin around the visible dialog, in design pixels.
    void setShadowWidth(int w) { m_shadowWidth = w; }
    int shadowWidth() const { return m_shadowWidth; }

    float lastScale() const { return m_lastScale; }
    QSize lastSize() const { return m_lastSize; }
    const DropShadowPainter& shadowPainter() const { return m_shadowPainter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    DropShadowPainter m_shadowPainter;
    int m_shadowWidth = 0;
    QPointer<QWidget> m_dragWidget;

private:
    float m_lastScale = 1.0f;
    QSize m_lastSize {0, 0};
    // Manual move, used when the window system cannot move the window itself.
    bool m_manualDrag = false;
    QPoint m_dragOffset;
};
