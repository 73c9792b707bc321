#pragma once

// Filters run on the decode threads, in ascending priority, before frames
// reach the renderers or the sound sink. `process` is called on a decode
// thread; the enabled flag may be changed from any thread.

#include "Frame.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

namespace TwAV {

// A decoded subtitle event of the chosen track.
struct SubtitleEvent
{
    double start = 0.0;   // seconds
    double end = 0.0;
    QString text;         // plain text, lines separated by '\n'
};

class Filter : public QObject
{
    Q_OBJECT
public:
    explicit Filter(QObject* parent = nullptr) : QObject(parent) {}
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
private:
    std::atomic_bool m_enabled{true};
};

class VideoFilter : public Filter
{
    Q_OBJECT
public:
    explicit VideoFilter(QObject* parent = nullptr) : Filter(parent) {}
    virtual void process(VideoFrame* frame) = 0;
    // Subtitle filters get the chosen track's events (decode thread).
    virtual void subtitleEvent(const SubtitleEvent& event) { Q_UNUSED(event) }
};

class AudioFilter : public Filter
{
    Q_OBJECT
public:
    explicit AudioFilter(QObject* parent = nullptr) : Filter(parent) {}
    virtual void process(AudioFrame* frame) = 0;
};

// Runs a libavfilter graph description ("scale=w=320:h=-2", ...) over every
// frame. The graph is built again when its text or the frame size changes;
// a text that does not parse leaves frames untouched (logged once per text).
class LibAVFilterVideo : public VideoFilter
{
    Q_OBJECT
public:
    explicit LibAVFilterVideo(QObject* parent = nullptr);
    ~LibAVFilterVideo() override;
    void setOptions(const QString& options);
    QString options() const;
    void process(VideoFrame* frame) override;

private:
    struct Graph;
    mutable QMutex m_mutex;
    QString m_options;
    std::unique_ptr<Graph> m_graph;
};

} // namespace TwAV
