#pragma once

// Decoded frames. Both are implicitly shared values: copying is cheap and a
// copy may cross threads.

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QVariant>
#include <memory>

struct AVFrame;

namespace TwAV {

class VideoFrame
{
public:
    VideoFrame();
    // Takes a reference to `frame` (the caller keeps its own).
    VideoFrame(const AVFrame* frame, double timestamp);
    explicit VideoFrame(const QImage& image, double timestamp = 0.0);
    static VideoFrame fromImage(const QImage& image) { return VideoFrame(image); }

    bool isValid() const;
    int width() const;
    int height() const;
    QSize size() const { return QSize(width(), height()); }
    // Seconds from the start of the media.
    double timestamp() const;
    void setTimestamp(double seconds);
    // Converted through swscale; an empty size keeps the frame's own.
    QImage toImage(QImage::Format format = QImage::Format_ARGB32, const QSize& size = QSize()) const;
    VideoFrame clone() const;

    // The decoded picture (null for a frame made from an image).
    const AVFrame* avFrame() const;
    // Extra values carried along, e.g. the position an extraction asked for.
    void setMetaData(const QString& key, const QVariant& value);
    QVariant metaData(const QString& key) const;

private:
    struct Data;
    std::shared_ptr<Data> d;
};

// A block of interleaved signed 16-bit samples.
class AudioFrame
{
public:
    AudioFrame();
    AudioFrame(const QByteArray& samples, int sampleRate, int channels, double timestamp);

    bool isValid() const { return !m_data.isEmpty(); }
    QByteArray data() const { return m_data; }
    const char* constBits(int plane = 0) const { return plane == 0 ? m_data.constData() : nullptr; }
    int bytesPerLine(int plane = 0) const { return plane == 0 ? m_data.size() : 0; }
    int planeCount() const { return 1; }
    int samplesPerChannel() const;
    int channelCount() const { return m_channels; }
    int sampleRate() const { return m_rate; }
    int bytesPerSample() const { return 2; }
    double timestamp() const { return m_timestamp; }
    void setTimestamp(double seconds) { m_timestamp = seconds; }
    AudioFrame clone() const;
    // Writable samples for audio filters.
    QByteArray& samples() { return m_data; }

private:
    QByteArray m_data;
    int m_rate = 0;
    int m_channels = 0;
    double m_timestamp = 0.0;
};

} // namespace TwAV

Q_DECLARE_METATYPE(TwAV::VideoFrame)
Q_DECLARE_METATYPE(TwAV::AudioFrame)
