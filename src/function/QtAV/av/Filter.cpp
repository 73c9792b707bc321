#include "Filter.h"

#include <QDebug>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
}

namespace TwAV {

struct LibAVFilterVideo::Graph
{
    AVFilterGraph* graph = nullptr;
    AVFilterContext* src = nullptr;
    AVFilterContext* sink = nullptr;
    QString text;
    int width = 0, height = 0, format = -1;
    bool broken = false;
    ~Graph() { avfilter_graph_free(&graph); }

    bool build(const QString& desc, const AVFrame* f)
    {
        text = desc;
        width = f->width;
        height = f->height;
        format = f->format;
        graph = avfilter_graph_alloc();
        if (!graph)
            return false;
        graph->nb_threads = 1;
        const QString args = QStringLiteral("video_size=%1x%2:pix_fmt=%3:time_base=1/1000000:pixel_aspect=%4/%5")
                                 .arg(f->width).arg(f->height).arg(f->format)
                                 .arg(qMax(1, f->sample_aspect_ratio.num)).arg(qMax(1, f->sample_aspect_ratio.den));
        if (avfilter_graph_create_filter(&src, avfilter_get_by_name("buffer"), "in", args.toUtf8().constData(),
                                         nullptr, graph) < 0)
            return false;
        if (avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, graph) < 0)
            return false;
        AVFilterInOut* outputs = avfilter_inout_alloc();
        AVFilterInOut* inputs = avfilter_inout_alloc();
        outputs->name = av_strdup("in");
        outputs->filter_ctx = src;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink;
        int rc = avfilter_graph_parse_ptr(graph, desc.toUtf8().constData(), &inputs, &outputs, nullptr);
        avfilter_inout_free(&inputs);
        avfilter_inout_free(&outputs);
        if (rc < 0)
            return false;
        return avfilter_graph_config(graph, nullptr) >= 0;
    }
};

LibAVFilterVideo::LibAVFilterVideo(QObject* parent)
    : VideoFilter(parent)
{
}

LibAVFilterVideo::~LibAVFilterVideo() = default;

void LibAVFilterVideo::setOptions(const QString& options)
{
    QMutexLocker lock(&m_mutex);
    m_options = options;
}

QString LibAVFilterVideo::options() const
{
    QMutexLocker lock(&m_mutex);
    return m_options;
}

void LibAVFilterVideo::process(VideoFrame* frame)
{
    QMutexLocker lock(&m_mutex);
    const AVFrame* in = frame ? frame->avFrame() : nullptr;
    if (m_options.trimmed().isEmpty() || !in || !frame->isValid())
        return;
    if (!m_graph || m_graph->text != m_options || m_graph->width != in->width || m_graph->height != in->height
        || m_graph->format != in->format) {
        if (m_graph && m_graph->broken && m_graph->text == m_options && m_graph->width == in->width
            && m_graph->height == in->height)
            return;
        m_graph.reset(new Graph);
        if (!m_graph->build(m_options, in)) {
            qWarning() << "video filter cannot be built:" << m_options;
            avfilter_graph_free(&m_graph->graph);
            m_graph->broken = true;
            return;
        }
    }
    if (m_graph->broken)
        return;
    AVFrame* copy = av_frame_clone(in);
    if (!copy)
        return;
    copy->pts = int64_t(frame->timestamp() * 1e6);
    if (av_buffersrc_add_frame(m_graph->src, copy) < 0) {
        av_frame_free(&copy);
        return;
    }
    av_frame_free(&copy);
    AVFrame* out = av_frame_alloc();
    if (av_buffersink_get_frame(m_graph->sink, out) >= 0) {
        VideoFrame result(out, frame->timestamp());
        *frame = result;
    }
    av_frame_free(&out);
}

} // namespace TwAV
