#include "function/marbleto_library/arguments/util/arguments.h"

#include "function/marbleto_library/arguments/util/util.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

void arguments_free(media_arguments* args)
{
    for (int32_t i = 0; i < args->count; ++i)
        std::free(args->items[i]);
    std::free(args->items);
    *args = media_arguments{};
}

bool arguments_append(media_arguments* args, const char* text)
{
    if (!text) {
        args->failed = true;
        return false;
    }
    if (args->count == args->capacity) {
        // One more slot at a time: lists are a few dozen items.
        auto* grown = static_cast<char**>(std::calloc(size_t(args->capacity) + 1, sizeof(char*)));
        if (!grown) {
            media_log(3, "%s [%d] : Memory allocation failure. Error Code %d", __FILE__, __LINE__, errno);
            args->failed = true;
            return false;
        }
        if (args->count > 0)
            std::memcpy(grown, args->items, size_t(args->count) * sizeof(char*));
        std::free(args->items);
        args->items = grown;
        args->capacity += 1;
    }
    char* copy = strdup(text);
    if (!copy) {
        media_log(3, "%s [%d] : Memory allocation failure. Error Code %d", __FILE__, __LINE__, errno);
        args->failed = true;
        return false;
    }
    args->items[args->count++] = copy;
    media_log(0, "%s [%d] : append %s", __FILE__, __LINE__, copy);
    return true;
}

bool arguments_append_format(media_arguments* args, const char* format, ...)
{
    // A buffer per call: two threads may build lists at once.
    char buffer[2048];
    std::memset(buffer, 0, sizeof buffer);
    va_list list;
    va_start(list, format);
    std::vsnprintf(buffer, sizeof buffer, format, list);
    va_end(list);
    buffer[sizeof buffer - 1] = '\0';
    return arguments_append(args, buffer);
}

bool arguments_append_int(media_arguments* args, int value)
{
    return arguments_append_format(args, "%d", value);
}

namespace {

void add(media_arguments* a, const char* x) { arguments_append(a, x); }
void add(media_arguments* a, const char* x, const char* y)
{
    arguments_append(a, x);
    arguments_append(a, y);
}
void addInt(media_arguments* a, const char* option, int value)
{
    arguments_append(a, option);
    arguments_append_int(a, value);
}
void addK(media_arguments* a, const char* option, int kbps)
{
    arguments_append(a, option);
    arguments_append_format(a, "%dk", kbps);
}

int clampQuality(int q, int lo, int hi) { return std::min(std::max(q, lo), hi); }

float h264Factor(int quality)
{
    static const float table[] = {0.1f, 0.2f, 0.7f, 0.8f, 0.9f, 1.0f, 1.0f};
    return table[clampQuality(quality, 0, 6)];
}

// Level 5 lies outside the five-entry table: it takes the top factor.
float smallCodecFactor(int quality)
{
    static const float table[] = {0.2f, 0.4f, 0.7f, 0.8f, 1.0f, 1.0f};
    return table[clampQuality(quality, 0, 5)];
}

const source_video_track* sourceTrack(const encode_job* job)
{
    if (job->sourceless || !job->titles || job->titleIndex < 0 || job->titleIndex >= job->titleCount)
        return nullptr;
    return &job->titles[job->titleIndex];
}

int gopOf(const encode_job* job)
{
    const codec_settings* c = job->settings->codec;
    return c && c->gop != 0 ? int(std::min<uint32_t>(c->gop, INT_MAX)) : 200;
}

int capOf(const encode_job* job)
{
    const codec_settings* c = job->settings->codec;
    return c ? c->maxBitrate : 0;
}

bool isVbr(const encode_job* job)
{
    const codec_settings* c = job->settings->codec;
    return c && c->variableBitrate;
}

// Levels below 3 are left to the encoder.
const char* levelByRule(const stream_settings* s, const char* fallback)
{
    if (s->levelOverride)
        return s->levelOverride;
    if (s->codec && s->codec->level && std::atof(s->codec->level) > 2.99)
        return s->codec->level;
    return fallback;
}

int h264Rate(const encode_job* job)
{
    const stream_settings* s = job->settings;
    return s->bitrate < 100 ? estimate_video_kbps(job, h264Factor(s->quality)) : s->bitrate;
}

// The software H.264 quality presets: crf (or cq, qp), qmin, qmax.
struct QualityTriple
{
    int crf, qmin, qmax;
};
QualityTriple h264Triple(int quality)
{
    if (quality == 1 || quality == 2)
        return {31, 5, 50};
    if (quality == 4)
        return {15, 5, 25};
    if (quality == 5)
        return {8, 5, 25};
    return {22, 5, 30};
}

bool needsYuv420(const encode_job* job)
{
    const source_video_track* t = sourceTrack(job);
    return t && t->pixelFormat && *t->pixelFormat && strcasecmp(t->pixelFormat, "yuv420p") != 0;
}

void sourceSize(const encode_job* job, int minimum, int* w, int* h)
{
    const stream_settings* s = job->settings;
    *w = s->width;
    *h = s->height;
    if (*w >= minimum && *h >= minimum)
        return;
    const source_video_track* t = sourceTrack(job);
    if (t) {
        *w = t->width;
        *h = t->height;
    } else {
        *w = 720;
        *h = 480;
    }
}

void hvc1Tag(const encode_job* job, media_arguments* a, int lastCode)
{
    const int code = job->settings->containerCode;
    if (code >= 1 && code <= lastCode)
        add(a, "-tag:v", "hvc1");
}

// hevc_qsv has no "look_ahead" option (h264_qsv's VBR look-ahead): it is
// left out there rather than handed to an encoder that ignores it.
void qsvTail(const encode_job* job, media_arguments* a, int rate, bool lookAhead)
{
    const stream_settings* s = job->settings;
    if (job->qualityTuning || job->twoPass) {
        add(a, "-mbbrc", "1");
        add(a, "-b_strategy", "1");
    }
    if (needsYuv420(job))
        add(a, "-pix_fmt", "yuv420p");
    if (s->byQuality) {
        static const int q[] = {25, 31, 28, 25, 20, 16};
        if (lookAhead)
            add(a, "-look_ahead", "0");
        addInt(a, "-q:v", s->quality >= 1 && s->quality <= 5 ? q[s->quality] : 25);
    } else {
        if (lookAhead)
            add(a, "-look_ahead", "1");
        addK(a, "-b:v", rate);
        addK(a, "-maxrate", rate);
        addK(a, "-minrate", rate);
    }
    addInt(a, "-g", gopOf(job));
}

void mpeg12Options(media_arguments* a)
{
    add(a, "-g", "12");
    add(a, "-mbd", "rd");
    add(a, "-trellis", "1");
    add(a, "-mpv_flags", "+mv0");
    add(a, "-cmp", "0");
    add(a, "-subcmp", "2");
}

void mpeg12Rate(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    if (s->byQuality) {
        int scale = 4, qmax = 30;
        if (s->quality == 1 || s->quality == 2)
            scale = 10, qmax = 41;
        else if (s->quality == 4 || s->quality == 5)
            scale = 1, qmax = 15;
        add(a, "-qmin", "2");
        addInt(a, "-qmax", qmax);
        addInt(a, "-qscale:v", scale);
        if (capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        addK(a, "-minrate", s->bitrate);
        addK(a, "-maxrate", s->bitrate);
        addK(a, "-b:v", s->bitrate);
    }
}

encoder_kind smallCodec(const char* encoder, const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", encoder);
    if (s->byQuality) {
        int rate = s->bitrate;
        if (rate < 80) {
            int w, h;
            sourceSize(job, 16, &w, &h);
            rate = estimate_bitrate(w, h, 30, smallCodecFactor(s->quality)) / 1000;
        }
        if (rate < 1)
            return ENCODER_SOFTWARE;
        addK(a, "-b:v", (rate / 100 + 1) * 100);
    } else {
        addK(a, "-b:v", s->bitrate);
    }
    return ENCODER_SOFTWARE;
}

encoder_kind vpx(const char* encoder, bool vp9, const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", encoder);
    if (s->byQuality) {
        add(a, "-qmin", "4");
        add(a, "-qmax", "50");
        add(a, "-crf", "33");
    } else {
        addK(a, "-b:v", s->bitrate);
        addK(a, "-minrate", s->bitrate);
        addK(a, "-maxrate", s->bitrate);
    }
    if (sourceTrack(job) && job->threads > 0)
        addInt(a, "-threads", std::min(job->threads, 16));
    if (s->quality >= 1 && s->quality <= 3) {
        add(a, "-quality", "good");
        add(a, "-speed", "5");
    } else if (s->quality == 4 || s->quality == 5) {
        add(a, "-quality", "good");
        add(a, "-speed", "3");
    }
    if (vp9) {
        add(a, "-tile-columns", "6");
        add(a, "-frame-parallel", "1");
        add(a, "-auto-alt-ref", "1");
        add(a, "-lag-in-frames", "25");
    } else {
        add(a, "-auto-alt-ref", "0");
    }
    return ENCODER_SOFTWARE;
}

} // namespace

int estimate_bitrate(int width, int height, float frameRate, float factor)
{
    if (width < 1 || height < 1)
        return 2500000;
    const float k = factor * 0.06f + 0.04f;
    if (frameRate > 120 || frameRate < 1)
        frameRate = 24;
    // Absurd sizes must not overflow: the product is taken in double.
    const double bits = std::trunc(double(width) * double(height) * double(frameRate) * double(k));
    const double clamped = std::min(std::max(bits, 100000.0), double(INT_MAX));
    return int(clamped);
}

int estimate_video_kbps(const encode_job* job, float factor)
{
    const stream_settings* s = job->settings;
    int w = s->width, h = s->height;
    if (w < 65 || h < 65) {
        const source_video_track* t = sourceTrack(job);
        w = t ? t->width : 720;
        h = t ? t->height : 480;
    }
    float fps = 30;
    if (s->frameRate >= 0.01f) {
        fps = s->frameRate;
    } else if (const source_video_track* t = sourceTrack(job)) {
        if (t->frameRateNum > 0 && t->frameRateDen > 0)
            fps = float(t->frameRateNum) / float(t->frameRateDen);
    }
    const long long kbps = (static_cast<long long>(estimate_bitrate(w, h, fps, factor)) / 100000 + 1) * 100;
    if (kbps <= 0)
        return 2000;
    return int(std::min<long long>(kbps, INT_MAX));
}

const char* frame_rate_to_rational(float frameRate)
{
    // A float 29.97 is 29.96999...: the small lift keeps the cut at two
    // decimals from dropping a digit the user wrote.
    const double cut = std::floor(double(frameRate) * 100.0 + 1e-3) / 100.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", cut);
    static const struct
    {
        const char* text;
        const char* rational;
    } table[] = {{"29.97", "30000/1001"}, {"25.00", "25/1"}, {"15.00", "15/1"}, {"24.00", "24/1"},
                 {"23.97", "24000/1001"}, {"30.00", "30/1"}, {"50.00", "50/1"}, {"59.94", "60000/1001"},
                 {"60.00", "60/1"}};
    for (const auto& row : table) {
        if (std::strcmp(text, row.text) == 0)
            return row.rational;
    }
    return "24/1";
}

const char* h264_profile_of(const stream_settings* settings)
{
    if (settings->profileOverride)
        return settings->profileOverride;
    const char* p = settings->codec ? settings->codec->profile : nullptr;
    if (p && (strcasecmp(p, "baseline") == 0 || strcasecmp(p, "main") == 0 || strcasecmp(p, "high") == 0))
        return p;
    return nullptr;
}

encoder_kind build_video_copy(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "copy");
    return ENCODER_COPY;
}

encoder_kind build_h264_software(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "libx264");
    add(a, "-flags", "+loop");
    add(a, "-cmp", "chroma");
    add(a, "-pix_fmt", "yuv420p");
    add(a, "-partitions", "+parti4x4+parti8x8+partp8x8");
    add(a, "-keyint_min", "25");
    add(a, "-threads", "0");
    if (const char* profile = h264_profile_of(s))
        add(a, "-profile:v", profile);
    if (const char* level = levelByRule(s, nullptr))
        add(a, "-level", level);
    addInt(a, "-bf", int(std::min<uint32_t>(s->codec ? s->codec->bFrames : 0, INT_MAX)));
    addInt(a, "-g", gopOf(job));
    static const char* presets[] = {"faster", "ultrafast", "veryfast", "faster", "medium", "slow"};
    add(a, "-preset", s->quality >= 1 && s->quality <= 5 ? presets[s->quality] : "faster");
    if (s->byQuality) {
        const QualityTriple t = h264Triple(s->quality);
        addInt(a, "-crf", t.crf);
        addInt(a, "-qmin", t.qmin);
        addInt(a, "-qmax", t.qmax);
        if ((t.crf == 31 || t.crf == 22) && capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        const int r = h264Rate(job);
        if (!isVbr(job)) {
            addK(a, "-minrate", r);
            addK(a, "-maxrate", r);
        }
        addK(a, "-b:v", r);
    }
    addK(a, "-bufsize", 1835);
    if (job->qualityTuning)
        add(a, "-tune", "film");
    return ENCODER_SOFTWARE;
}

encoder_kind build_h264_nvenc(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "h264_nvenc");
    // Without a known profile the encoder picks its own.
    if (const char* profile = h264_profile_of(s))
        add(a, "-profile:v", profile);
    const char* level = levelByRule(s, nullptr);
    add(a, "-level:v", !level || std::strcmp(level, "5.2") == 0 ? "auto" : level);
    if (job->twoPass)
        add(a, "-2pass", "true");
    if (needsYuv420(job))
        add(a, "-pix_fmt", "yuv420p");
    if (s->byQuality) {
        const QualityTriple t = h264Triple(s->quality);
        add(a, "-rc", "constqp");
        addInt(a, "-cq", t.crf);
        addInt(a, "-qmin", t.qmin);
        addInt(a, "-qmax", t.qmax);
        if (s->quality != 4 && s->quality != 5 && capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        const int r = h264Rate(job);
        if (isVbr(job)) {
            add(a, "-rc", "vbr");
        } else {
            add(a, "-rc", "cbr");
            addK(a, "-minrate", r);
            addK(a, "-maxrate", r);
        }
        addK(a, "-b:v", r);
    }
    addInt(a, "-g", gopOf(job));
    return ENCODER_NVENC;
}

encoder_kind build_h264_amf(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "h264_amf");
    if (const char* profile = h264_profile_of(s))
        add(a, "-profile:v", strcasecmp(profile, "baseline") == 0 ? "constrained_baseline" : profile);
    add(a, "-level:v", levelByRule(s, "auto"));
    if (job->qualityTuning || job->twoPass)
        add(a, "-quality", "balanced");
    if (s->byQuality) {
        const int qp = h264Triple(s->quality).crf;
        add(a, "-rc", "cqp");
        addInt(a, "-qp_i", qp);
        addInt(a, "-qp_p", qp);
        addInt(a, "-qp_b", qp);
        if ((qp == 31 || qp == 22) && capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        const int r = h264Rate(job);
        if (isVbr(job)) {
            add(a, "-rc", "vbr_peak");
        } else {
            add(a, "-rc", "cbr");
            addK(a, "-minrate", r);
            addK(a, "-maxrate", r);
        }
        addK(a, "-b:v", r);
    }
    addInt(a, "-g", gopOf(job));
    return ENCODER_AMF;
}

encoder_kind build_h264_qsv(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "h264_qsv");
    if (const char* profile = h264_profile_of(s))
        add(a, "-profile:v", profile);
    if (const char* level = levelByRule(s, nullptr))
        add(a, "-level", level);
    add(a, "-preset", "faster");
    qsvTail(job, a, h264Rate(job), true);
    return ENCODER_QSV;
}

encoder_kind build_h264_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "libx264");
    return ENCODER_PLAIN;
}

encoder_kind build_hevc_software(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "libx265");
    if (s->byQuality) {
        add(a, "-preset", "faster");
        add(a, "-x265-params");
        arguments_append_format(a, "crf=%d", 28);
    } else {
        addK(a, "-minrate", s->bitrate);
        addK(a, "-maxrate", s->bitrate);
        addK(a, "-b:v", s->bitrate);
    }
    if (job->threads > 0)
        addInt(a, "-threads", std::min(job->threads, 16));
    hvc1Tag(job, a, 3);
    add(a, "-pix_fmt", "yuv420p");
    return ENCODER_SOFTWARE;
}

encoder_kind build_hevc_nvenc(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "hevc_nvenc");
    add(a, "-profile:v", "main");
    add(a, "-level:v", "auto");
    if (s->byQuality) {
        const QualityTriple t = h264Triple(s->quality);
        add(a, "-rc", "constqp");
        addInt(a, "-cq", t.crf);
        addInt(a, "-qmin", t.qmin);
        addInt(a, "-qmax", t.qmax);
        if (s->quality != 4 && s->quality != 5 && capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        if (isVbr(job)) {
            add(a, "-rc", "vbr");
        } else {
            add(a, "-rc", "cbr");
            addK(a, "-minrate", s->bitrate);
            addK(a, "-maxrate", s->bitrate);
        }
        addK(a, "-b:v", s->bitrate);
    }
    hvc1Tag(job, a, 3);
    return ENCODER_NVENC;
}

encoder_kind build_hevc_qsv(const encode_job* job, media_arguments* a)
{
    add(a, "-c:v", "hevc_qsv");
    add(a, "-load_plugin", "hevc_hw");
    add(a, "-preset", "faster");
    qsvTail(job, a, job->settings->bitrate, false);
    return ENCODER_QSV;
}

encoder_kind build_hevc_amf(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "hevc_amf");
    add(a, "-profile:v", "main");
    add(a, "-level:v", "auto");
    if (s->byQuality) {
        const char* quality = "balanced";
        if (s->quality == 1 || s->quality == 2)
            quality = "speed";
        else if (s->quality == 4 || s->quality == 5)
            quality = "quality";
        add(a, "-quality", quality);
    } else {
        if (isVbr(job)) {
            add(a, "-rc", "cqp");
        } else {
            add(a, "-rc", "cbr");
            addK(a, "-minrate", s->bitrate);
            addK(a, "-maxrate", s->bitrate);
        }
        addK(a, "-b:v", s->bitrate);
    }
    hvc1Tag(job, a, 2);
    return ENCODER_AMF;
}

encoder_kind build_hevc_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "libx265");
    return ENCODER_PLAIN;
}

encoder_kind build_dv_ntsc(const encode_job* job, media_arguments* a)
{
    add(a, "-c:v", "dvvideo");
    if (std::fabs(job->settings->frameRate - 29.97f) <= 0.001f)
        add(a, "-r:v", "29.97");
    add(a, "-target", "ntsc-dv");
    return ENCODER_SOFTWARE;
}

encoder_kind build_dv_pal(const encode_job* job, media_arguments* a)
{
    add(a, "-c:v", "dvvideo");
    if (std::fabs(job->settings->frameRate - 25.0f) <= 0.001f)
        add(a, "-r:v", "25");
    add(a, "-target", "pal-dv");
    return ENCODER_SOFTWARE;
}

encoder_kind build_mjpeg(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "mjpeg");
    if (s->byQuality) {
        int w, h;
        sourceSize(job, 16, &w, &h);
        const double base = std::floor(double(w) * double(h) * 30.0 / 2000.0) * double(smallCodecFactor(s->quality));
        addK(a, "-b:v", int(std::min(std::trunc(base), double(INT_MAX))));
    } else {
        addK(a, "-b:v", s->bitrate);
    }
    return ENCODER_SOFTWARE;
}

encoder_kind build_mpeg1_software(const encode_job* job, media_arguments* a)
{
    add(a, "-c:v", "mpeg1video");
    mpeg12Options(a);
    if (int(job->settings->frameRate) != 25)
        add(a, "-r:v", frame_rate_to_rational(25));
    mpeg12Rate(job, a);
    return ENCODER_SOFTWARE;
}

encoder_kind build_mpeg2_software(const encode_job* job, media_arguments* a)
{
    add(a, "-c:v", "mpeg2video");
    mpeg12Options(a);
    add(a, "-r:v", int(job->settings->frameRate) < 26 ? frame_rate_to_rational(25) : frame_rate_to_rational(29.97f));
    mpeg12Rate(job, a);
    return ENCODER_SOFTWARE;
}

encoder_kind build_mpeg12_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "mpeg2video");
    return ENCODER_PLAIN;
}

encoder_kind build_mpeg4_software(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "mpeg4");
    add(a, "-mbd", "2");
    add(a, "-flags", "+mv4+aic");
    add(a, "-trellis", "2");
    add(a, "-cmp", "2");
    add(a, "-subcmp", "2");
    add(a, "-bf", "0");
    add(a, "-g", "250");
    add(a, "-profile:v", "0");
    add(a, "-level", "3");
    if (s->byQuality) {
        int scale = 8, qmax = 28;
        if (s->quality == 1)
            scale = 30, qmax = 41;
        else if (s->quality == 2)
            scale = 25, qmax = 41;
        else if (s->quality == 4 || s->quality == 5)
            scale = 3, qmax = 12;
        add(a, "-qmin", "2");
        addInt(a, "-qmax", qmax);
        addInt(a, "-qscale:v", scale);
        addK(a, "-maxrate", capOf(job) >= 1 ? capOf(job) : 8000);
    } else {
        addK(a, "-minrate", s->bitrate);
        addK(a, "-maxrate", s->bitrate);
        addK(a, "-b:v", s->bitrate);
    }
    addK(a, "-bufsize", 1835);
    return ENCODER_SOFTWARE;
}

encoder_kind build_mpeg4_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "mpeg4");
    return ENCODER_PLAIN;
}

encoder_kind build_divx_software(const encode_job* job, media_arguments* a)
{
    build_mpeg4_software(job, a);
    add(a, "-tag:v", "DIVX");
    return ENCODER_SOFTWARE;
}

encoder_kind build_divx_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "mpeg4");
    add(a, "-tag:v", "DIVX");
    return ENCODER_PLAIN;
}

encoder_kind build_av1(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "libsvtav1");
    if (s->byQuality) {
        int crf = 35;
        if (s->quality == 1 || s->quality == 2)
            crf = 55;
        else if (s->quality == 4)
            crf = 25;
        else if (s->quality == 5)
            crf = 20;
        addInt(a, "-crf", crf);
    } else {
        const int rate = std::max(s->bitrate, 100);
        add(a, "-svtav1-params");
        if (isVbr(job))
            arguments_append_format(a, "rc=1:mbr=%d:mbr-overshoot-pct=25:crf=27", rate);
        else
            arguments_append_format(a, "rc=1:tbr=%d", rate);
    }
    return ENCODER_SOFTWARE;
}

encoder_kind build_wmv2(const encode_job* job, media_arguments* a) { return smallCodec("wmv2", job, a); }
encoder_kind build_flv(const encode_job* job, media_arguments* a) { return smallCodec("flv", job, a); }
encoder_kind build_h263(const encode_job* job, media_arguments* a) { return smallCodec("h263", job, a); }

encoder_kind build_prores_software(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "prores_ks");
    const source_video_track* t = sourceTrack(job);
    if (t && s->frameRate <= 0 && t->frameRateNum >= 1 && t->frameRateDen >= 1) {
        add(a, "-r:v");
        arguments_append_format(a, "%d/%d", t->frameRateNum, t->frameRateDen);
    }
    if (s->byQuality) {
        static const int scale[] = {10, 30, 20, 10, 5, 2};
        addInt(a, "-qscale:v", scale[s->quality >= 1 && s->quality <= 5 ? s->quality : 0]);
    } else {
        addK(a, "-b:v", s->bitrate);
    }
    const codec_settings* c = s->codec;
    addInt(a, "-g", c && c->gop >= 1 ? int(std::min<uint32_t>(c->gop, INT_MAX)) : 200);
    addK(a, "-bufsize", 1835);
    const char* profile = "auto";
    if (c && c->profile) {
        static const char* names[] = {"proxy", "lt", "standard", "hq", "4444"};
        static const char* values[] = {"0", "1", "2", "3", "4"};
        for (int i = 0; i < 5; ++i) {
            if (strcasecmp(c->profile, names[i]) == 0)
                profile = values[i];
        }
    }
    add(a, "-profile:v", profile);
    add(a, "-quant_mat", "auto");
    add(a, "-vendor", "ap10");
    return ENCODER_SOFTWARE;
}

encoder_kind build_prores_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "prores_ks");
    return ENCODER_PLAIN;
}

encoder_kind build_theora(const encode_job* job, media_arguments* a)
{
    static const int scale[] = {0, 2, 5, 7, 8, 10};
    add(a, "-c:v", "libtheora");
    addInt(a, "-qscale:v", scale[clampQuality(job->settings->quality, 0, 5)]);
    return ENCODER_SOFTWARE;
}

encoder_kind build_vp8_software(const encode_job* job, media_arguments* a) { return vpx("vp8", false, job, a); }
encoder_kind build_vp9_software(const encode_job* job, media_arguments* a) { return vpx("vp9", true, job, a); }

encoder_kind build_vp8_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "vp8");
    return ENCODER_PLAIN;
}

encoder_kind build_vp9_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "vp9");
    return ENCODER_PLAIN;
}

encoder_kind build_xvid_software(const encode_job* job, media_arguments* a)
{
    const stream_settings* s = job->settings;
    add(a, "-c:v", "libxvid");
    if (s->byQuality) {
        int scale = 10, qmax = 28;
        if (s->quality == 1 || s->quality == 2)
            scale = 20, qmax = 41;
        else if (s->quality == 4 || s->quality == 5)
            scale = 3, qmax = 12;
        add(a, "-qmin", "2");
        addInt(a, "-qmax", qmax);
        addInt(a, "-qscale:v", scale);
        if (capOf(job) >= 1)
            addK(a, "-maxrate", capOf(job));
    } else {
        addK(a, "-b:v", s->bitrate);
    }
    add(a, "-mbd", "2");
    add(a, "-bf", "0");
    add(a, "-trellis", "2");
    add(a, "-flags", "+aic");
    add(a, "-cmp", "2");
    add(a, "-subcmp", "2");
    add(a, "-g", "250");
    addK(a, "-bufsize", 1835);
    add(a, "-pix_fmt", "yuv420p");
    return ENCODER_SOFTWARE;
}

encoder_kind build_xvid_plain(const encode_job*, media_arguments* a)
{
    add(a, "-c:v", "libxvid");
    return ENCODER_PLAIN;
}

encoder_kind build_audio(const char* encoder, const encode_job* job, media_arguments* a)
{
    if (!encoder)
        return ENCODER_SOFTWARE;
    const stream_settings* s = job->settings;
    // ffmpeg's own Opus encoder takes only 48 kHz and at most two channels.
    const bool opus = std::strcmp(encoder, "opus") == 0;
    add(a, "-c:a", encoder);
    if (s->audioBitrate != 0)
        addK(a, "-b:a", int(std::min<uint32_t>(s->audioBitrate, INT_MAX)));
    if (s->sampleRate != 0)
        addInt(a, "-ar", opus ? 48000 : int(std::min<uint32_t>(s->sampleRate, INT_MAX)));
    if (s->channels != 0)
        addInt(a, "-ac", opus ? int(std::min<uint32_t>(s->channels, 2)) : int(std::min<uint32_t>(s->channels, INT_MAX)));
    if (opus)
        add(a, "-strict", "-2");
    return ENCODER_SOFTWARE;
}

encoder_kind build_audio_copy(const encode_job*, media_arguments* a)
{
    add(a, "-c:a", "copy");
    return ENCODER_COPY;
}
