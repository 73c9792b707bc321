#include "function/marbleto_library/arguments/util/media_task.h"

#include "function/marbleto_library/arguments/util/util.h"

#include <json-c/json.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A missing key, or one of the wrong type, is reported and reads as nothing.
json_object* need(json_object* o, const char* reader, const char* key, json_type type)
{
    json_object* v = nullptr;
    if (o && json_object_is_type(o, json_type_object) && json_object_object_get_ex(o, key, &v) && v
        && (json_object_is_type(v, type)
            || (type == json_type_double && json_object_is_type(v, json_type_int))
            || (type == json_type_int && json_object_is_type(v, json_type_double))))
        return v;
    std::fprintf(stderr, "%s: %s failed\n", reader, key);
    return nullptr;
}

int32_t needInt(json_object* o, const char* reader, const char* key)
{
    json_object* v = need(o, reader, key, json_type_int);
    return v ? json_object_get_int(v) : 0;
}

bool needBool(json_object* o, const char* reader, const char* key)
{
    json_object* v = need(o, reader, key, json_type_boolean);
    return v ? json_object_get_boolean(v) : false;
}

void setLanguage(json_object* o, const char* reader, char code[4], const char** name)
{
    json_object* v = need(o, reader, "language", json_type_string);
    const iso639_entry* row = v ? find_language_entry(json_object_get_string(v)) : nullptr;
    if (row && row->iso639_2t && std::strlen(row->iso639_2t) == 3) {
        std::memcpy(code, row->iso639_2t, 4);
        *name = row->englishName;
    }
}

size_t lengthOf(json_object* array, size_t limit)
{
    const size_t n = array ? json_object_array_length(array) : 0;
    return n < limit ? n : limit;
}

} // namespace

dvd_audio_track* new_dvd_audio_track_from_JSONObj(json_object* o, uint32_t index)
{
    static const char* const kReader = "new_dvd_audio_track_from_JSONObj";
    auto* t = static_cast<dvd_audio_track*>(std::calloc(1, sizeof(dvd_audio_track)));
    if (!t)
        return nullptr;
    t->index = index;
    t->id = needInt(o, kReader, "id");
    if (json_object* s = need(o, kReader, "standard", json_type_string))
        t->standard = media_strdup(json_object_get_string(s));
    t->channels = needInt(o, kReader, "channels");
    setLanguage(o, kReader, t->languageCode, &t->languageName);
    return t;
}

dvd_title* new_dvd_title_from_JSONObj(json_object* o, uint32_t index)
{
    static const char* const kReader = "new_dvd_title_from_JSONObj";
    auto* t = static_cast<dvd_title*>(std::calloc(1, sizeof(dvd_title)));
    if (!t)
        return nullptr;
    t->index = index;
    if (json_object* fps = need(o, kReader, "fps", json_type_double)) {
        // A rate that is no number reads as unknown, as a missing one does.
        const double value = json_object_get_double(fps);
        t->fps = std::isfinite(value) ? float(std::clamp(value, 0.0, 1000.0)) : 0.0f;
    }
    t->isMain = needBool(o, kReader, "main");
    t->duration = needInt(o, kReader, "duration");
    if (json_object* palette = need(o, kReader, "palette", json_type_string))
        t->palette = media_strdup(json_object_get_string(palette));

    json_object* video = need(o, kReader, "video", json_type_array);
    for (size_t i = 0, n = lengthOf(video, kDvdMaxTracks); i < n; ++i) {
        json_object* e = json_object_array_get_idx(video, i);
        auto* v = static_cast<dvd_video_track*>(std::calloc(1, sizeof(dvd_video_track)));
        if (!v)
            break;
        v->index = uint32_t(i);
        if (json_object* s = need(e, kReader, "standard", json_type_string))
            v->standard = media_strdup(json_object_get_string(s));
        v->width = needInt(e, kReader, "width");
        v->height = needInt(e, kReader, "height");
        v->aspectWidth = needInt(e, kReader, "aspect_width");
        v->aspectHeight = needInt(e, kReader, "aspect_height");
        t->videoTracks[t->videoCount++] = v;
    }

    json_object* audio = need(o, kReader, "audio", json_type_array);
    for (size_t i = 0, n = lengthOf(audio, kDvdMaxTracks); i < n; ++i) {
        dvd_audio_track* a = new_dvd_audio_track_from_JSONObj(json_object_array_get_idx(audio, i), uint32_t(i));
        if (!a)
            break;
        t->audioTracks[t->audioCount++] = a;
    }

    // Subtitles take the size of the first video track that has one; without
    // any video track they have no size.
    int32_t width = 0, height = 0;
    for (int32_t i = 0; i < t->videoCount; ++i) {
        width = t->videoTracks[i]->width;
        height = t->videoTracks[i]->height;
        if (width != 0 && height != 0)
            break;
    }
    json_object* subtitles = need(o, kReader, "subtitle", json_type_array);
    for (size_t i = 0, n = lengthOf(subtitles, kDvdMaxTracks); i < n; ++i) {
        json_object* e = json_object_array_get_idx(subtitles, i);
        auto* s = static_cast<dvd_subtitle_track*>(std::calloc(1, sizeof(dvd_subtitle_track)));
        if (!s)
            break;
        s->index = uint32_t(i);
        s->id = needInt(e, kReader, "id");
        setLanguage(e, kReader, s->languageCode, &s->languageName);
        s->width = width;
        s->height = height;
        t->subtitleTracks[t->subtitleCount++] = s;
    }

    json_object* chapters = need(o, kReader, "chapter", json_type_array);
    int64_t start = 0;
    for (size_t i = 0, n = lengthOf(chapters, kDvdMaxChapters); i < n; ++i) {
        auto* c = static_cast<dvd_chapter*>(std::calloc(1, sizeof(dvd_chapter)));
        if (!c)
            break;
        json_object* e = json_object_array_get_idx(chapters, i);
        c->index = uint32_t(i);
        c->start = start;
        c->length = e && (json_object_is_type(e, json_type_int) || json_object_is_type(e, json_type_double))
                        ? json_object_get_int(e)
                        : 0;
        start += c->length;
        t->chapters[t->chapterCount++] = c;
    }
    return t;
}

void free_dvd_title(dvd_title* t)
{
    if (!t)
        return;
    std::free(t->palette);
    for (int32_t i = 0; i < t->videoCount; ++i) {
        std::free(t->videoTracks[i]->standard);
        std::free(t->videoTracks[i]);
    }
    for (int32_t i = 0; i < t->audioCount; ++i) {
        std::free(t->audioTracks[i]->standard);
        std::free(t->audioTracks[i]);
    }
    for (int32_t i = 0; i < t->subtitleCount; ++i)
        std::free(t->subtitleTracks[i]);
    for (int32_t i = 0; i < t->chapterCount; ++i)
        std::free(t->chapters[i]);
    std::free(t);
}

dvd_info* create_dvdinfo_from_JSON(const char* text)
{
    static const char* const kReader = "create_dvdinfo_from_JSON";
    if (!text)
        return nullptr;
    json_object* root = json_tokener_parse(text);
    if (!root)
        return nullptr;
    auto* info = static_cast<dvd_info*>(std::calloc(1, sizeof(dvd_info)));
    if (!info) {
        json_object_put(root);
        return nullptr;
    }
    info->cssScrambled = needBool(root, kReader, "css scrambled");
    info->disneyProtected = needBool(root, kReader, "disney protected");
    const int32_t model = needInt(root, kReader, "track model");
    info->trackModel = model == 1 || model == 2 ? model : 0;
    const int32_t number = needInt(root, kReader, "title number");
    json_object* titles = need(root, kReader, "titles", json_type_array);
    if (number >= 1 && titles) {
        const int32_t count = number < kDvdMaxTitles ? number : kDvdMaxTitles;
        const size_t available = json_object_array_length(titles);
        for (int32_t i = 0; i < count; ++i) {
            // Titles past the array's end are read from nothing: each key is reported.
            json_object* e = size_t(i) < available ? json_object_array_get_idx(titles, size_t(i)) : nullptr;
            dvd_title* t = new_dvd_title_from_JSONObj(e, uint32_t(i));
            if (!t)
                break;
            info->titles[info->titleCount++] = t;
        }
    }
    json_object_put(root);
    return info;
}

void free_dvd_info(dvd_info* info)
{
    if (!info)
        return;
    for (int32_t i = 0; i < info->titleCount; ++i)
        free_dvd_title(info->titles[i]);
    std::free(info);
}

// ---- selection ----------------------------------------------------------------

namespace {

void freeSelection(void* element)
{
    auto* s = static_cast<title_selection*>(element);
    if (!s)
        return;
    for (int32_t i = 0; i < s->videoCount; ++i)
        std::free(s->video[i]);
    for (int32_t i = 0; i < s->audioCount; ++i)
        std::free(s->audio[i]);
    for (int32_t i = 0; i < s->subtitleCount; ++i)
        std::free(s->subtitle[i]);
    for (int32_t i = 0; i < s->chapterCount; ++i)
        std::free(s->chapters[i]);
    std::free(s);
}

video_choice* newVideoChoice(uint32_t index)
{
    auto* c = static_cast<video_choice*>(std::calloc(1, sizeof(video_choice)));
    if (!c)
        return nullptr;
    c->index = index;
    c->mode = 1;
    std::memcpy(c->layout, "sbsl", 5);
    std::memcpy(c->layoutOrder, "ml", 3);
    c->depth = 5.0f;
    c->range = 15.0f;
    c->strength = 6.0f;
    c->softness = 0.3f;
    c->regionLeft = 0.5f;
    c->regionTop = 0.5f;
    c->regionWidth = 0.65f;
    c->regionHeight = 0.65f;
    return c;
}

title_selection* defaultSelection(const dvd_title* t, const char* language)
{
    auto* s = static_cast<title_selection*>(std::calloc(1, sizeof(title_selection)));
    if (!s)
        return nullptr;
    for (int32_t i = 0; i < t->videoCount && i < kSelectionMaxTracks; ++i) {
        video_choice* c = newVideoChoice(uint32_t(i));
        if (!c)
            break;
        if (i == 0)
            c->selected = c->isDefault = true;
        s->video[s->videoCount++] = c;
    }
    int32_t best = -1, bestMatching = -1;
    for (int32_t i = 0; i < t->audioCount && i < kSelectionMaxTracks; ++i) {
        auto* c = static_cast<audio_choice*>(std::calloc(1, sizeof(audio_choice)));
        if (!c)
            break;
        c->index = uint32_t(i);
        s->audio[s->audioCount++] = c;
        const dvd_audio_track* a = t->audioTracks[i];
        if (best < 0 || a->channels > t->audioTracks[best]->channels)
            best = i;
        // The language test compares the first two letters only.
        if (language && a->languageCode[0] && std::strncmp(a->languageCode, language, 2) == 0
            && (bestMatching < 0 || a->channels > t->audioTracks[bestMatching]->channels))
            bestMatching = i;
    }
    const int32_t chosen = bestMatching >= 0 ? bestMatching : best;
    if (chosen >= 0 && chosen < s->audioCount)
        s->audio[chosen]->selected = s->audio[chosen]->isDefault = true;
    for (int32_t i = 0; i < t->subtitleCount && i < kSelectionMaxTracks; ++i) {
        auto* c = static_cast<subtitle_choice*>(std::calloc(1, sizeof(subtitle_choice)));
        if (!c)
            break;
        c->index = uint32_t(i);
        for (int32_t v = 0; v < t->videoCount && v < kDvdMaxTracks; ++v) {
            for (int32_t& value : c->placements[v].values)
                value = -1;
            ++c->placementCount;
        }
        s->subtitle[s->subtitleCount++] = c;
    }
    if (t->chapterCount > 0) {
        s->hasChapters = true;
        for (int32_t i = 0; i < t->chapterCount; ++i) {
            auto* c = static_cast<chapter_choice*>(std::calloc(1, sizeof(chapter_choice)));
            if (!c)
                break;
            s->chapters[s->chapterCount++] = c;
        }
    }
    s->selected = t->isMain;
    return s;
}

} // namespace

void free_title_selection(media_list* selection)
{
    media_list_free(selection);
}

title_selection* title_selection_at(const media_list* selection, int32_t title)
{
    return title >= 0 ? static_cast<title_selection*>(media_list_get(selection, title)) : nullptr;
}

video_choice* video_choice_at(const title_selection* t, int32_t index)
{
    return t && index >= 0 && index < t->videoCount ? t->video[index] : nullptr;
}

audio_choice* audio_choice_at(const title_selection* t, int32_t index)
{
    return t && index >= 0 && index < t->audioCount ? t->audio[index] : nullptr;
}

subtitle_choice* subtitle_choice_at(const title_selection* t, int32_t index)
{
    return t && index >= 0 && index < t->subtitleCount ? t->subtitle[index] : nullptr;
}

void apply_track_limits(media_task* task)
{
    if (!task || !task->disc || !task->selection || !task->profile || !task->profile->working)
        return;
    const media_profile* p = task->profile->working;
    const int32_t videoLimit = p->video ? p->video->trackNumLimit : 0;
    const int32_t audioLimit = p->audio ? p->audio->trackNumLimit : 0;
    const int32_t subtitleLimit = p->subtitle ? p->subtitle->trackNumLimit : 0;
    // Exact: the profile files spell it so.
    const bool music = media_text_equals(p->type, "Music");
    for (int32_t ti = 0; ti < task->disc->titleCount; ++ti) {
        title_selection* s = title_selection_at(task->selection, ti);
        const dvd_title* t = task->disc->titles[ti];
        if (!s || !t)
            continue;
        int32_t count = 0;
        for (int32_t i = 0; i < s->videoCount; ++i) {
            if (s->video[i]->selected && ++count > videoLimit)
                s->video[i]->selected = false;
        }
        if (count == 0 && !music) {
            for (int32_t i = 0; i < s->videoCount; ++i) {
                if (s->video[i]->isDefault)
                    s->video[i]->selected = true;
            }
        }
        count = 0;
        for (int32_t i = 0; i < s->audioCount; ++i) {
            if (s->audio[i]->selected && ++count > audioLimit)
                s->audio[i]->selected = false;
        }
        if (count == 0) {
            for (int32_t i = 0; i < s->audioCount; ++i) {
                if (s->audio[i]->isDefault)
                    s->audio[i]->selected = true;
            }
        }
        count = 0;
        for (int32_t i = 0; i < s->subtitleCount; ++i) {
            subtitle_choice* c = s->subtitle[i];
            if (!c->selected)
                continue;
            bool shows = false;
            for (int32_t v = 0; v < t->videoCount && v < c->placementCount; ++v)
                shows = shows || c->placements[v].off == 0;
            if (shows && ++count > subtitleLimit)
                c->selected = false;
        }
    }
}

// ---- task ---------------------------------------------------------------------

media_task* create_media_task(const char* a, const char* b, int64_t number, const char* discJson,
                              const char* profileJson)
{
    media_config_check_init();
    auto* task = static_cast<media_task*>(std::calloc(1, sizeof(media_task)));
    if (!task)
        return nullptr;
    task->active = true;
    task->sourceNumber = number;
    task->sourceA = a ? strdup(a) : nullptr;
    task->sourceB = b ? strdup(b) : nullptr;
    task->disc = create_dvdinfo_from_JSON(discJson);
    task->selection = media_list_create(freeSelection);
    if (!task->disc || !task->selection) {
        free_media_task(task);
        return nullptr;
    }
    const char* language = media_config_get()->language;
    bool any = false;
    for (int32_t i = 0; i < task->disc->titleCount; ++i) {
        title_selection* s = defaultSelection(task->disc->titles[i], language);
        if (!s || !media_list_append(task->selection, s)) {
            std::free(s);
            break;
        }
        any = any || s->selected;
    }
    if (!any) {
        if (title_selection* first = title_selection_at(task->selection, 0))
            first->selected = true;
    }
    task->profile = static_cast<profile_holder*>(std::calloc(1, sizeof(profile_holder)));
    if (!task->profile) {
        free_media_task(task);
        return nullptr;
    }
    load_task_profile(task, profileJson);
    return task;
}
