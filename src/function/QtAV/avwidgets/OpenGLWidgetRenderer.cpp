#include "OpenGLWidgetRenderer.h"

#include "function/QtAV/av/SubtitleFilter.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QResizeEvent>

extern "C" {
#include <libavutil/frame.h>
}

namespace TwAV {

class OpenGLWidgetRenderer::GLWidget : public QOpenGLWidget
{
public:
    GLWidget(OpenGLWidgetRenderer* owner, QWidget* parent) : QOpenGLWidget(parent), m_owner(owner) {}
    ~GLWidget() override
    {
        if (context()) {
            makeCurrent();
            if (m_owner)
                m_owner->m_gl->releaseResources();
            doneCurrent();
        }
    }
    QPointer<OpenGLWidgetRenderer> m_owner;

protected:
    void paintGL() override
    {
        if (m_owner)
            m_owner->paintGL();
    }
    void resizeEvent(QResizeEvent* event) override
    {
        if (m_owner)
            m_owner->m_rendererSize = event->size();
        QOpenGLWidget::resizeEvent(event);
    }
};

OpenGLWidgetRenderer::OpenGLWidgetRenderer(QWidget* parent)
    : VideoRenderer(parent), m_widget(new GLWidget(this, parent)), m_gl(new OpenGLVideo(this))
{
    m_widget->setObjectName(QStringLiteral("OpenGLWidgetRenderer"));
    m_rendererSize = m_widget->size();
}

OpenGLWidgetRenderer::~OpenGLWidgetRenderer()
{
    if (m_widget) {
        m_widget->makeCurrent();
        m_gl->releaseResources();
        m_widget->doneCurrent();
        m_widget->m_owner = nullptr;
        delete m_widget;
    }
}

QWidget* OpenGLWidgetRenderer::widget()
{
    return m_widget;
}

void OpenGLWidgetRenderer::receiveFrame(const VideoFrame& frame)
{
    Q_UNUSED(frame)
    m_received.fetchAndAddOrdered(1);
    m_newFrame.storeRelease(1);
    // One queued repaint at a time: the newest frame wins.
    if (m_updatePending.testAndSetOrdered(0, 1))
        QMetaObject::invokeMethod(this, [this] {
            m_updatePending.storeRelease(0);
            if (m_widget)
                m_widget->update();
        }, Qt::QueuedConnection);
}

void OpenGLWidgetRenderer::repaint(bool refilter)
{
    if (refilter) {
        const VideoFrame source = sourceFrame();
        if (source.isValid()) {
            receive(source);
            return;
        }
    }
    if (m_widget)
        m_widget->update();
}

// A setter that leaves the value as it was repaints nothing: each repaint
// recomposes the whole window, and a new play sets the view's defaults again.
void OpenGLWidgetRenderer::setFilterOptions(const QString& options)
{
    const bool same = options == filterOptions();
    VideoRenderer::setFilterOptions(options);
    if (!same)
        repaint(true);
}

void OpenGLWidgetRenderer::setFilterEnabled(bool enabled)
{
    const bool same = enabled == isFilterEnabled();
    VideoRenderer::setFilterEnabled(enabled);
    if (!same)
        repaint(true);
}

void OpenGLWidgetRenderer::initAVFilter()
{
    VideoRenderer::initAVFilter();
    repaint(true);
}

void OpenGLWidgetRenderer::setOrientation(int degrees)
{
    const int o = ((degrees % 360) + 360) % 360;
    if (o % 90 != 0)
        return;
    const bool same = o == orientation();
    VideoRenderer::setOrientation(o);
    if (!same)
        repaint();
}

void OpenGLWidgetRenderer::setOutAspectRatioMode(OutAspectRatioMode mode)
{
    const bool same = mode == outAspectRatioMode();
    VideoRenderer::setOutAspectRatioMode(mode);
    if (!same)
        repaint();
}

void OpenGLWidgetRenderer::setOutAspectRatio(double ratio)
{
    const bool same = outAspectRatioMode() == CustomAspectRation && ratio == outAspectRatio();
    VideoRenderer::setOutAspectRatio(ratio);
    if (!same)
        repaint();
}

void OpenGLWidgetRenderer::setRegionOfInterest(const QRectF& roi)
{
    const bool same = roi == regionOfInterest();
    VideoRenderer::setRegionOfInterest(roi);
    if (!same)
        repaint();
}

void OpenGLWidgetRenderer::setBackgroundColor(const QColor& color)
{
    const bool same = color == backgroundColor();
    VideoRenderer::setBackgroundColor(color);
    if (!same)
        repaint();
}

void OpenGLWidgetRenderer::setMatrix(const QMatrix4x4& matrix)
{
    const bool same = matrix == VideoRenderer::matrix();
    // The base still tells of an identity matrix each time.
    VideoRenderer::setMatrix(matrix);
    if (!same)
        repaint();
}

bool OpenGLWidgetRenderer::setBrightness(double v) { const bool ok = VideoRenderer::setBrightness(v); repaint(); return ok; }
bool OpenGLWidgetRenderer::setContrast(double v) { const bool ok = VideoRenderer::setContrast(v); repaint(); return ok; }
bool OpenGLWidgetRenderer::setHue(double v) { const bool ok = VideoRenderer::setHue(v); repaint(); return ok; }
bool OpenGLWidgetRenderer::setSaturation(double v) { const bool ok = VideoRenderer::setSaturation(v); repaint(); return ok; }

void OpenGLWidgetRenderer::resizeRenderer(int width, int height)
{
    m_rendererSize = QSize(width, height);
    repaint();
}

bool OpenGLWidgetRenderer::installFilter(VideoFilter* filter)
{
    if (!filter)
        return false;
    for (const auto& f : m_filters)
        if (f == filter)
            return false;
    m_filters.append(filter);
    repaint();
    return true;
}

bool OpenGLWidgetRenderer::uninstallFilter(VideoFilter* filter)
{
    for (int i = 0; i < m_filters.size(); ++i) {
        if (m_filters[i] == filter) {
            m_filters.removeAt(i);
            repaint();
            return true;
        }
    }
    return false;
}

QList<VideoFilter*> OpenGLWidgetRenderer::filters() const
{
    QList<VideoFilter*> out;
    for (const auto& f : m_filters)
        if (f)
            out << f.data();
    return out;
}

QImage OpenGLWidgetRenderer::grab()
{
    return m_widget ? m_widget->grabFramebuffer() : QImage();
}

QRect OpenGLWidgetRenderer::videoRect() const
{
    return videoRectFor(currentFrame(), m_widget ? m_widget->size() : QSize());
}

QRect OpenGLWidgetRenderer::videoRectFor(const VideoFrame& frame, const QSize& area) const
{
    if (!frame.isValid() || area.isEmpty())
        return QRect(QPoint(0, 0), area);
    QRectF roi = regionOfInterest();
    QSizeF src = frame.size();
    if (roi.isValid() && !(roi.width() <= 1.0 && roi.height() <= 1.0))
        src = roi.intersected(QRectF(QPointF(0, 0), src)).size();
    else if (roi.isValid())
        src = QSizeF(roi.width() * src.width(), roi.height() * src.height());
    if (src.isEmpty())
        src = frame.size();
    double sar = 1.0;
    if (const AVFrame* f = frame.avFrame())
        if (f->sample_aspect_ratio.num > 0 && f->sample_aspect_ratio.den > 0)
            sar = double(f->sample_aspect_ratio.num) / f->sample_aspect_ratio.den;
    const double areaAspect = double(area.width()) / area.height();
    double aspect = areaAspect;
    switch (outAspectRatioMode()) {
    case VideoAspectRatio:
        aspect = src.width() * sar / src.height();
        break;
    case CustomAspectRation:
        aspect = outAspectRatio() > 0 ? outAspectRatio() : src.width() * sar / src.height();
        break;
    case RendererAspectRatio:
        return QRect(QPoint(0, 0), area);
    }
    const int o = orientation();
    if (o == 90 || o == 270)
        aspect = 1.0 / aspect;
    if (aspect > areaAspect) {
        const int h = qRound(area.width() / aspect);
        return QRect(0, (area.height() - h) / 2, area.width(), h);
    }
    const int w = qRound(area.height() * aspect);
    return QRect((area.width() - w) / 2, 0, w, area.height());
}

void OpenGLWidgetRenderer::paintGL()
{
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    const QColor bg = backgroundColor();
    gl->glClearColor(GLfloat(bg.redF()), GLfloat(bg.greenF()), GLfloat(bg.blueF()), GLfloat(bg.alphaF()));
    gl->glClear(GL_COLOR_BUFFER_BIT);
    const VideoFrame frame = currentFrame();
    if (!frame.isValid())
        return;
    const qreal dpr = m_widget->devicePixelRatioF();
    const QRect r = videoRectFor(frame, m_widget->size());
    const int fbHeight = int(m_widget->height() * dpr);
    gl->glViewport(int(r.x() * dpr), fbHeight - int((r.y() + r.height()) * dpr), int(r.width() * dpr),
                   int(r.height() * dpr));
    OpenGLVideo::Params params;
    params.roi = regionOfInterest();
    QMatrix4x4 transform;
    transform.rotate(float(orientation()), 0, 0, 1);
    params.transform = transform * matrix();
    params.brightness = brightness();
    params.contrast = contrast();
    params.hue = hue();
    params.saturation = saturation();
    const bool drawn = m_gl->render(frame, params);
    gl->glViewport(0, 0, int(m_widget->width() * dpr), fbHeight);
    const QList<VideoFilter*> painting = filters();
    if (!painting.isEmpty()) {
        QPainter painter(m_widget);
        painter.setRenderHint(QPainter::TextAntialiasing);
        for (VideoFilter* f : painting)
            if (auto* pf = qobject_cast<PaintingFilter*>(f))
                if (pf->isEnabled())
                    pf->paint(&painter, m_widget->rect(), frame.timestamp());
    }
    if (drawn && m_newFrame.testAndSetOrdered(1, 0))
        m_painted.fetchAndAddOrdered(1);
    emit framePainted();
}

} // namespace TwAV
