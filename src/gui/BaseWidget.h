#pragma once

#include <QSize>
#include <QWidget>

// A widget that rescales its children from their design properties whenever
// the DPI factor or its own size changes. Base of the list rows and of many
// small widgets.
class BaseWidget : public QWidget
{
public:
    explicit BaseWidget(QWidget* parent = nullptr);

    // Rescales every widget below root (not root itself), each one before
    // its own children; "baseFontWeight" replaces the font weight when set.
    static void rescaleWidgetTree(QWidget* root, double factor);

    float lastScale() const { return m_lastScale; }
    QSize lastSize() const { return m_lastSize; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // True when the tree needs rescaling for factor s at size newSize; then
    // both are remembered.
    static bool needsRescale(float s, const QSize& newSize, float& lastScale, QSize& lastSize);

private:
    float m_lastScale = 1.0f;
    QSize m_lastSize {0, 0};
};
