#pragma once

// Frames for the OpenGL tests: raw YUV made by the real ffmpeg, and RGB
// pictures drawn here.

#include "AvTestMedia.h"
#include "function/QtAV/av/Frame.h"

#include <QDir>
#include <QFile>
#include <QPainter>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace GLTestFrames {

// A frame of `format` ("yuv420p" or "nv12") from raw bytes ffmpeg wrote.
inline TwAV::VideoFrame rawFrame(const QByteArray& raw, int w, int h, AVPixelFormat format,
                                 AVColorSpace space = AVCOL_SPC_UNSPECIFIED, AVRational sar = {1, 1},
                                 double timestamp = 0.0)
{
    AVFrame* f = av_frame_alloc();
    f->format = format;
    f->width = w;
    f->height = h;
    f->colorspace = space;
    f->sample_aspect_ratio = sar;
    if (av_frame_get_buffer(f, 32) < 0)
        return TwAV::VideoFrame();
    const char* src = raw.constData();
    const int cw = (w + 1) / 2, ch = (h + 1) / 2;
    for (int y = 0; y < h; ++y, src += w)
        memcpy(f->data[0] + y * f->linesize[0], src, size_t(w));
    if (format == AV_PIX_FMT_NV12) {
        for (int y = 0; y < ch; ++y, src += 2 * cw)
            memcpy(f->data[1] + y * f->linesize[1], src, size_t(2 * cw));
    } else {
        for (int p = 1; p <= 2; ++p)
            for (int y = 0; y < ch; ++y, src += cw)
                memcpy(f->data[p] + y * f->linesize[p], src, size_t(cw));
    }
    TwAV::VideoFrame frame(f, timestamp);
    av_frame_free(&f);
    return frame;
}

// ffmpeg's testsrc as raw YUV of a pixel format, and ffmpeg's own RGB
// conversion of exactly those bytes (with the given input matrix).
inline bool testsrc(const QString& pixFmt, const QString& matrix, QByteArray* raw, QImage* rgb)
{
    const QString dir = AvTestMedia::folder();
    const QString yuv = QDir(dir).filePath("testsrc_" + pixFmt + ".raw");
    const QString png = QDir(dir).filePath("testsrc_" + pixFmt + "_" + matrix + ".png");
    if (!QFile::exists(yuv)
        && !AvTestMedia::runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=1", "-frames:v", "1",
                                    "-pix_fmt", pixFmt, "-f", "rawvideo", yuv}))
        return false;
    if (!QFile::exists(png)
        && !AvTestMedia::runFfmpeg({"-f", "rawvideo", "-pix_fmt", pixFmt, "-s", "320x240", "-i", yuv, "-vf",
                                    "scale=in_color_matrix=" + matrix + ":flags=bilinear+accurate_rnd+full_chroma_int",
                                    "-frames:v", "1", "-pix_fmt", "rgb24", png}))
        return false;
    QFile f(yuv);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *raw = f.readAll();
    *rgb = QImage(png).convertToFormat(QImage::Format_RGB32);
    return !rgb->isNull();
}

// Four quadrants: red top-left, green top-right, blue bottom-left, white
// bottom-right.
inline QImage quadrants(QSize size = QSize(320, 240))
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, w, h, Qt::green);
    p.fillRect(0, h, w, h, Qt::blue);
    p.fillRect(w, h, w, h, Qt::white);
    return image;
}

inline QImage solid(QColor c, QSize size = QSize(320, 240))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

inline QImage checkerboard(QSize size = QSize(64, 64))
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

} // namespace GLTestFrames
