#include "function/marbleto_library/arguments/util/codec_registry.h"

#include "function/marbleto_library/arguments/util/util.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

const codec_descriptor* g_slots[kCodecRegistrySlots];
bool g_filled = false;

template <const char* Encoder>
encoder_kind audioRow(const encode_job* job, media_arguments* args)
{
    return build_audio(Encoder, job, args);
}

constexpr char kMp3[] = "libmp3lame";
constexpr char kAac[] = "aac";
constexpr char kWmav2[] = "wmav2";
constexpr char kWmav1[] = "wmav1";
// ffmpeg has no encoder named "wav": the row's files are 16-bit PCM.
constexpr char kWav[] = "pcm_s16le";
constexpr char kFlac[] = "flac";
constexpr char kAlac[] = "alac";
constexpr char kVorbis[] = "libvorbis";
constexpr char kMp2[] = "mp2";
constexpr char kAc3[] = "ac3";
constexpr char kPcm[] = "pcm_s16le";
constexpr char kAdpcm[] = "adpcm_ima_qt";
constexpr char kOpus[] = "opus";

#define V MEDIA_TYPE_VIDEO
#define A MEDIA_TYPE_AUDIO
#define SW_ONLY(f) {nullptr, nullptr, nullptr, f, nullptr, nullptr}
const codec_descriptor kRows[] = {
    {V, "copy", "copy", "copy video stream",
     {build_video_copy, build_video_copy, build_video_copy, build_video_copy, build_video_copy, build_video_copy}, {}},
    {V, "h264", "h264", "h264 codec parameters",
     {build_h264_nvenc, build_h264_qsv, build_h264_amf, build_h264_software, build_video_copy, build_h264_plain}, {}},
    {V, "h.264", "h264", "h.264 codec parameters",
     {build_h264_nvenc, build_h264_qsv, build_h264_amf, build_h264_software, build_video_copy, build_h264_plain}, {}},
    {V, "mpeg4", "mpeg4", "mpeg4 codec parameters",
     {nullptr, nullptr, nullptr, build_mpeg4_software, build_video_copy, build_mpeg4_plain}, {}},
    {V, "hevc", "hevc", "hevc codec parameters",
     {build_hevc_nvenc, build_hevc_qsv, build_hevc_amf, build_hevc_software, build_video_copy, build_hevc_plain}, {}},
    {V, "h265", "hevc", "h265 codec parameters",
     {build_hevc_nvenc, build_hevc_qsv, build_hevc_amf, build_hevc_software, build_video_copy, build_hevc_plain}, {}},
    {V, "wmv2", "wmv2", "wmv2 codec parameters", {nullptr, nullptr, nullptr, build_wmv2, build_video_copy, build_wmv2}, {}},
    {V, "xvid", "xvid", "libxvid codec parameters",
     {nullptr, nullptr, nullptr, build_xvid_software, build_video_copy, build_xvid_plain}, {}},
    {V, "divx", "mpeg4", "mpeg4 codec for DIVX",
     {nullptr, nullptr, nullptr, build_divx_software, build_video_copy, build_divx_plain}, {}},
    {V, "vp8", "vp8", "vp8 codec parameters", {nullptr, nullptr, nullptr, build_vp8_software, build_video_copy, build_vp8_plain}, {}},
    {V, "vp9", "vp9", "vp9 codec parameters", {nullptr, nullptr, nullptr, build_vp9_software, build_video_copy, build_vp9_plain}, {}},
    {V, "mpeg1", "mpeg1video", "mpeg1 codec parameters",
     {nullptr, nullptr, nullptr, build_mpeg1_software, build_video_copy, build_mpeg12_plain}, {}},
    {V, "mpeg2", "mpeg2video", "mpeg2 codec parameters",
     {nullptr, nullptr, nullptr, build_mpeg2_software, build_video_copy, build_mpeg12_plain}, {}},
    {V, "sorenson h.263", "flv", "flv h263 codec parameters", {nullptr, nullptr, nullptr, build_flv, build_video_copy, build_flv}, {}},
    {V, "h263", "h263", "3gp h263 codec parameters", {nullptr, nullptr, nullptr, build_h263, build_video_copy, build_h263}, {}},
    {V, "h.263", "h263", "3gp h263 codec parameters", {nullptr, nullptr, nullptr, build_h263, build_video_copy, build_h263}, {}},
    {V, "flv", "flv", "flv h263 codec parameters", {nullptr, nullptr, nullptr, build_flv, build_video_copy, build_flv}, {}},
    {V, "theora", "libtheora", "ogv codec parameters", {nullptr, nullptr, nullptr, build_theora, build_video_copy, build_theora}, {}},
    {V, "dv-ntsc", "dvvideo", "dv codec parameters", {nullptr, nullptr, nullptr, build_dv_ntsc, build_video_copy, build_dv_ntsc}, {}},
    {V, "dv-pal", "dvvideo", "dv codec parameters", {nullptr, nullptr, nullptr, build_dv_pal, build_video_copy, build_dv_pal}, {}},
    {V, "prores", "prores_ks", "apple prores codec parameters",
     {nullptr, nullptr, nullptr, build_prores_software, build_video_copy, build_prores_plain}, {}},
    {V, "mjpeg", "mjpeg", "motion jpeg codec parameters", {nullptr, nullptr, nullptr, build_mjpeg, build_video_copy, build_mjpeg}, {}},
    {V, "av1", "libsvtav1", "av1 codec parameters", {nullptr, nullptr, nullptr, build_av1, build_video_copy, build_av1}, {}},
    {A, "copy", "copy", "copy audio stream", {nullptr, nullptr, nullptr, build_audio_copy, build_audio_copy, build_audio_copy}, {}},
    {A, "mp3", "mp3", "mp3 codec parameters", SW_ONLY(audioRow<kMp3>), {}},
    {A, "aac", "aac", "aac codec parameters", SW_ONLY(audioRow<kAac>), {}},
    {A, "wmav2", "wmav2", "wmav2 codec parameters", SW_ONLY(audioRow<kWmav2>), {}},
    {A, "wma2", "wmav2", "wmav2 codec parameters", SW_ONLY(audioRow<kWmav2>), {}},
    {A, "wmav1", "wmav1", "wmav1 codec parameters", SW_ONLY(audioRow<kWmav1>), {}},
    {A, "wma1", "wmav1", "wmav1 codec parameters", SW_ONLY(audioRow<kWmav1>), {}},
    {A, "wav", "pcm", "wav codec parameters", SW_ONLY(audioRow<kWav>), {}},
    {A, "flac", "flac", "flac codec parameters", SW_ONLY(audioRow<kFlac>), {}},
    {A, "alac", "alac", "alac codec parameters", SW_ONLY(audioRow<kAlac>), {}},
    {A, "vorbis", "vorbis", "vorbis codec parameters", SW_ONLY(audioRow<kVorbis>), {}},
    {A, "ogg", "vorbis", "ogg codec parameters", SW_ONLY(audioRow<kVorbis>), {}},
    {A, "mp2", "mp2", "mp2 codec parameters", SW_ONLY(audioRow<kMp2>), {}},
    {A, "ac3", "ac3", "ac3 codec parameters", SW_ONLY(audioRow<kAc3>), {}},
    {A, "pcm", "pcm", "pcm audio stream", SW_ONLY(audioRow<kPcm>), {}},
    {A, "adpcm", "adpcm_ima_qt", "core audio format", SW_ONLY(audioRow<kAdpcm>), {}},
    {A, "wmav2", "wmav2", "wma audio codec", SW_ONLY(audioRow<kWmav2>), {}},
    {A, "opus", "opus", "opus audio codec", SW_ONLY(audioRow<kOpus>), {}},
};
#undef SW_ONLY
#undef V
#undef A

} // namespace

void codec_register(const codec_descriptor* d)
{
    char* key = string_lower_dup(d->name);
    if (!key)
        return;
    uint32_t slot = string_hash(key) & (kCodecRegistrySlots - 1);
    std::free(key);
    int passed = 0;
    while (const codec_descriptor* o = g_slots[slot]) {
        if (std::strcmp(o->name, d->name) == 0 && o->mediaType == d->mediaType) {
            std::printf("register failed due to duplicate codec(%s %d)\n", d->name, d->mediaType);
            std::fflush(stdout);
            return;
        }
        if (++passed >= kCodecRegistrySlots) {
            std::printf("insert failed due to table full loaded...\n");
            std::fflush(stdout);
            return;
        }
        slot = (slot + 1) & (kCodecRegistrySlots - 1);
    }
    g_slots[slot] = d;
}

void codec_register_all()
{
    if (g_filled)
        return;
    g_filled = true;
    for (const codec_descriptor& row : kRows)
        codec_register(&row);
}

const codec_descriptor* const* codec_registry_slots()
{
    return g_slots;
}

const codec_descriptor* codec_find(const char* name, int mediaType)
{
    if (!name || !*name)
        return nullptr;
    char* key = string_lower_dup(name);
    if (!key)
        return nullptr;
    uint32_t slot = string_hash(key) & (kCodecRegistrySlots - 1);
    std::free(key);
    for (int i = 0; i < kCodecRegistrySlots && g_slots[slot]; ++i) {
        const codec_descriptor* o = g_slots[slot];
        if (o->mediaType == mediaType && strcasecmp(o->name, name) == 0)
            return o;
        slot = (slot + 1) & (kCodecRegistrySlots - 1);
    }
    return nullptr;
}

void codec_registry_reset_for_test()
{
    for (auto& s : g_slots)
        s = nullptr;
    g_filled = false;
}
