#pragma once

// The video renderer that paints: a VideoRenderer whose widget is a
// QOpenGLWidget. Frames arrive on the player's decode thread, where the
// renderer's libavfilter chain runs; only the newest is kept and the widget
// is asked to repaint on the GUI thread, which uploads and draws it. Every
// setter repaints, and a change of the chain filters the current frame again,
// so changes show while the player is paused. Painting filters (subtitles)
// are drawn over the picture. Use the renderer from the GUI thread.

#include "function/QtAV/av/OpenGLVideo.h"
#include "function/QtAV/av/VideoRenderer.h"

#include <QAtomicInt>
#include <QList>
#include <QPointer>
#include <QRect>

class QOpenGLWidget;

namespace TwAV {

class OpenGLWidgetRenderer : public VideoRenderer
{
    Q_OBJECT
public:
    // The widget is a child of `parent`; the renderer object is too.
    explicit OpenGLWidgetRenderer(QWidget* parent = nullptr);
    ~OpenGLWidgetRenderer() override;

    QWidget* widget() override;
    OpenGLVideo* opengl() const { return m_gl; }

    void setFilterOptions(const QString& options) override;
    void setFilterEnabled(bool enabled) override;
    void initAVFilter() override;
    // Angles other than 0, 90, 180 and 270 (after reducing) are ignored.
    void setOrientation(int degrees) override;
    void setOutAspectRatioMode(OutAspectRatioMode mode) override;
    void setOutAspectRatio(double ratio) override;
    void setRegionOfInterest(const QRectF& roi) override;
    void setBackgroundColor(const QColor& color) override;
    void setMatrix(const QMatrix4x4& matrix) override;
    bool setBrightness(double value) override;
    bool setContrast(double value) override;
    bool setHue(double value) override;
    bool setSaturation(double value) override;

    // The size the picture is laid out in; the widget's resize sets it too.
    void resizeRenderer(int width, int height);
    void resizeRenderer(const QSize& size) { resizeRenderer(size.width(), size.height()); }
    QSize rendererSize() const { return m_rendererSize; }
    int rendererWidth() const { return m_rendererSize.width(); }
    int rendererHeight() const { return m_rendererSize.height(); }
    // Where the picture lands in the widget for the current frame, in
    // widget pixels (before the matrix).
    QRect videoRect() const;

    // Painting filters drawn over the picture, in the order installed.
    bool installFilter(VideoFilter* filter);
    bool uninstallFilter(VideoFilter* filter);
    QList<VideoFilter*> filters() const;

    // The widget's framebuffer with the last painted frame.
    QImage grab();
    // For measurements: frames handed over and frames painted.
    int framesReceived() const { return m_received.loadAcquire(); }
    int framesPainted() const { return m_painted.loadAcquire(); }
    // Repaints the current frame (filtering the last source frame again when
    // `refilter`).
    void repaint(bool refilter = false);

signals:
    void framePainted();

protected:
    void receiveFrame(const VideoFrame& frame) override;

private:
    class GLWidget;
    friend class GLWidget;
    void paintGL();
    QRect videoRectFor(const VideoFrame& frame, const QSize& area) const;

    GLWidget* m_widget = nullptr;
    OpenGLVideo* m_gl = nullptr;
    QList<QPointer<VideoFilter>> m_filters;
    QSize m_rendererSize;
    QAtomicInt m_received;
    QAtomicInt m_painted;
    QAtomicInt m_updatePending;
    QAtomicInt m_newFrame;
};

} // namespace TwAV
