#include "function/marbleto_library/arguments/util/media_task.h"

#include "function/marbleto_library/arguments/util/arguments.h"

#include <json-c/json.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

void freeHolderContent(profile_holder* h)
{
    media_profile_free(h->working);
    media_profile_free(h->loaded);
    std::free(h->video.name);
    std::free(h->audio.name);
    std::free(h->text);
    h->working = h->loaded = nullptr;
    h->video.name = h->audio.name = h->text = nullptr;
    h->videoBitrate = 0;
}

void copyText(char** to, const char* from)
{
    std::free(*to);
    *to = from ? strdup(from) : nullptr;
}

media_list* copyTexts(const media_list* from)
{
    if (!from)
        return nullptr;
    media_list* list = media_list_create_texts();
    for (media_list_node* n = from->head; list && n; n = n->next) {
        char* copy = strdup(static_cast<const char*>(n->element));
        if (!media_list_append(list, copy))
            std::free(copy);
    }
    return list;
}

video_codec_entry* copyVideoEntry(const video_codec_entry* e)
{
    video_codec_entry* c = video_codec_entry_create();
    if (!c || !e)
        return c;
    c->codec = e->codec ? strdup(e->codec) : nullptr;
    c->bitrate = option_set_copy(e->bitrate);
    c->mode = e->mode ? strdup(e->mode) : nullptr;
    c->twoPass = e->twoPass;
    c->resolution = option_set_copy(e->resolution);
    c->frameRate = option_set_copy(e->frameRate);
    c->aspect = option_set_copy(e->aspect);
    c->profileLevel = option_set_copy(e->profileLevel);
    c->level = e->level ? strdup(e->level) : nullptr;
    c->bFrames = option_set_copy(e->bFrames);
    c->maxWidth = e->maxWidth;
    c->maxHeight = e->maxHeight;
    c->maxBitRate = e->maxBitRate;
    c->allowBFrames = e->allowBFrames;
    c->maxFrameRate = e->maxFrameRate;
    c->allowPassthrough = e->allowPassthrough;
    c->gop = e->gop;
    return c;
}

audio_codec_entry* copyAudioEntry(const audio_codec_entry* e)
{
    audio_codec_entry* c = audio_codec_entry_create();
    if (!c || !e)
        return c;
    c->codec = e->codec ? strdup(e->codec) : nullptr;
    c->channel = option_set_copy(e->channel);
    c->bitrate = option_set_copy(e->bitrate);
    c->sampleRate = option_set_copy(e->sampleRate);
    return c;
}

// A new record with p's settings that shares p's JSON object (with a
// reference of its own, so each record releases only what it took).
media_profile* copyProfile(const media_profile* p)
{
    auto* w = static_cast<media_profile*>(std::calloc(1, sizeof(media_profile)));
    if (!w)
        return nullptr;
    w->json = p->json ? json_object_get(p->json) : nullptr;
    w->id = p->id;
    copyText(&w->type, p->type);
    w->customProfile = p->customProfile;
    copyText(&w->extension, p->extension);
    copyText(&w->target, p->target);
    w->quality = p->quality;
    w->padForce = p->padForce;
    w->padValue = p->padValue;
    copyText(&w->comment, p->comment);
    w->toDevice = copyTexts(p->toDevice);
    w->customVideoBitRate = p->customVideoBitRate;
    if (p->video) {
        w->video = static_cast<video_settings*>(std::calloc(1, sizeof(video_settings)));
        if (w->video) {
            w->video->codecs = media_list_create(video_codec_entry_free);
            for (media_list_node* n = p->video->codecs ? p->video->codecs->head : nullptr; n; n = n->next) {
                video_codec_entry* e = copyVideoEntry(static_cast<video_codec_entry*>(n->element));
                if (!media_list_append(w->video->codecs, e))
                    video_codec_entry_free(e);
            }
            copyText(&w->video->defaultCodec, p->video->defaultCodec);
            w->video->trackNumLimit = p->video->trackNumLimit;
        }
    }
    if (p->audio) {
        w->audio = static_cast<audio_settings*>(std::calloc(1, sizeof(audio_settings)));
        if (w->audio) {
            w->audio->codecs = media_list_create(audio_codec_entry_free);
            for (media_list_node* n = p->audio->codecs ? p->audio->codecs->head : nullptr; n; n = n->next) {
                audio_codec_entry* e = copyAudioEntry(static_cast<audio_codec_entry*>(n->element));
                if (!media_list_append(w->audio->codecs, e))
                    audio_codec_entry_free(e);
            }
            w->audio->trackNumLimit = p->audio->trackNumLimit;
            copyText(&w->audio->defaultCodec, p->audio->defaultCodec);
            w->audio->passthrough = copyTexts(p->audio->passthrough);
        }
    }
    if (p->subtitle) {
        w->subtitle = static_cast<subtitle_settings*>(std::calloc(1, sizeof(subtitle_settings)));
        if (w->subtitle)
            *w->subtitle = *p->subtitle;
    }
    return w;
}

video_codec_entry* defaultEntry(const media_profile* p)
{
    return media_profile_video_entry(p, default_video_codec_index(p));
}

void rememberCodecs(profile_holder* h)
{
    copyText(&h->video.name, media_profile_get_default_video_codec(h->working));
    copyText(&h->audio.name, media_profile_get_default_audio_codec(h->working));
}

bool setDefaultOption(media_task* task, option_set* (*pick)(video_codec_entry*), const char* text)
{
    video_codec_entry* e = task && task->profile ? defaultEntry(task->profile->working) : nullptr;
    return e && option_set_set_current(pick(e), text);
}

option_set* bitrateOf(video_codec_entry* e) { return e->bitrate; }
option_set* resolutionOf(video_codec_entry* e) { return e->resolution; }
option_set* frameRateOf(video_codec_entry* e) { return e->frameRate; }
option_set* aspectOf(video_codec_entry* e) { return e->aspect; }
option_set* profileLevelOf(video_codec_entry* e) { return e->profileLevel; }
option_set* bFramesOf(video_codec_entry* e) { return e->bFrames; }

bool setLevel(media_task* task, const char* text)
{
    video_codec_entry* e = task && task->profile ? defaultEntry(task->profile->working) : nullptr;
    if (!e || !text || !*text)
        return false;
    copyText(&e->level, text);
    return e->level != nullptr;
}

// The H.264 profile with the level (and B-frames) that go with it.
bool applyLevelRule(media_task* task, const char* profile)
{
    if (media_text_equals(profile, "baseline")) {
        setLevel(task, "3.2");
        setDefaultOption(task, bFramesOf, "0");
    } else if (media_text_equals(profile, "main")) {
        setLevel(task, "4.2");
    } else if (media_text_equals(profile, "high")) {
        setLevel(task, "5.2");
    }
    return setDefaultOption(task, profileLevelOf, profile);
}

const int32_t* pairOf(const option_set* set)
{
    return set && set->current.value ? static_cast<const int32_t*>(set->current.value) : nullptr;
}

// Builds `working` from p and runs the rules that keep it consistent.
void buildWorking(media_task* task, const media_profile* p)
{
    profile_holder* h = task->profile;
    media_profile_free(h->working);
    h->working = copyProfile(p);
    if (!h->working)
        return;
    rememberCodecs(h);
    apply_track_limits(task);

    // No upscaling beyond the source unless the user chose the size.
    int32_t sw = 0, sh = 0;
    source_resolution(task, &sw, &sh);
    for (media_list_node* n = h->working->video ? h->working->video->codecs->head : nullptr; n; n = n->next) {
        auto* e = static_cast<video_codec_entry*>(n->element);
        if (!e->resolution || e->resolution->modified)
            continue;
        const option_value* sizeless = nullptr;
        for (media_list_node* m = e->resolution->presets->head; m && !sizeless; m = m->next) {
            auto* v = static_cast<const option_value*>(m->element);
            const int32_t* pair = static_cast<const int32_t*>(v->value);
            if (pair && pair[0] <= 0 && pair[1] <= 0)
                sizeless = v;
        }
        const int32_t* current = pairOf(e->resolution);
        if (sizeless && current && current[0] > sw && current[1] > sh)
            option_set_set_current(e->resolution, sizeless->text);
    }
    compute_video_bitrate(task, true);
    apply_h264_rule(task);
}

const video_codec_entry* defaultEntryOf(const media_profile* p)
{
    return media_profile_video_entry(p, default_video_codec_index(p));
}

const char* optionText(const media_profile* p, int kind)
{
    const video_codec_entry* e = defaultEntryOf(p);
    switch (kind) {
    case VIDEO_OPTION_CODEC: return media_profile_get_default_video_codec(p);
    case VIDEO_OPTION_FRAME_RATE: return e ? option_set_text(e->frameRate) : nullptr;
    case VIDEO_OPTION_RESOLUTION: return e ? option_set_text(e->resolution) : nullptr;
    case VIDEO_OPTION_ASPECT: return e ? option_set_text(e->aspect) : nullptr;
    case VIDEO_OPTION_BITRATE: return e ? option_set_text(e->bitrate) : nullptr;
    case VIDEO_OPTION_PROFILE: return e ? option_set_text(e->profileLevel) : nullptr;
    case VIDEO_OPTION_LEVEL: return e ? e->level : nullptr;
    case VIDEO_OPTION_BFRAMES: return e ? option_set_text(e->bFrames) : nullptr;
    default: return nullptr;
    }
}

} // namespace

// ---- choices ------------------------------------------------------------------

profile_choice* create_profile_choice(const char* profileJson, int32_t bitrate)
{
    media_profile* p = media_profile_from_json(profileJson);
    if (!p)
        return nullptr;
    auto* c = static_cast<profile_choice*>(std::calloc(1, sizeof(profile_choice)));
    if (!c) {
        media_profile_free(p);
        return nullptr;
    }
    c->text = strdup(profileJson);
    c->profile = p;
    c->bitrate = bitrate;
    return c;
}

void free_profile_choice(profile_choice* c)
{
    if (!c)
        return;
    std::free(c->text);
    media_profile_free(c->profile);
    std::free(c);
}

void free_media_task(media_task* task)
{
    if (!task)
        return;
    std::free(task->sourceA);
    std::free(task->sourceB);
    free_dvd_info(task->disc);
    free_title_selection(task->selection);
    if (task->profile) {
        freeHolderContent(task->profile);
        std::free(task->profile);
    }
    std::free(task);
}

// ---- loading ------------------------------------------------------------------

bool load_task_profile(media_task* task, const char* profileJson)
{
    if (!task || !task->profile)
        return false;
    freeHolderContent(task->profile);
    media_profile* p = media_profile_from_json(profileJson);
    if (!p)
        return false;
    task->profile->loaded = p;
    task->profile->text = strdup(profileJson);
    buildWorking(task, p);
    return task->profile->working != nullptr;
}

bool apply_task_profile(media_task* task, const media_profile* profile)
{
    if (!task || !task->profile || !profile)
        return false;
    media_profile* copy = copyProfile(profile);
    if (!copy)
        return false;
    freeHolderContent(task->profile);
    task->profile->loaded = copy;
    buildWorking(task, copy);
    return task->profile->working != nullptr;
}

bool apply_profile_choice(media_task* task, const profile_choice* choice)
{
    if (!task || !task->profile || !choice || !choice->profile)
        return false;
    buildWorking(task, choice->profile);
    if (!task->profile->working)
        return false;
    applyLevelRule(task, optionText(choice->profile, VIDEO_OPTION_PROFILE));
    setLevel(task, optionText(choice->profile, VIDEO_OPTION_LEVEL));
    if (media_text_equals_nocase(optionText(choice->profile, VIDEO_OPTION_BITRATE), "Manual") && choice->bitrate >= 11)
        task->profile->videoBitrate = choice->bitrate;
    return true;
}

// ---- options ------------------------------------------------------------------

bool set_video_option(media_task* task, int kind, const char* text)
{
    if (!task || !task->profile || !task->profile->working)
        return false;
    profile_holder* h = task->profile;
    bool ok = false;
    switch (kind) {
    case VIDEO_OPTION_CODEC:
        ok = media_profile_set_default_video_codec(h->working, text);
        if (ok)
            rememberCodecs(h);
        break;
    case VIDEO_OPTION_FRAME_RATE:
        ok = setDefaultOption(task, frameRateOf, text);
        if (ok)
            compute_video_bitrate(task, false);
        break;
    case VIDEO_OPTION_RESOLUTION:
        ok = setDefaultOption(task, resolutionOf, text);
        if (ok) {
            compute_video_bitrate(task, false);
            apply_h264_rule(task);
        }
        break;
    case VIDEO_OPTION_ASPECT: ok = setDefaultOption(task, aspectOf, text); break;
    case VIDEO_OPTION_BITRATE:
        ok = setDefaultOption(task, bitrateOf, text);
        if (ok)
            compute_video_bitrate(task, false);
        break;
    case VIDEO_OPTION_PROFILE: ok = applyLevelRule(task, text); break;
    case VIDEO_OPTION_LEVEL: ok = setLevel(task, text); break;
    case VIDEO_OPTION_BFRAMES: ok = setDefaultOption(task, bFramesOf, text); break;
    default: break;
    }
    return ok;
}

const char* get_video_option(const profile_choice* choice, int kind)
{
    return choice ? optionText(choice->profile, kind) : nullptr;
}

const char* get_video_option(const profile_holder* holder, int kind)
{
    return holder ? optionText(holder->working, kind) : nullptr;
}

// ---- exports ------------------------------------------------------------------

char* task_save_profile_json(const media_task* task, const char* title, const char* description)
{
    if (!task || !task->profile)
        return nullptr;
    return media_profile_save_json(task->profile->working, title, description, task->profile->videoBitrate);
}

char* task_convert_profile_json(const media_task* task)
{
    return task && task->profile ? media_profile_convert_json(task->profile->working) : nullptr;
}

char* choice_save_profile_json(const profile_choice* choice, const char* title, const char* description)
{
    return choice ? media_profile_save_json(choice->profile, title, description, 0) : nullptr;
}

char* choice_save_profile_json(const profile_holder* holder, const char* title, const char* description)
{
    return holder ? media_profile_save_json(holder->working, title, description, 0) : nullptr;
}

// ---- helpers ------------------------------------------------------------------

int32_t default_video_codec_index(const media_profile* p)
{
    if (!p || !p->video || !p->video->codecs)
        return -1;
    int32_t i = 0;
    for (media_list_node* n = p->video->codecs->head; n; n = n->next, ++i) {
        if (media_text_equals(static_cast<video_codec_entry*>(n->element)->codec, p->video->defaultCodec))
            return i;
    }
    return -1;
}

void source_resolution(const media_task* task, int32_t* width, int32_t* height)
{
    int32_t w = 720, h = 480;
    const dvd_info* d = task ? task->disc : nullptr;
    for (int32_t i = 0; d && i < d->titleCount; ++i) {
        const dvd_title* t = d->titles[i];
        if (!t || !t->isMain || t->videoCount < 1)
            continue;
        const dvd_video_track* v = t->videoTracks[0];
        if (v->width <= 0 && v->height <= 0)
            continue;
        if (v->width > 0 && v->height > 0) {
            w = v->width;
            h = v->height;
        }
        break;
    }
    if (width)
        *width = w;
    if (height)
        *height = h;
}

void target_resolution(const media_task* task, int32_t* width, int32_t* height)
{
    const video_codec_entry* e = task && task->profile ? defaultEntryOf(task->profile->working) : nullptr;
    const int32_t* pair = e ? pairOf(e->resolution) : nullptr;
    if (pair && pair[0] >= 1 && pair[1] >= 1) {
        if (width)
            *width = pair[0];
        if (height)
            *height = pair[1];
        return;
    }
    source_resolution(task, width, height);
}

float video_frame_rate_value(const media_profile* p, int32_t index)
{
    const video_codec_entry* e = media_profile_video_entry(p, index);
    const char* text = e ? option_set_text(e->frameRate) : nullptr;
    if (!text)
        return 0.0f;
    for (media_list_node* n = e->frameRate->presets->head; n; n = n->next) {
        auto* v = static_cast<const option_value*>(n->element);
        if (media_text_equals_nocase(v->text, text) && v->value)
            return *static_cast<const float*>(v->value);
    }
    const float value = std::strtof(text, nullptr);
    return value > 0.0f ? value : 0.0f;
}

bool is_h264_name(const char* text)
{
    return media_text_equals_nocase(text, "h.264") || media_text_equals_nocase(text, "h264")
           || media_text_equals_nocase(text, "avc");
}

bool is_hevc_name(const char* text)
{
    return media_text_equals_nocase(text, "h265") || media_text_equals_nocase(text, "h.265")
           || media_text_equals_nocase(text, "hevc");
}

int estimate_tiered_bitrate(int width, int height, float fps, float f)
{
    const double pixels = double(width) * double(height);
    double result = 0;
    if (pixels <= 102240) {
        result = std::trunc(300000 + 400000 * double(f)) * fps / 24;
    } else if (pixels <= 230400) {
        result = std::trunc(400000 + 600000 * double(f)) * fps / 24;
    } else if (pixels <= 409920) {
        result = std::trunc(500000 + 1500000 * double(f)) * fps / 24;
    } else if (pixels <= 8294400) {
        double lo, hi;
        if (pixels <= 921600) {
            lo = 1500000 + 2500000 * double(f);
            hi = 2250000 + 3750000 * double(f);
        } else if (pixels <= 2073600) {
            lo = 3000000 + 3000000 * double(f);
            hi = 4500000 + 4500000 * double(f);
        } else if (pixels <= 3686400) {
            lo = 6000000 + 7000000 * double(f);
            hi = 9000000 + 9000000 * double(f);
        } else {
            lo = 11000000 + 14000000 * double(f);
            hi = 15000000 + 20000000 * double(f);
        }
        lo = std::trunc(lo);
        hi = std::trunc(hi);
        const double d = (hi - lo) / 30;
        result = std::trunc(lo - 30 * d + d * fps);
    }
    if (result > 2147483647.0)
        result = 2147483647.0;
    if (result < 10)
        return estimate_bitrate(width, height, fps, f);
    return int(result);
}

void compute_video_bitrate(media_task* task, bool force)
{
    if (!task || !task->profile || !task->profile->working)
        return;
    profile_holder* h = task->profile;
    const media_profile* w = h->working;
    const int32_t i = default_video_codec_index(w);
    if (i < 0)
        return;
    const video_codec_entry* e = media_profile_video_entry(w, i);
    if (media_text_equals_nocase(option_set_text(e->bitrate), "Manual") && !force)
        return;
    int32_t width = 0, height = 0;
    target_resolution(task, &width, &height);
    float fps = video_frame_rate_value(w, i);
    if (fps < 0.001f) {
        fps = 10;
        for (int32_t t = 0; task->disc && t < task->disc->titleCount; ++t) {
            if (task->disc->titles[t]->isMain) {
                fps = task->disc->titles[t]->fps;
                break;
            }
        }
    }
    if (fps > 120)
        fps = 30;
    const float factor = float(w->quality - 1) * 0.25f;
    const int b = estimate_tiered_bitrate(width, height, fps, factor);
    int64_t k = b / 1000;
    if (is_hevc_name(w->video->defaultCodec))
        k = int64_t(double(k) * 0.8);
    h->videoBitrate = int32_t((k / 100 + 1) * 100);
    if (force && w->customProfile != 0 && w->customVideoBitRate >= 11)
        h->videoBitrate = w->customVideoBitRate;
}

void apply_h264_rule(media_task* task)
{
    if (!task || !task->profile || !task->profile->working)
        return;
    const media_profile* w = task->profile->working;
    if (!defaultEntryOf(w) || !is_h264_name(w->video->defaultCodec))
        return;
    int32_t width = 0, height = 0;
    target_resolution(task, &width, &height);
    if (width <= 1280 && height <= 720)
        applyLevelRule(task, "baseline");
    else if (width <= 2048 && height <= 1080)
        applyLevelRule(task, "main");
    else
        applyLevelRule(task, "high");
}
