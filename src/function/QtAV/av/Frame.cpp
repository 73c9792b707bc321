#include "Frame.h"

#include <QMap>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace TwAV {

struct VideoFrame::Data
{
    AVFrame* frame = nullptr;
    QImage image;
    double timestamp = 0.0;
    QMap<QString, QVariant> meta;
    ~Data() { av_frame_free(&frame); }
};

VideoFrame::VideoFrame() = default;

VideoFrame::VideoFrame(const AVFrame* frame, double timestamp)
    : d(std::make_shared<Data>())
{
    d->frame = av_frame_alloc();
    if (frame && av_frame_ref(d->frame, frame) < 0)
        av_frame_free(&d->frame);
    d->timestamp = timestamp;
}

VideoFrame::VideoFrame(const QImage& image, double timestamp)
    : d(std::make_shared<Data>())
{
    d->image = image;
    d->timestamp = timestamp;
}

bool VideoFrame::isValid() const
{
    return d && ((d->frame && d->frame->width > 0 && d->frame->data[0]) || !d->image.isNull());
}

int VideoFrame::width() const
{
    if (!d)
        return 0;
    return d->frame ? d->frame->width : d->image.width();
}

int VideoFrame::height() const
{
    if (!d)
        return 0;
    return d->frame ? d->frame->height : d->image.height();
}

double VideoFrame::timestamp() const
{
    return d ? d->timestamp : 0.0;
}

void VideoFrame::setTimestamp(double seconds)
{
    if (!d)
        d = std::make_shared<Data>();
    d->timestamp = seconds;
}

const AVFrame* VideoFrame::avFrame() const
{
    return d ? d->frame : nullptr;
}

void VideoFrame::setMetaData(const QString& key, const QVariant& value)
{
    if (!d)
        d = std::make_shared<Data>();
    else if (d.use_count() > 1)
        *this = clone();
    d->meta.insert(key, value);
}

QVariant VideoFrame::metaData(const QString& key) const
{
    return d ? d->meta.value(key) : QVariant();
}

VideoFrame VideoFrame::clone() const
{
    if (!d)
        return VideoFrame();
    VideoFrame copy;
    copy.d = std::make_shared<Data>();
    copy.d->timestamp = d->timestamp;
    copy.d->meta = d->meta;
    copy.d->image = d->image.copy();
    if (d->frame) {
        copy.d->frame = av_frame_alloc();
        if (av_frame_ref(copy.d->frame, d->frame) < 0 || av_frame_make_writable(copy.d->frame) < 0)
            av_frame_free(&copy.d->frame);
    }
    return copy;
}

namespace {
AVPixelFormat pixelFormatFor(QImage::Format f)
{
    switch (f) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return AV_PIX_FMT_BGRA;   // little endian 0xAARRGGBB
    case QImage::Format_RGB888:
        return AV_PIX_FMT_RGB24;
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
        return AV_PIX_FMT_RGBA;
    case QImage::Format_Grayscale8:
        return AV_PIX_FMT_GRAY8;
    default:
        return AV_PIX_FMT_NONE;
    }
}
} // namespace

QImage VideoFrame::toImage(QImage::Format format, const QSize& size) const
{
    if (!isValid())
        return QImage();
    const QSize target = size.isValid() && !size.isEmpty() ? size : this->size();
    if (!d->frame) {
        QImage img = d->image.convertToFormat(format);
        return target == img.size() ? img : img.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage::Format direct = format;
    AVPixelFormat dst = pixelFormatFor(format);
    if (dst == AV_PIX_FMT_NONE) {
        direct = QImage::Format_ARGB32;
        dst = AV_PIX_FMT_BGRA;
    }
    const AVFrame* f = d->frame;
    SwsContext* sws = sws_getContext(f->width, f->height, AVPixelFormat(f->format), target.width(), target.height(),
                                     dst, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!sws)
        return QImage();
    QImage out(target, direct);
    if (out.isNull()) {
        sws_freeContext(sws);
        return QImage();
    }
    uint8_t* planes[4] = {out.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {int(out.bytesPerLine()), 0, 0, 0};
    sws_scale(sws, f->data, f->linesize, 0, f->height, planes, strides);
    sws_freeContext(sws);
    if (direct == QImage::Format_ARGB32 || direct == QImage::Format_RGBX8888) {
        // Decoded pictures are opaque; make sure alpha says so.
        if (!av_pix_fmt_desc_get(AVPixelFormat(f->format)) ||
            !(av_pix_fmt_desc_get(AVPixelFormat(f->format))->flags & AV_PIX_FMT_FLAG_ALPHA)) {
            for (int y = 0; y < out.height(); ++y) {
                uchar* line = out.scanLine(y);
                for (int x = 0; x < out.width(); ++x)
                    line[x * 4 + 3] = 0xff;
            }
        }
    }
    return direct == format ? out : out.convertToFormat(format);
}

AudioFrame::AudioFrame() = default;

AudioFrame::AudioFrame(const QByteArray& samples, int sampleRate, int channels, double timestamp)
    : m_data(samples), m_rate(sampleRate), m_channels(channels), m_timestamp(timestamp)
{
}

int AudioFrame::samplesPerChannel() const
{
    return m_channels > 0 ? m_data.size() / (2 * m_channels) : 0;
}

AudioFrame AudioFrame::clone() const
{
    AudioFrame copy(*this);
    copy.m_data.detach();
    return copy;
}

} // namespace TwAV
