// The video view's subtitles and its two overlay boxes.

#include "CVideoView.h"

#include "CMoveBox.h"
#include "WaterMark.h"

#include <QFileInfo>

using TwAV::SubtitleFilter;

namespace {

QRect times(const QRect& r, float ratio)
{
    return QRect(int(r.x() * ratio), int(r.y() * ratio), int(r.width() * ratio), int(r.height() * ratio));
}

QRect dividedBy(const QRect& r, float ratio)
{
    return QRect(int(r.x() / ratio), int(r.y() / ratio), int(r.width() / ratio), int(r.height() / ratio));
}

int fontPixelSize(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return qMax(1, qRound(font.pointSizeF()));
}

} // namespace

SubtitleFilter* CVideoView::addSubtitle(SubtitleSet info, int videoTarHeight, bool installed)
{
    auto* filter = new SubtitleFilter(this);
    QFont font = info.font;
    font.setPixelSize(d->scaledFontSize(info.size > 0 ? info.size : height() / 10, videoTarHeight, true));
    filter->setEnabled(false);
    filter->setAutoLoad(false);
    filter->setRect(info.rect);
    filter->setFont(font);
    filter->setColor(QColor(info.colorName));
    if (!info.file.isEmpty() && QFileInfo::exists(info.file))
        filter->setFile(info.file);
    if (installed)
        d->gl()->installFilter(filter);
    d->subtitles.insert(info.id, filter);
    return filter;
}

void CVideoView::installSubtitle(SubtitleFilter* subtitle, int subStreamIndex)
{
    if (!subtitle || subtitle->isEnabled())
        return;
    subtitle->setPlayer(d->player);
    subtitle->setEnabled(true);
    if (subtitle->file().isEmpty() && d->player && subStreamIndex != -1)
        d->player->setSubtitleStream(subStreamIndex);
    d->gl()->installFilter(subtitle);
}

void CVideoView::uninstallSubtitle(SubtitleFilter* subtitle)
{
    if (!subtitle || !subtitle->isEnabled())
        return;
    subtitle->setEnabled(false);
    subtitle->setPlayer(nullptr);
    if (d->renderer)
        d->renderer->uninstallFilter(subtitle);
}

void CVideoView::setSubtitlePosition(SubtitleFilter* subtitle, int position)
{
    if (!subtitle)
        return;
    d->syncRendererSize();
    const QRectF r = subtitle->rect();
    const int rendererHeight = d->gl()->widget()->height();
    // A real quotient: in integers every position below 100 gave the bottom.
    const int y = int((rendererHeight - r.height()) * (1.0 - position / 100.0));
    subtitle->setRect(QRectF(0, y, r.width(), r.height()));
    d->repaintIfPaused();
}

void CVideoView::setSubtitleRect(SubtitleFilter* filter, int height, int position, int videoTarHeight)
{
    if (!filter)
        return;
    const int s = d->scaledFontSize(height, videoTarHeight, false);
    d->syncRendererSize();
    filter->setRect(QRectF(0, 0, d->gl()->widget()->width(), int(s * 2.5)));
    setSubtitlePosition(filter, position);
}

void CVideoView::setSubtitleFont(SubtitleFilter* filter, QFont font, int videoTarHeight)
{
    if (!filter)
        return;
    font.setPixelSize(d->scaledFontSize(fontPixelSize(font), videoTarHeight, false));
    filter->setFont(font);
    d->repaintIfPaused();
}

void CVideoView::setSubtitle(SubtitleSet info, int videoTarHeight)
{
    SubtitleFilter* filter = d->subtitles.value(info.id);
    if (!filter)
        return;
    QFont font = info.font;
    font.setPixelSize(d->scaledFontSize(info.size > 0 ? info.size : height() / 10, videoTarHeight, false));
    filter->setFont(font);
    filter->setColor(QColor(info.colorName));
    filter->setRect(info.rect);
    d->repaintIfPaused();
}

void CVideoView::setSubtitleVisible(int id, bool visible)
{
    SubtitleFilter* filter = d->subtitles.value(id);
    if (!filter)
        return;
    if (visible)
        d->gl()->installFilter(filter);
    else
        d->gl()->uninstallFilter(filter);
}

void CVideoView::initDashedBox(float ratio)
{
    if (d->dashedBox)
        return;
    d->dashedBox = new DashedBox(this);
    d->dashedBox->setGeometry(rect());
    d->dashedBox->show();
    blockCropSignals(false);
    resizeAttachs(ratio);
    d->dashedBox->setBoxMinimumSize(d->dashedBoxMinSize);
    d->dashedBox->setHandleSize(d->handleSize);
}

void CVideoView::initWaterMark(float ratio)
{
    if (d->waterMark)
        return;
    d->waterMark = new WaterMark(this);
    d->waterMark->setGeometry(rect());
    d->waterMark->show();
    blockWaterMarkSignals(false);
    resizeAttachs(ratio);
    d->waterMark->setBoxMinimumSize(d->waterMarkMinSize);
    d->waterMark->setHandleSize(d->handleSize);
}

void CVideoView::blockCropSignals(bool b)
{
    disconnect(d->cropConnection);
    d->cropConnection = {};
    if (!b && d->dashedBox)
        d->cropConnection = connect(d->dashedBox.data(), &CMoveBox::doRectChanged, this,
                                    &CVideoView::doDashedBoxRectChanged);
}

void CVideoView::blockWaterMarkSignals(bool b)
{
    disconnect(d->waterMarkConnection);
    d->waterMarkConnection = {};
    if (!b && d->waterMark)
        d->waterMarkConnection = connect(d->waterMark.data(), &CMoveBox::doRectChanged, this,
                                         &CVideoView::doWaterMarkRectChanged);
}

QRect CVideoView::getDashedBoxRect() const
{
    return d->dashedBox ? d->dashedBox->boxRect() : rect();
}

QRect CVideoView::getWaterMarkRect() const
{
    return d->waterMark ? d->waterMark->boxRect() : QRect();
}

void CVideoView::setDashedBoxEnabled(bool enabled)
{
    if (d->dashedBox)
        d->dashedBox->setEnabled(enabled);
}

void CVideoView::setWaterMarkEnabled(bool enabled)
{
    if (d->waterMark)
        d->waterMark->setEnabled(enabled);
}

void CVideoView::freeWaterMark()
{
    delete d->waterMark.data();
    d->waterMark = nullptr;
}

void CVideoView::checkWaterMarkBoxRectBeyond()
{
    if (d->waterMark)
        d->waterMark->checkBoxRectBeyond();
}

void CVideoView::saveTempImageOpacityChanged()
{
    if (d->waterMark)
        d->waterMark->saveTempImageOpacityChanged();
}

void CVideoView::setWaterMarkOpacity(double opacity)
{
    if (d->waterMark)
        d->waterMark->setContentOpacity(opacity);
}

void CVideoView::setWaterMarkBoxVisible(bool visible)
{
    if (!d->waterMark)
        return;
    d->waterMark->box()->setVisible(visible);
    d->waterMark->setHandlesVisible(visible);
}

void CVideoView::setWaterMark(QList<TextMarkInfo>& lstTexts, QString savePath)
{
    if (d->waterMark)
        d->waterMark->setText(lstTexts, savePath);
}

bool CVideoView::setWaterMark(QImage image, QString tempImagePath, bool firstLoad)
{
    return d->waterMark && d->waterMark->setImage(image, tempImagePath, firstLoad);
}

bool CVideoView::setWaterMark(QImage image, QString tempImagePath)
{
    return setWaterMark(image, tempImagePath, false);
}

void CVideoView::setWaterMark(DateTimeMarkInfo info, bool firstLoad)
{
    if (d->waterMark)
        d->waterMark->setDateTime(info, firstLoad);
}

void CVideoView::setWaterMark(DateTimeMarkInfo info)
{
    setWaterMark(info, false);
}

void CVideoView::setDashedBoxVisible(bool visible)
{
    if (d->dashedBox)
        d->dashedBox->setVisible(visible);
}

void CVideoView::setWaterMarkDefaultRect(QRect rect)
{
    d->waterMarkDefaultRect = rect;
}

void CVideoView::setHandleSize(QSize size)
{
    if (d->dashedBox)
        d->dashedBox->setHandleSize(size);
    if (d->waterMark)
        d->waterMark->setHandleSize(size);
    d->handleSize = size;
}

void CVideoView::setDashedBoxMinSize(QSize size)
{
    if (d->dashedBox)
        d->dashedBox->setBoxMinimumSize(size);
    d->dashedBoxMinSize = size;
}

void CVideoView::setWaterMarkBoxMinSize(QSize size)
{
    if (d->waterMark)
        d->waterMark->setBoxMinimumSize(size);
    d->waterMarkMinSize = size;
}

void CVideoView::setDashedBoxRect(QRect rect)
{
    setDashedBoxRect(rect, true);
}

void CVideoView::setDashedBoxRect(QRect rect, bool bEmitSignal)
{
    if (!d->dashedBox)
        return;
    d->dashedBox->setBoxRect(rect, bEmitSignal);
    d->dashedBox->setRealRect(dividedBy(rect, d->overlayRatio));
}

void CVideoView::setWaterMarkRect(QRect rect)
{
    if (!d->waterMark)
        return;
    d->waterMark->setBoxRect(rect, true);
    d->waterMark->setRealRect(dividedBy(rect, d->overlayRatio));
}

void CVideoView::setWaterMarkVisible(bool visible)
{
    if (d->waterMark)
        d->waterMark->setVisible(visible);
}

void CVideoView::resetRatio()
{
    resetRatio(1.0f);
}

void CVideoView::resetRatio(float ratio)
{
    // The ratio divides later: 0 or less keeps the old one.
    if (!(ratio > 0))
        return;
    d->overlayRatio = ratio;
    if (d->dashedBox)
        d->dashedBox->setRatio(ratio);
    if (d->waterMark)
        d->waterMark->setRatio(ratio);
}

void CVideoView::initSubtitleRatio(float ratio)
{
    resetRatio(ratio);
}

void CVideoView::setScaledByRatio(bool b)
{
    setScaledByRatio(b, -1.0);
}

void CVideoView::setScaledByRatio(bool b, double ratio)
{
    if (d->dashedBox)
        d->dashedBox->setKeepRatio(b, ratio);
}

void CVideoView::resizeAttachs()
{
    resizeAttachs(1.0f);
}

void CVideoView::resizeAttachs(float ratio)
{
    if (!(ratio > 0))
        return;
    resetRatio(ratio);
    const QSize handle(int(ratio * 6.0f), int(ratio * 6.0f));
    if (d->dashedBox)
        d->dashedBox->setHandleSize(handle);
    if (d->waterMark)
        d->waterMark->setHandleSize(handle);
    d->handleSize = handle;
    const QSize minimum(int(ratio * 20.0f), int(ratio * 20.0f));
    setDashedBoxMinSize(minimum);
    setWaterMarkBoxMinSize(minimum);
    if (d->dashedBox && d->dashedBox->realRect().size() != QSize(0, 0))
        d->dashedBox->setBoxRect(times(d->dashedBox->realRect(), ratio), false);
    if (d->waterMark && d->waterMark->realRect().size() != QSize(0, 0)) {
        d->waterMark->setBoxRect(times(d->waterMark->realRect(), ratio), false);
        d->waterMark->updateWaterMark();
    }
}
