#pragma once

// Where decoded pictures go. The player hands every due frame to each of its
// renderers on its video decode thread (`receive`), so a renderer that paints
// must take the frame over to its own thread. A renderer may run a
// libavfilter graph of its own over the frames it gets. The setters are
// virtual so that a painting renderer can repaint on a change.

#include "Filter.h"
#include "Frame.h"

#include <QColor>
#include <QMatrix4x4>
#include <mutex>
#include <QObject>
#include <QRectF>

class QWidget;

namespace TwAV {

class VideoRenderer : public QObject
{
    Q_OBJECT
public:
    enum OutAspectRatioMode { RendererAspectRatio, VideoAspectRatio, CustomAspectRation };
    Q_ENUM(OutAspectRatioMode)

    explicit VideoRenderer(QObject* parent = nullptr);
    ~VideoRenderer() override;

    // Decode thread. Runs the renderer's own filter, keeps the frame and
    // passes it to receiveFrame.
    bool receive(const VideoFrame& frame);
    VideoFrame currentFrame() const;
    // The last frame as it came in, before the renderer's own filter: a
    // renderer filters it again when its chain changes while paused.
    VideoFrame sourceFrame() const;
    virtual QWidget* widget() { return nullptr; }

    virtual void setFilterOptions(const QString& options);
    QString filterOptions() const;
    virtual void setFilterEnabled(bool enabled);
    bool isFilterEnabled() const;
    // Drops the built graph; the next frame builds it from the current text.
    virtual void initAVFilter();

    virtual void setOrientation(int degrees);
    int orientation() const;
    virtual void setOutAspectRatioMode(OutAspectRatioMode mode);
    OutAspectRatioMode outAspectRatioMode() const;
    virtual void setOutAspectRatio(double ratio);
    double outAspectRatio() const;
    virtual void setRegionOfInterest(const QRectF& roi);
    QRectF regionOfInterest() const;
    virtual void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;
    // Emits matrixIdentitied() when the matrix becomes the identity.
    virtual void setMatrix(const QMatrix4x4& matrix);
    QMatrix4x4 matrix() const;
    virtual bool setBrightness(double value);
    virtual bool setContrast(double value);
    virtual bool setHue(double value);
    virtual bool setSaturation(double value);
    double brightness() const;
    double contrast() const;
    double hue() const;
    double saturation() const;

signals:
    void matrixIdentitied();
    // Emitted (on the decode thread) for every frame received.
    void frameReceived(const TwAV::VideoFrame& frame);

protected:
    // Decode thread: the frame after the renderer's own filter.
    virtual void receiveFrame(const VideoFrame& frame) { Q_UNUSED(frame) }

private:
    mutable std::mutex m_mutex;   // std::mutex: the thread checker sees it, an uninstrumented QMutex it does not
    VideoFrame m_frame;
    VideoFrame m_source;
    LibAVFilterVideo* m_filter = nullptr;
    bool m_filterEnabled = false;
    int m_orientation = 0;
    OutAspectRatioMode m_aspectMode = VideoAspectRatio;
    double m_aspect = 0.0;
    QRectF m_roi;
    QColor m_background = Qt::black;
    QMatrix4x4 m_matrix;
    double m_brightness = 0, m_contrast = 0, m_hue = 0, m_saturation = 0;
};

} // namespace TwAV
