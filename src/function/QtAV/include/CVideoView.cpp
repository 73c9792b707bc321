#include "CVideoView.h"

#include "CMoveBox.h"
#include "WaterMark.h"

#include <QDebug>
#include <QFileInfo>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <cmath>

using TwAV::OpenGLWidgetRenderer;
using TwAV::SubtitleFilter;

namespace {

const QString kRegion = QStringLiteral("f_region");
const QString kExtend = QStringLiteral("f_extend");
const QString kEffect = QStringLiteral("f_effect");

const char* const kStripes[4] = {
    "drawbox=x=0:y=0:w=iw:h=ih/4:color=yellow@0.1:t=fill[D1];[D1]drawbox=x=0:y=ih/4:w=iw:h=ih/4:color=green@0.1:t=fill[D2];[D2]drawbox=x=0:y=ih/2:w=iw:h=ih/4:color=red@0.1:t=fill[D3];[D3]drawbox=x=0:y=ih/4*3:w=iw:h=ih/4:color=purple@0.1:t=fill[D4];[D4]format=pix_fmts=yuv420p",
    "drawbox=x=0:y=0:w=iw/4:h=ih:color=yellow@0.1:t=fill[D1];[D1]drawbox=x=iw/4:y=0:w=iw/4:h=ih:color=green@0.1:t=fill[D2];[D2]drawbox=x=iw/2:y=0:w=iw/4:h=ih:color=red@0.1:t=fill[D3];[D3]drawbox=x=iw/4*3:y=0:w=iw/4:h=ih:color=purple@0.1:t=fill[D4];[D4]format=pix_fmts=yuv420p",
    "drawbox=x=0:y=0:w=iw:h=ih/4:color=purple@0.1:t=fill[D1];[D1]drawbox=x=0:y=ih/4:w=iw:h=ih/4:color=red@0.1:t=fill[D2];[D2]drawbox=x=0:y=ih/2:w=iw:h=ih/4:color=green@0.1:t=fill[D3];[D3]drawbox=x=0:y=ih/4*3:w=iw:h=ih/4:color=yellow@0.1:t=fill[D4];[D4]format=pix_fmts=yuv420p",
    "drawbox=x=0:y=0:w=iw/4:h=ih:color=purple@0.1:t=fill[D1];[D1]drawbox=x=iw/4:y=0:w=iw/4:h=ih:color=red@0.1:t=fill[D2];[D2]drawbox=x=iw/2:y=0:w=iw/4:h=ih:color=green@0.1:t=fill[D3];[D3]drawbox=x=iw/4*3:y=0:w=iw/4:h=ih:color=yellow@0.1:t=fill[D4];[D4]format=pix_fmts=yuv420p",
};

int wrapDegrees(int angle)
{
    return ((angle % 360) + 360) % 360;
}

} // namespace

CVideoViewPrivate::CVideoViewPrivate(CVideoView* view)
    : QObject(view), q(view)
{
}

int CVideoViewPrivate::scaledFontSize(int size, int videoTarHeight, bool adding) const
{
    const int base = adding ? 540 : int(overlayRatio * 270);
    if (base <= 0)
        return 1;
    const int lo = qMin(base, videoTarHeight), hi = qMax(base, videoTarHeight);
    if (hi <= 0)
        return 1;
    const int scaled = int(size * (double(lo) / hi));
    // A font of no size would draw nothing or fall back to a default size.
    return scaled > 0 ? scaled : 1;
}

void CVideoViewPrivate::syncRendererSize()
{
    // A hidden view gets its resize event only when shown; subtitle places
    // computed before that must still see the view's size.
    if (renderer && renderer->widget() && renderer->widget()->size() != q->size())
        renderer->widget()->resize(q->size());
}

TwAV::OpenGLWidgetRenderer* CVideoViewPrivate::gl()
{
    // Made at the first call that needs it: an OpenGL widget turns its whole
    // window over to OpenGL composition and opens the driver, which a page
    // that only shows a picture until something is played must not pay for
    // when it comes up.
    if (!renderer) {
        renderer = new OpenGLWidgetRenderer(q);
        renderer->setOutAspectRatioMode(TwAV::VideoRenderer::CustomAspectRation);
        renderer->setBackgroundColor(QColor(0, 0, 0, 255));
        QWidget* w = renderer->widget();
        w->setGeometry(q->rect());
        // Below the crop box, the watermark and whatever else lies on the view.
        w->lower();
        w->show();
        connect(renderer, &TwAV::VideoRenderer::matrixIdentitied, q, &CVideoView::doMatrixIdentitied);
    }
    return renderer;
}

void CVideoViewPrivate::repaintIfPaused()
{
    if (player && player->isPaused() && renderer)
        renderer->repaint();
}

CVideoView::CVideoView(QWidget* parent)
    : QWidget(parent), d(new CVideoViewPrivate(this))
{
    init();
}

CVideoView::CVideoView(QWidget* parent, TwAV::AVPlayer* player, QRect rect)
    : QWidget(parent), d(new CVideoViewPrivate(this))
{
    init();
    d->player = player;
    setGeometry(rect);
    d->sceneRect = rect;
}

CVideoView::~CVideoView()
{
    if (d->player && d->renderer)
        d->player->removeVideoRenderer(d->renderer);
    for (SubtitleFilter* f : d->subtitles)
        if (f)
            f->setPlayer(nullptr);
    // The renderer releases its textures through its widget, which it must
    // outlive; lowering the widget put it first among the children.
    delete d->renderer;
    d->renderer = nullptr;
}

void CVideoView::init()
{
    qRegisterMetaType<SubtitleSet>("SubtitleSet");
    qRegisterMetaType<ShaderType>("ShaderType");
}

QMap<QString, QString> CVideoView::filterPieces() const { return d->pieces; }
QRect CVideoView::regionRect() const { return d->regionRect; }
float CVideoView::regionRatio() const { return d->regionRatio; }
float CVideoView::overlayRatio() const { return d->overlayRatio; }
int CVideoView::rotationX() const { return d->rotationX; }
int CVideoView::rotationY() const { return d->rotationY; }
int CVideoView::storedOrientation() const { return d->orientation; }
QSize CVideoView::storedHandleSize() const { return d->handleSize; }
QSize CVideoView::storedDashedBoxMinSize() const { return d->dashedBoxMinSize; }
QSize CVideoView::storedWaterMarkMinSize() const { return d->waterMarkMinSize; }
QRect CVideoView::waterMarkDefaultRect() const { return d->waterMarkDefaultRect; }
DashedBox* CVideoView::dashedBox() const { return d->dashedBox; }
WaterMark* CVideoView::waterMark() const { return d->waterMark; }
OpenGLWidgetRenderer* CVideoView::glRenderer() const { return d->gl(); }
SubtitleFilter* CVideoView::subtitle(int id) const { return d->subtitles.value(id); }

void CVideoView::setPlayer(TwAV::AVPlayer* player)
{
    d->player = player;
}

void CVideoView::setVideoAspect(int num, int den)
{
    if (num >= 1 && den >= 1)
        d->gl()->setOutAspectRatio(double(num) / den);
    else
        d->gl()->setOutAspectRatioMode(TwAV::VideoRenderer::VideoAspectRatio);
}

void CVideoView::setRect(QRect rect)
{
    d->sceneRect = rect;
}

void CVideoView::resetVideoView()
{
    d->gl()->setMatrix(QMatrix4x4());
    d->orientation = 0;
    d->rotationX = 0;
    d->rotationY = 0;
    d->regionRatio = 1.0f;
    d->regionRect = QRect(0, 0, 0, 0);
}

void CVideoView::clearRotation()
{
    d->orientation = 0;
    d->rotationX = 0;
    d->rotationY = 0;
}

void CVideoView::rotate(int angle)
{
    rotate(angle, 2, true);
}

void CVideoView::rotate(int angle, int type)
{
    rotate(angle, type, true);
}

void CVideoView::rotate(int angle, int type, bool clockwise)
{
    Q_UNUSED(clockwise)
    if (type < 0 || type > 2)
        return;
    if (type == 2) {
        d->orientation = angle;
        d->gl()->setOrientation(angle);
        updateFilter();
        return;
    }
    QMatrix4x4 m = d->gl()->matrix();
    if (type == 0) {
        m.rotate(float(angle), 1, 0, 0);
        d->rotationX = wrapDegrees(d->rotationX + angle);
    } else {
        m.rotate(float(angle), 0, 1, 0);
        d->rotationY = wrapDegrees(d->rotationY + angle);
    }
    d->gl()->setMatrix(m);
    updateFilter();
}

int CVideoView::orientation() const
{
    return d->renderer ? d->renderer->orientation() : 0;
}

bool CVideoView::hasRenderer() const
{
    return d->renderer != nullptr;
}

TwAV::VideoRenderer* CVideoView::videoRenderer() const
{
    return d->gl();
}

void CVideoView::initFilter()
{
    d->gl()->initAVFilter();
    updateFilter();
}

void CVideoView::setFilterEnabled(bool enabled)
{
    d->gl()->setFilterEnabled(enabled);
    if (!enabled) {
        const QString region = d->pieces.value(kRegion);
        const bool hadRegion = d->pieces.contains(kRegion);
        d->pieces.clear();
        if (hadRegion)
            d->pieces.insert(kRegion, region);
    }
}

void CVideoView::insertFilterOptions(QString key, QString options)
{
    d->pieces.insert(key, options);
}

bool CVideoView::uninstallFilterOptions(QString key)
{
    return d->pieces.remove(key) > 0;
}

bool CVideoView::isSpecialFilterSet() const
{
    return d->pieces.contains(kEffect) && d->pieces.value(kEffect).startsWith(QLatin1String("drawbox"));
}

QString CVideoView::stripePattern(int orientation, int rotationX, int rotationY)
{
    const int o = wrapDegrees(orientation);
    const bool fx = wrapDegrees(rotationX) >= 180;
    const bool fy = wrapDegrees(rotationY) >= 180;
    int pattern;
    switch (o) {
    case 0: pattern = fy ? 4 : 2; break;
    case 90: pattern = fx ? 3 : 1; break;
    case 180: pattern = fy ? 2 : 4; break;
    case 270: pattern = fx ? 1 : 3; break;
    default: return QString();
    }
    return QLatin1String(kStripes[pattern - 1]);
}

void CVideoView::updateFilter()
{
    if (isSpecialFilterSet()) {
        const QString stripes = stripePattern(d->orientation, d->rotationX, d->rotationY);
        if (!stripes.isEmpty())
            d->pieces.insert(kEffect, stripes);
    }
    if (d->pieces.isEmpty()) {
        d->gl()->setFilterOptions(QString());
        d->gl()->setFilterEnabled(false);
        return;
    }
    QString chain = QStringLiteral("format=pix_fmts=yuv420p[1]; [1]");
    QString last = QStringLiteral("1");
    auto append = [&](const QString& key, const QString& text) {
        if (text.isEmpty())
            return;
        chain += text + QStringLiteral("[%1]; [%1]").arg(key);
        last = key;
    };
    if (d->pieces.contains(kRegion))
        append(kRegion, d->pieces.value(kRegion));
    if (d->pieces.contains(kExtend))
        append(kExtend, d->pieces.value(kExtend));
    for (auto it = d->pieces.cbegin(); it != d->pieces.cend(); ++it)
        if (it.key() != kRegion && it.key() != kExtend)
            append(it.key(), it.value());
    chain.remove(QStringLiteral("[%1]; [%1]").arg(last));
    d->gl()->setFilterEnabled(!chain.isEmpty());
    d->gl()->setFilterOptions(QString());
    d->gl()->setFilterOptions(chain);
}

void CVideoView::setShader(ShaderType type, const char* process)
{
    // The text is not used: the type alone names the effect.
    Q_UNUSED(process)
    setShader(type);
}

void CVideoView::setShader(ShaderType type)
{
    delete d->shader;
    d->shader = nullptr;
    TwAV::VideoShader* shader = nullptr;
    switch (type) {
    case ShaderBlur: { auto* s = new MediumBlurShader(this); shader = s; d->shader = s; break; }
    case ShaderSharpen: { auto* s = new SharpnessShader(this); shader = s; d->shader = s; break; }
    case ShaderGray: { auto* s = new GrayShader(this); shader = s; d->shader = s; break; }
    default: type = ShaderNone; break;
    }
    d->shaderType = type;
    d->gl()->opengl()->setUserShader(shader);
    d->gl()->repaint();
}

ShaderType CVideoView::shaderType() const
{
    return d->shaderType;
}

void CVideoView::clearShader()
{
    setShader(ShaderNone);
}

bool CVideoView::setBrightness(double v) { return d->gl()->setBrightness(v); }
bool CVideoView::setContrast(double v) { return d->gl()->setContrast(v); }
bool CVideoView::setHue(double v) { return d->gl()->setHue(v); }
bool CVideoView::setSaturation(double v) { return d->gl()->setSaturation(v); }

void CVideoView::setRegionOfInterest(QRect rect)
{
    d->regionRect = rect;
    const float r = d->regionRatio;
    int w = rect.width(), h = rect.height(), x = rect.x(), y = rect.y();
    if (std::fabs(r - 1.0f) > 0.000001f) {
        w = int(float(w) / r);
        h = int(float(h) / r);
        x = int(float(x) / r);
        y = int(float(y) / r);
    }
    d->pieces.insert(kRegion, QStringLiteral("crop=w=%1:h=%2:x=%3:y=%4").arg(w).arg(h).arg(x).arg(y));
    d->gl()->resizeRenderer(rect.width(), rect.height());
    d->gl()->setRegionOfInterest(QRectF(0, 0, w, h));
    updateFilter();
}

void CVideoView::setRegionRatio(float ratio)
{
    if (!(ratio > 0))
        return;
    d->regionRatio = ratio;
    if (d->regionRect != QRect(0, 0, 0, 0))
        setRegionOfInterest(d->regionRect);
}

void CVideoView::clearRegion(QSize videoSize)
{
    setRegionOfInterest(QRect(QPoint(0, 0), videoSize));
    d->pieces.remove(kRegion);
    updateFilter();
}

QSize CVideoView::renderRegion() const
{
    const QSizeF s = d->gl()->regionOfInterest().size();
    return QSize(int(std::round(s.width() * d->regionRatio)), int(std::round(s.height() * d->regionRatio)));
}

void CVideoView::zoomIn(QRect rect)
{
    auto* animation = new QPropertyAnimation(this, "geometry");
    animation->setDuration(500);
    animation->setStartValue(d->sceneRect);
    animation->setEndValue(rect);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    d->zoomed = true;
}

void CVideoView::zoomOut()
{
    auto* animation = new QPropertyAnimation(this, "geometry");
    animation->setDuration(500);
    animation->setStartValue(geometry());
    animation->setEndValue(d->sceneRect);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    d->zoomed = false;
}

bool CVideoView::isZoomIn() const
{
    return d->zoomed;
}

void CVideoView::setViewCenterInParent(QSize size)
{
    if (QWidget* parent = parentWidget())
        setGeometry((parent->width() - size.width()) / 2, (parent->height() - size.height()) / 2, size.width(),
                    size.height());
    else
        resize(size);
    emit doRenderSizeChanged(size);
}

void CVideoView::setShowVideoFrame(bool show)
{
    // Hiding needs no renderer that was never made.
    if (!d->player || (!show && !d->renderer))
        return;
    const bool present = d->player->videoOutputs().contains(d->gl());
    if (show && !present)
        d->player->addVideoRenderer(d->gl());
    else if (!show && present)
        d->player->removeVideoRenderer(d->gl());
}

QRect CVideoView::sceneRect() const
{
    // The view draws with a renderer widget, not a graphics scene.
    return QRect(0, 0, 0, 0);
}

void CVideoView::setSceneRect(QRect rect)
{
    Q_UNUSED(rect)
}

void CVideoView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // While zoomed in the scene rectangle is where zoomOut returns to.
    if (!d->zoomed)
        d->sceneRect = geometry();
    if (d->renderer && d->renderer->widget())
        d->renderer->widget()->resize(event->size());
    if (d->dashedBox)
        d->dashedBox->resize(event->size());
    if (d->waterMark)
        d->waterMark->resize(event->size());
}
