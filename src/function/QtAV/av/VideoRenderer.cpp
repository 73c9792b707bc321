#include "VideoRenderer.h"

namespace TwAV {

VideoRenderer::VideoRenderer(QObject* parent)
    : QObject(parent), m_filter(new LibAVFilterVideo(this))
{
    qRegisterMetaType<TwAV::VideoFrame>("TwAV::VideoFrame");
}

VideoRenderer::~VideoRenderer() = default;

bool VideoRenderer::receive(const VideoFrame& in)
{
    VideoFrame frame = in;
    bool filter;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        filter = m_filterEnabled;
        m_source = in;
    }
    if (filter)
        m_filter->process(&frame);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_frame = frame;
    }
    receiveFrame(frame);
    emit frameReceived(frame);
    return frame.isValid();
}

VideoFrame VideoRenderer::sourceFrame() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_source;
}

VideoFrame VideoRenderer::currentFrame() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_frame;
}

void VideoRenderer::setFilterOptions(const QString& options)
{
    m_filter->setOptions(options);
}

QString VideoRenderer::filterOptions() const
{
    return m_filter->options();
}

void VideoRenderer::setFilterEnabled(bool enabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_filterEnabled = enabled;
}

bool VideoRenderer::isFilterEnabled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_filterEnabled;
}

void VideoRenderer::initAVFilter()
{
    const QString text = m_filter->options();
    m_filter->setOptions(QString());
    m_filter->setOptions(text);
}

void VideoRenderer::setOrientation(int degrees)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_orientation = degrees;
}

int VideoRenderer::orientation() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_orientation;
}

void VideoRenderer::setOutAspectRatioMode(OutAspectRatioMode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aspectMode = mode;
}

VideoRenderer::OutAspectRatioMode VideoRenderer::outAspectRatioMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_aspectMode;
}

void VideoRenderer::setOutAspectRatio(double ratio)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aspect = ratio;
    m_aspectMode = CustomAspectRation;
}

double VideoRenderer::outAspectRatio() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_aspect;
}

void VideoRenderer::setRegionOfInterest(const QRectF& roi)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_roi = roi;
}

QRectF VideoRenderer::regionOfInterest() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_roi;
}

void VideoRenderer::setBackgroundColor(const QColor& color)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_background = color;
}

QColor VideoRenderer::backgroundColor() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_background;
}

void VideoRenderer::setMatrix(const QMatrix4x4& matrix)
{
    bool identity;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_matrix = matrix;
        identity = matrix.isIdentity();
    }
    if (identity)
        emit matrixIdentitied();
}

QMatrix4x4 VideoRenderer::matrix() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_matrix;
}

namespace {
bool inRange(double v) { return v >= -1.0 && v <= 1.0; }
} // namespace

bool VideoRenderer::setBrightness(double v) { if (!inRange(v)) return false; std::lock_guard<std::mutex> l(m_mutex); m_brightness = v; return true; }
bool VideoRenderer::setContrast(double v) { if (!inRange(v)) return false; std::lock_guard<std::mutex> l(m_mutex); m_contrast = v; return true; }
bool VideoRenderer::setHue(double v) { if (!inRange(v)) return false; std::lock_guard<std::mutex> l(m_mutex); m_hue = v; return true; }
bool VideoRenderer::setSaturation(double v) { if (!inRange(v)) return false; std::lock_guard<std::mutex> l(m_mutex); m_saturation = v; return true; }
double VideoRenderer::brightness() const { std::lock_guard<std::mutex> l(m_mutex); return m_brightness; }
double VideoRenderer::contrast() const { std::lock_guard<std::mutex> l(m_mutex); return m_contrast; }
double VideoRenderer::hue() const { std::lock_guard<std::mutex> l(m_mutex); return m_hue; }
double VideoRenderer::saturation() const { std::lock_guard<std::mutex> l(m_mutex); return m_saturation; }

} // namespace TwAV
