#pragma once

// Encoder options of one conversion job, as the middle part of an ffmpeg
// command line. Builders are stateless and may run on any thread.

#include <cstdint>

struct media_arguments
{
    int32_t count;
    char** items;       // owned copies
    int32_t capacity;
    bool failed;        // an append was lost: the list must not be used
};

// Frees every item and the array; the vector is empty afterwards.
void arguments_free(media_arguments* args);
bool arguments_append(media_arguments* args, const char* text);
bool arguments_append_format(media_arguments* args, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
bool arguments_append_int(media_arguments* args, int value);

enum encoder_kind
{
    ENCODER_NVENC = 0,
    ENCODER_QSV = 1,
    ENCODER_AMF = 2,
    ENCODER_SOFTWARE = 3,
    ENCODER_COPY = 4,
    ENCODER_PLAIN = 5,
};

struct codec_settings
{
    int32_t maxBitrate;     // kbit/s; below 1: no cap
    bool variableBitrate;
    const char* profile;
    const char* level;
    uint32_t bFrames;
    uint32_t gop;           // 0: 200
};

struct stream_settings
{
    const codec_settings* codec;    // may be null
    int32_t bitrate;                // kbit/s
    bool byQuality;
    float frameRate;                // 0: as the source
    int32_t width;
    int32_t height;
    const char* profileOverride;
    const char* levelOverride;
    int32_t quality;                // 1 lowest .. 5 highest
    int32_t containerCode;
    uint32_t audioBitrate;          // kbit/s, 0: the encoder's choice
    uint32_t channels;
    uint32_t sampleRate;
};

// The source's video track of one title.
struct source_video_track
{
    int32_t width;
    int32_t height;
    int32_t frameRateNum;
    int32_t frameRateDen;
    const char* pixelFormat;
};

struct encode_job
{
    bool sourceless;
    int32_t titleIndex;                     // negative: no source track
    const source_video_track* titles;       // per title, may be null
    int32_t titleCount;
    bool twoPass;
    bool qualityTuning;
    int32_t threads;
    const stream_settings* settings;
};

using argument_builder = encoder_kind (*)(const encode_job* job, media_arguments* args);

int estimate_bitrate(int width, int height, float frameRate, float factor);
int estimate_video_kbps(const encode_job* job, float factor);
// "30000/1001", "25/1", ...; "24/1" for rates off the list. A static text.
const char* frame_rate_to_rational(float frameRate);
const char* h264_profile_of(const stream_settings* settings);

// The builders of the codec rows, by encoder kind.
encoder_kind build_video_copy(const encode_job*, media_arguments*);
encoder_kind build_h264_nvenc(const encode_job*, media_arguments*);
encoder_kind build_h264_qsv(const encode_job*, media_arguments*);
encoder_kind build_h264_amf(const encode_job*, media_arguments*);
encoder_kind build_h264_software(const encode_job*, media_arguments*);
encoder_kind build_h264_plain(const encode_job*, media_arguments*);
encoder_kind build_hevc_nvenc(const encode_job*, media_arguments*);
encoder_kind build_hevc_qsv(const encode_job*, media_arguments*);
encoder_kind build_hevc_amf(const encode_job*, media_arguments*);
encoder_kind build_hevc_software(const encode_job*, media_arguments*);
encoder_kind build_hevc_plain(const encode_job*, media_arguments*);
encoder_kind build_dv_ntsc(const encode_job*, media_arguments*);
encoder_kind build_dv_pal(const encode_job*, media_arguments*);
encoder_kind build_mjpeg(const encode_job*, media_arguments*);
encoder_kind build_mpeg1_software(const encode_job*, media_arguments*);
encoder_kind build_mpeg2_software(const encode_job*, media_arguments*);
encoder_kind build_mpeg12_plain(const encode_job*, media_arguments*);
encoder_kind build_mpeg4_software(const encode_job*, media_arguments*);
encoder_kind build_mpeg4_plain(const encode_job*, media_arguments*);
encoder_kind build_divx_software(const encode_job*, media_arguments*);
encoder_kind build_divx_plain(const encode_job*, media_arguments*);
encoder_kind build_av1(const encode_job*, media_arguments*);
encoder_kind build_wmv2(const encode_job*, media_arguments*);
encoder_kind build_flv(const encode_job*, media_arguments*);
encoder_kind build_h263(const encode_job*, media_arguments*);
encoder_kind build_prores_software(const encode_job*, media_arguments*);
encoder_kind build_prores_plain(const encode_job*, media_arguments*);
encoder_kind build_theora(const encode_job*, media_arguments*);
encoder_kind build_vp8_software(const encode_job*, media_arguments*);
encoder_kind build_vp8_plain(const encode_job*, media_arguments*);
encoder_kind build_vp9_software(const encode_job*, media_arguments*);
encoder_kind build_vp9_plain(const encode_job*, media_arguments*);
encoder_kind build_xvid_software(const encode_job*, media_arguments*);
encoder_kind build_xvid_plain(const encode_job*, media_arguments*);
encoder_kind build_audio_copy(const encode_job*, media_arguments*);
// The audio rows' software builder, given the row's encoder.
encoder_kind build_audio(const char* encoder, const encode_job* job, media_arguments* args);
