#include "function/marbleto_library/arguments/util/media_profile.h"

#include <json-c/json.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <utility>

// ---- texts ------------------------------------------------------------------

bool media_text_equals(const char* a, const char* b)
{
    return a && b && std::strcmp(a, b) == 0;
}

bool media_text_equals_nocase(const char* a, const char* b)
{
    return a && b && strcasecmp(a, b) == 0;
}

char* media_strdup(const char* text)
{
    return text && *text ? strdup(text) : nullptr;
}

// ---- list -------------------------------------------------------------------

media_list* media_list_create(media_list_release release)
{
    auto* list = static_cast<media_list*>(std::calloc(1, sizeof(media_list)));
    if (list)
        list->release = release;
    return list;
}

bool media_list_append(media_list* list, void* element)
{
    if (!list || !element)
        return false;
    auto* node = static_cast<media_list_node*>(std::calloc(1, sizeof(media_list_node)));
    if (!node)
        return false;
    node->element = element;
    node->prev = list->tail;
    if (list->tail)
        list->tail->next = node;
    else
        list->head = node;
    list->tail = node;
    ++list->count;
    return true;
}

void* media_list_get(const media_list* list, int32_t index)
{
    if (!list)
        return nullptr;
    if (index >= 0) {
        if (uint32_t(index) >= list->count)
            return nullptr;
        media_list_node* n = list->head;
        for (int32_t i = 0; i < index && n; ++i)
            n = n->next;
        return n ? n->element : nullptr;
    }
    const int64_t back = -int64_t(index) - 1;
    if (back >= int64_t(list->count))
        return nullptr;
    media_list_node* n = list->tail;
    for (int64_t i = 0; i < back && n; ++i)
        n = n->prev;
    return n ? n->element : nullptr;
}

void media_list_free(media_list* list)
{
    if (!list)
        return;
    media_list_node* n = list->head;
    while (n) {
        media_list_node* next = n->next;
        if (list->release)
            list->release(n->element);
        std::free(n);
        n = next;
    }
    std::free(list);
}

media_list* media_list_create_texts()
{
    return media_list_create(std::free);
}

// ---- value parsers ------------------------------------------------------------

void release_value(void* value)
{
    std::free(value);
}

void* parse_text_value(const char* text)
{
    return media_strdup(text);
}

void* parse_integer_value(const char* text)
{
    if (!text || !*text)
        return nullptr;
    const char* p = text;
    while (*p == ' ')
        ++p;
    long long n = 0;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    while (std::isdigit(static_cast<unsigned char>(*p)) && n < INT_MAX) {
        n = n * 10 + (*p - '0');
        ++p;
    }
    // "5.1 Surround" names five full channels and the low-frequency one.
    if (p[0] == '.' && p[1] == '1' && !std::isdigit(static_cast<unsigned char>(p[2])))
        ++n;
    if (n > INT_MAX)
        n = INT_MAX;
    auto* value = static_cast<int32_t*>(std::malloc(sizeof(int32_t)));
    if (value)
        *value = int32_t(negative ? -n : n);
    return value;
}

void* parse_frame_rate_value(const char* text)
{
    if (!text || !*text)
        return nullptr;
    bool plain = true;
    for (const char* p = text; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)) && *p != '.')
            plain = false;
    }
    auto* value = static_cast<float*>(std::malloc(sizeof(float)));
    if (value)
        *value = plain ? std::strtof(text, nullptr) : -1.0f;
    return value;
}

void* parse_pair_value(const char* text)
{
    if (!text || !*text)
        return nullptr;
    auto* value = static_cast<int32_t*>(std::malloc(2 * sizeof(int32_t)));
    if (value)
        parse_ratio(text, &value[0], &value[1]);
    return value;
}

namespace {

// Digits and points of one number; the text without its first point, and the
// count of digits after it.
bool readNumber(const char*& p, char* digits, size_t room, int* decimals)
{
    size_t n = 0;
    bool point = false;
    *decimals = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.') {
        if (*p == '.' && !point) {
            point = true;
        } else if (*p != '.') {
            if (n + 1 >= room)
                return false;
            digits[n++] = *p;
            if (point)
                ++*decimals;
        }
        ++p;
    }
    digits[n] = 0;
    return n > 0;
}

bool scaled(const char* digits, int exponent, int32_t* out)
{
    long long v = 0;
    for (const char* d = digits; *d; ++d) {
        v = v * 10 + (*d - '0');
        if (v > INT_MAX)
            return false;
    }
    for (int i = 0; i < exponent; ++i) {
        v *= 10;
        if (v > INT_MAX)
            return false;
    }
    *out = int32_t(v);
    return true;
}

} // namespace

bool parse_ratio(const char* text, int32_t* first, int32_t* second)
{
    int32_t a = -1, b = -1;
    bool ok = false;
    if (text) {
        char copy[256];
        std::strncpy(copy, text, sizeof copy - 1);
        copy[sizeof copy - 1] = 0;
        const char* p = copy;
        while (*p && !std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        char d1[256], d2[256];
        int e1 = 0, e2 = 0;
        if (*p && readNumber(p, d1, sizeof d1, &e1) && (*p == ':' || *p == 'x' || *p == '/')) {
            ++p;
            if (readNumber(p, d2, sizeof d2, &e2)) {
                const int m = e1 < e2 ? e1 : e2;
                int32_t x = 0, y = 0;
                if (scaled(d1, e2 - m, &x) && scaled(d2, e1 - m, &y) && y != 0) {
                    a = x;
                    b = y;
                    ok = true;
                }
            }
        }
    }
    if (first)
        *first = a;
    if (second)
        *second = b;
    return ok;
}

// ---- option sets ----------------------------------------------------------

namespace {

void releaseOptionValue(option_set* set, option_value* v)
{
    std::free(v->text);
    if (v->value)
        (set && set->release ? set->release : std::free)(v->value);
    v->text = nullptr;
    v->value = nullptr;
}

void freePreset(void* element)
{
    // Presets always hold malloc'ed values.
    auto* v = static_cast<option_value*>(element);
    std::free(v->text);
    std::free(v->value);
    std::free(v);
}

} // namespace

option_set* option_set_create(option_parse_fn parse, option_release_fn release)
{
    auto* set = static_cast<option_set*>(std::calloc(1, sizeof(option_set)));
    if (!set)
        return nullptr;
    set->parse = parse;
    set->release = release ? release : release_value;
    set->presets = media_list_create(freePreset);
    if (!set->presets) {
        std::free(set);
        return nullptr;
    }
    return set;
}

void option_set_free(option_set* set)
{
    if (!set)
        return;
    releaseOptionValue(set, &set->current);
    media_list_free(set->presets);
    std::free(set);
}

const option_value* option_set_find_preset(const option_set* set, const char* text)
{
    if (!set || !text)
        return nullptr;
    for (media_list_node* n = set->presets ? set->presets->head : nullptr; n; n = n->next) {
        auto* v = static_cast<const option_value*>(n->element);
        if (media_text_equals(v->text, text))
            return v;
    }
    return nullptr;
}

bool option_set_has_preset(const option_set* set, const char* text)
{
    return option_set_find_preset(set, text) != nullptr;
}

bool option_set_add_preset(option_set* set, const char* text)
{
    if (!set || !text || !set->parse || option_set_has_preset(set, text))
        return false;
    void* parsed = set->parse(text);
    if (!parsed)
        return false;
    auto* v = static_cast<option_value*>(std::calloc(1, sizeof(option_value)));
    char* copy = strdup(text);
    if (!v || !copy || !media_list_append(set->presets, v)) {
        std::free(v);
        std::free(copy);
        set->release(parsed);
        return false;
    }
    v->text = copy;
    v->value = parsed;
    return true;
}

bool option_set_set_current(option_set* set, const char* text)
{
    if (!set || !text || !*text || !set->parse)
        return false;
    if (!set->editable && !option_set_has_preset(set, text))
        return false;
    void* parsed = set->parse(text);
    if (!parsed)
        return false;
    char* copy = strdup(text);
    if (!copy) {
        set->release(parsed);
        return false;
    }
    releaseOptionValue(set, &set->current);
    set->current.text = copy;
    set->current.value = parsed;
    return true;
}

option_set* option_set_copy(const option_set* set)
{
    if (!set)
        return nullptr;
    option_set* copy = option_set_create(set->parse, set->release);
    if (!copy)
        return nullptr;
    copy->editable = true;      // so the current value is taken whatever the presets
    for (media_list_node* n = set->presets->head; n; n = n->next)
        option_set_add_preset(copy, static_cast<option_value*>(n->element)->text);
    if (set->current.text)
        option_set_set_current(copy, set->current.text);
    copy->editable = set->editable;
    copy->modified = set->modified;
    return copy;
}

const char* option_set_text(const option_set* set)
{
    return set ? set->current.text : nullptr;
}

// ---- reading --------------------------------------------------------------

namespace {

// Every value is checked for its type: a wrong type counts as missing.
json_object* member(json_object* o, const char* key, json_type type)
{
    json_object* v = nullptr;
    if (!o || !json_object_is_type(o, json_type_object) || !json_object_object_get_ex(o, key, &v) || !v)
        return nullptr;
    if (json_object_is_type(v, type))
        return v;
    // Numbers written with a fraction still count as numbers.
    if (type == json_type_int && json_object_is_type(v, json_type_double))
        return v;
    return nullptr;
}

bool has(json_object* o, const char* key, json_type type)
{
    return member(o, key, type) != nullptr;
}

int32_t intOf(json_object* o, const char* key)
{
    json_object* v = member(o, key, json_type_int);
    return v ? json_object_get_int(v) : 0;
}

bool boolOf(json_object* o, const char* key)
{
    json_object* v = member(o, key, json_type_boolean);
    return v ? json_object_get_boolean(v) : false;
}

char* textOf(json_object* o, const char* key)
{
    json_object* v = member(o, key, json_type_string);
    return v ? media_strdup(json_object_get_string(v)) : nullptr;
}

media_list* textsOf(json_object* array)
{
    media_list* list = media_list_create_texts();
    if (!list || !array)
        return list;
    const size_t n = json_object_array_length(array);
    for (size_t i = 0; i < n; ++i) {
        json_object* e = json_object_array_get_idx(array, i);
        if (!e || !json_object_is_type(e, json_type_string))
            break;
        char* copy = strdup(json_object_get_string(e));
        if (!copy || !media_list_append(list, copy)) {
            std::free(copy);
            break;
        }
    }
    return list;
}

option_set* readOption(json_object* codec, const char* key, option_parse_fn parse)
{
    option_set* set = option_set_create(parse, release_value);
    json_object* o = member(codec, key, json_type_object);
    json_object* value = member(o, "Value", json_type_string);
    json_object* editable = member(o, "Editable", json_type_boolean);
    json_object* presets = member(o, "Presets", json_type_array);
    if (!set || !value || !editable || !presets)
        return set;
    set->editable = json_object_get_boolean(editable);
    set->modified = boolOf(o, "Modified");
    const size_t n = json_object_array_length(presets);
    for (size_t i = 0; i < n; ++i) {
        json_object* e = json_object_array_get_idx(presets, i);
        if (e && json_object_is_type(e, json_type_string))
            option_set_add_preset(set, json_object_get_string(e));
    }
    option_set_set_current(set, json_object_get_string(value));
    return set;
}

video_codec_entry* readVideoCodec(json_object* c)
{
    video_codec_entry* e = video_codec_entry_create();
    if (!e)
        return nullptr;
    json_object* bitrate = member(c, "Bitrate", json_type_object);
    json_object* limit = member(c, "Limit", json_type_object);
    static const char* const kLimits[] = {"MaxWidth", "MaxHeight", "MaxBitRate", "AllowBFrames", "MaxFrameRate",
                                          "AllowPassthrough"};
    bool complete = has(c, "Codec", json_type_string) && bitrate && has(bitrate, "Mode", json_type_string)
                    && has(bitrate, "2PassEncode", json_type_boolean) && has(c, "Resolution", json_type_object)
                    && has(c, "FrameRate", json_type_object) && has(c, "Aspect", json_type_object)
                    && has(c, "BFrames", json_type_object) && has(c, "GOP", json_type_int) && limit;
    for (const char* k : kLimits)
        complete = complete && has(limit, k, json_type_int);
    if (!complete)
        return e;
    e->codec = textOf(c, "Codec");
    e->bitrate = readOption(c, "Bitrate", parse_text_value);
    e->mode = textOf(bitrate, "Mode");
    e->twoPass = boolOf(bitrate, "2PassEncode");
    e->resolution = readOption(c, "Resolution", parse_pair_value);
    e->frameRate = readOption(c, "FrameRate", parse_frame_rate_value);
    e->aspect = readOption(c, "Aspect", parse_pair_value);
    e->profileLevel = readOption(c, "ProfileLevel", parse_text_value);
    e->level = textOf(member(c, "ProfileLevel", json_type_object), "Level");
    e->bFrames = readOption(c, "BFrames", parse_integer_value);
    e->maxWidth = intOf(limit, "MaxWidth");
    e->maxHeight = intOf(limit, "MaxHeight");
    e->maxBitRate = intOf(limit, "MaxBitRate");
    e->allowBFrames = intOf(limit, "AllowBFrames");
    json_object* maxRate = member(limit, "MaxFrameRate", json_type_int);
    const double maxFrameRate = maxRate ? json_object_get_double(maxRate) : 0.0;
    e->maxFrameRate = std::isfinite(maxFrameRate) ? float(std::clamp(maxFrameRate, 0.0, 1000.0)) : 0.0f;
    e->allowPassthrough = intOf(limit, "AllowPassthrough");
    e->gop = intOf(c, "GOP");
    return e;
}

audio_codec_entry* readAudioCodec(json_object* c)
{
    audio_codec_entry* e = audio_codec_entry_create();
    if (!e)
        return nullptr;
    if (!has(c, "Codec", json_type_string) || !has(c, "Channel", json_type_object)
        || !has(c, "Bitrate", json_type_object) || !has(c, "SampleRate", json_type_object))
        return e;
    e->codec = textOf(c, "Codec");
    e->channel = readOption(c, "Channel", parse_integer_value);
    e->bitrate = readOption(c, "Bitrate", parse_integer_value);
    e->sampleRate = readOption(c, "SampleRate", parse_integer_value);
    return e;
}

video_settings* readVideo(json_object* v)
{
    json_object* codecs = member(v, "Codecs", json_type_array);
    if (!has(v, "DefaultCodec", json_type_string) || !has(v, "TrackNumLimit", json_type_int) || !codecs)
        return nullptr;
    auto* s = static_cast<video_settings*>(std::calloc(1, sizeof(video_settings)));
    if (!s)
        return nullptr;
    s->defaultCodec = textOf(v, "DefaultCodec");
    s->trackNumLimit = intOf(v, "TrackNumLimit");
    s->codecs = media_list_create(video_codec_entry_free);
    const size_t n = json_object_array_length(codecs);
    for (size_t i = 0; i < n; ++i) {
        json_object* c = json_object_array_get_idx(codecs, i);
        if (!c)
            break;
        video_codec_entry* e = readVideoCodec(c);
        if (!media_list_append(s->codecs, e))
            video_codec_entry_free(e);
    }
    return s;
}

audio_settings* readAudio(json_object* a)
{
    json_object* codecs = member(a, "Codecs", json_type_array);
    if (!has(a, "DefaultCodec", json_type_string) || !has(a, "TrackNumLimit", json_type_int) || !codecs)
        return nullptr;
    auto* s = static_cast<audio_settings*>(std::calloc(1, sizeof(audio_settings)));
    if (!s)
        return nullptr;
    s->defaultCodec = textOf(a, "DefaultCodec");
    s->trackNumLimit = intOf(a, "TrackNumLimit");
    s->codecs = media_list_create(audio_codec_entry_free);
    const size_t n = json_object_array_length(codecs);
    for (size_t i = 0; i < n; ++i) {
        json_object* c = json_object_array_get_idx(codecs, i);
        if (!c)
            return s;   // a null element ends the audio part, pass-through list included
        audio_codec_entry* e = readAudioCodec(c);
        if (!media_list_append(s->codecs, e))
            audio_codec_entry_free(e);
    }
    if (json_object* pass = member(a, "CodecsPassthru", json_type_array))
        s->passthrough = textsOf(pass);
    return s;
}

void freeVideo(video_settings* s)
{
    if (!s)
        return;
    std::free(s->defaultCodec);
    media_list_free(s->codecs);
    std::free(s);
}

void freeAudio(audio_settings* s)
{
    if (!s)
        return;
    std::free(s->defaultCodec);
    media_list_free(s->passthrough);
    media_list_free(s->codecs);
    std::free(s);
}

} // namespace

video_codec_entry* video_codec_entry_create()
{
    return static_cast<video_codec_entry*>(std::calloc(1, sizeof(video_codec_entry)));
}

void video_codec_entry_free(void* element)
{
    auto* e = static_cast<video_codec_entry*>(element);
    if (!e)
        return;
    std::free(e->codec);
    option_set_free(e->bitrate);
    std::free(e->mode);
    option_set_free(e->resolution);
    option_set_free(e->frameRate);
    option_set_free(e->aspect);
    option_set_free(e->profileLevel);
    std::free(e->level);
    option_set_free(e->bFrames);
    std::free(e);
}

audio_codec_entry* audio_codec_entry_create()
{
    return static_cast<audio_codec_entry*>(std::calloc(1, sizeof(audio_codec_entry)));
}

void audio_codec_entry_free(void* element)
{
    auto* e = static_cast<audio_codec_entry*>(element);
    if (!e)
        return;
    std::free(e->codec);
    option_set_free(e->channel);
    option_set_free(e->bitrate);
    option_set_free(e->sampleRate);
    std::free(e);
}

media_profile* media_profile_from_json(const char* text)
{
    if (!text || !*text)
        return nullptr;
    json_object* root = json_tokener_parse(text);
    if (!root)
        return nullptr;
    json_object* video = member(root, "Video", json_type_object);
    json_object* audio = member(root, "Audio", json_type_object);
    if (!has(root, "ID", json_type_int) || !has(root, "Type", json_type_string) || (!video && !audio)) {
        json_object_put(root);
        return nullptr;
    }
    auto* p = static_cast<media_profile*>(std::calloc(1, sizeof(media_profile)));
    if (!p) {
        json_object_put(root);
        return nullptr;
    }
    p->json = root;     // the parse's own reference
    p->id = intOf(root, "ID");
    p->type = textOf(root, "Type");
    if (json_object* sub = member(root, "Subtitle", json_type_object)) {
        if (has(sub, "TrackNumLimit", json_type_int) && has(sub, "AllowImageSubTrack", json_type_boolean)
            && has(sub, "BurnedInDefault", json_type_boolean)) {
            p->subtitle = static_cast<subtitle_settings*>(std::calloc(1, sizeof(subtitle_settings)));
            if (p->subtitle) {
                p->subtitle->trackNumLimit = intOf(sub, "TrackNumLimit");
                p->subtitle->allowImageSubTrack = boolOf(sub, "AllowImageSubTrack");
                p->subtitle->burnedInDefault = boolOf(sub, "BurnedInDefault");
            }
        }
    }
    p->customProfile = intOf(root, "CustomProfile");
    p->extension = textOf(root, "Extension");
    p->target = textOf(root, "Target");
    // Levels run from 1 to 5 and the factor tables also name 0 and 6; a
    // value past them would only overflow the bitrate arithmetic.
    p->quality = std::clamp(intOf(root, "Quality"), 0, 6);
    p->padForce = boolOf(root, "PadForce");
    p->padValue = boolOf(root, "PadValue");
    if (json_object* devices = member(root, "ToDevice", json_type_array))
        p->toDevice = textsOf(devices);
    p->comment = textOf(root, "Comment");
    if (has(root, "CustomVideoBitRate", json_type_int))
        p->customVideoBitRate = intOf(root, "CustomVideoBitRate");
    p->video = readVideo(video);
    p->audio = readAudio(audio);
    return p;
}

void media_profile_free(media_profile* p)
{
    if (!p)
        return;
    std::free(p->type);
    freeVideo(p->video);
    freeAudio(p->audio);
    std::free(p->subtitle);
    std::free(p->extension);
    std::free(p->target);
    media_list_free(p->toDevice);
    std::free(p->comment);
    if (p->json)
        json_object_put(p->json);
    std::free(p);
}

video_codec_entry* media_profile_video_entry(const media_profile* p, int32_t index)
{
    return p && p->video && index >= 0 ? static_cast<video_codec_entry*>(media_list_get(p->video->codecs, index))
                                       : nullptr;
}

audio_codec_entry* media_profile_audio_entry(const media_profile* p, int32_t index)
{
    return p && p->audio && index >= 0 ? static_cast<audio_codec_entry*>(media_list_get(p->audio->codecs, index))
                                       : nullptr;
}

// ---- getters and setters ------------------------------------------------------

int32_t media_profile_get_id(const media_profile* p) { return p ? p->id : 0; }
const char* media_profile_get_type(const media_profile* p) { return p ? p->type : nullptr; }
int32_t media_profile_get_custom_profile(const media_profile* p) { return p ? p->customProfile : 0; }
const char* media_profile_get_extension(const media_profile* p) { return p ? p->extension : nullptr; }
const char* media_profile_get_target(const media_profile* p) { return p ? p->target : nullptr; }
int32_t media_profile_get_quality(const media_profile* p) { return p ? p->quality : -1; }
bool media_profile_get_pad_force(const media_profile* p) { return p ? p->padForce : false; }
bool media_profile_get_pad_value(const media_profile* p) { return p ? p->padValue : false; }
const char* media_profile_get_comment(const media_profile* p) { return p ? p->comment : nullptr; }
int32_t media_profile_get_custom_video_bitrate(const media_profile* p) { return p ? p->customVideoBitRate : 0; }

const char* media_profile_get_default_video_codec(const media_profile* p)
{
    return p && p->video ? p->video->defaultCodec : nullptr;
}

const char* media_profile_get_default_audio_codec(const media_profile* p)
{
    return p && p->audio ? p->audio->defaultCodec : nullptr;
}

namespace {

bool replaceText(char** field, const char* text)
{
    if (!text)
        return false;
    char* copy = strdup(text);
    if (!copy)
        return false;
    std::free(*field);
    *field = copy;
    return true;
}

} // namespace

bool media_profile_set_id(media_profile* p, int32_t id)
{
    if (!p)
        return false;
    p->id = id;
    return true;
}

bool media_profile_set_type(media_profile* p, const char* type) { return p && replaceText(&p->type, type); }
bool media_profile_set_extension(media_profile* p, const char* e) { return p && replaceText(&p->extension, e); }
bool media_profile_set_comment(media_profile* p, const char* c) { return p && replaceText(&p->comment, c); }

bool media_profile_set_target(media_profile* p, const char* target)
{
    return p && target && *target && replaceText(&p->target, target);
}

bool media_profile_set_quality(media_profile* p, int32_t quality)
{
    if (!p)
        return false;
    p->quality = quality;
    return true;
}

bool media_profile_set_custom_video_bitrate(media_profile* p, int32_t bitrate)
{
    if (!p)
        return false;
    p->customVideoBitRate = bitrate;
    return true;
}

bool media_profile_set_default_video_codec(media_profile* p, const char* name)
{
    if (!p || !p->video || !name || !*name)
        return false;
    for (media_list_node* n = p->video->codecs ? p->video->codecs->head : nullptr; n; n = n->next) {
        if (media_text_equals(static_cast<video_codec_entry*>(n->element)->codec, name))
            return replaceText(&p->video->defaultCodec, name);
    }
    return false;
}

bool media_profile_set_default_audio_codec(media_profile* p, const char* name)
{
    if (!p || !p->audio || !name || !*name)
        return false;
    for (media_list_node* n = p->audio->codecs ? p->audio->codecs->head : nullptr; n; n = n->next) {
        if (media_text_equals(static_cast<audio_codec_entry*>(n->element)->codec, name))
            return replaceText(&p->audio->defaultCodec, name);
    }
    return false;
}

// ---- writing ----------------------------------------------------------------

namespace {

// The writers never touch the source: they work on deep copies, so that an
// export leaves the loaded profile as it was and no object has two owners.
json_object* copyOf(json_object* o)
{
    json_object* copy = nullptr;
    if (!o || json_object_deep_copy(o, &copy, nullptr) != 0)
        return nullptr;
    return copy;
}

void copyKey(json_object* out, json_object* src, const char* key)
{
    json_object* v = nullptr;
    if (json_object_object_get_ex(src, key, &v) && v) {
        if (json_object* c = copyOf(v))
            json_object_object_add(out, key, c);
    }
}

void setText(json_object* o, const char* key, const char* text)
{
    json_object_object_add(o, key, json_object_new_string(text ? text : ""));
}

// "Value" of the option object `key` becomes the current text; optionally a
// "Presets" holding just that value, or "Modified": true for a user's choice.
void writeOption(json_object* codec, const char* key, const option_set* set, bool presets, bool markModified)
{
    json_object* o = member(codec, key, json_type_object);
    const char* text = option_set_text(set);
    if (!o || !text)
        return;
    setText(o, "Value", text);
    if (presets) {
        json_object* list = json_object_new_array();
        json_object_array_add(list, json_object_new_string(text));
        json_object_object_add(o, "Presets", list);
    }
    if (markModified && set->modified)
        json_object_object_add(o, "Modified", json_object_new_boolean(1));
}

void writeVideoExtras(json_object* codec, const video_codec_entry* e)
{
    if (json_object* pl = member(codec, "ProfileLevel", json_type_object)) {
        if (e && e->level)
            setText(pl, "Level", e->level);
    }
    if (json_object_object_get_ex(codec, "GOP", nullptr))
        json_object_object_add(codec, "GOP", json_object_new_int(e ? e->gop : -1));
    json_object* bitrate = member(codec, "Bitrate", json_type_object);
    if (!bitrate || !e)
        return;
    if (json_object_object_get_ex(codec, "2PassEncode", nullptr) || json_object_object_get_ex(bitrate, "2PassEncode", nullptr))
        json_object_object_add(bitrate, "2PassEncode", json_object_new_boolean(e->twoPass));
    if (json_object_object_get_ex(codec, "CBR", nullptr))
        setText(bitrate, "CBR", e->mode);
    if (json_object_object_get_ex(bitrate, "Mode", nullptr) && e->mode)
        setText(bitrate, "Mode", e->mode);
}

char* textOfObject(json_object* o)
{
    const char* t = json_object_to_json_string_ext(o, JSON_C_TO_STRING_SPACED | JSON_C_TO_STRING_PRETTY);
    char* result = t ? strdup(t) : nullptr;
    json_object_put(o);
    return result;
}

json_object* summaryCopy(json_object* src)
{
    return copyOf(member(src, "Summary", json_type_object));
}

} // namespace

char* media_profile_save_json(const media_profile* p, const char* title, const char* description, int32_t bitrate)
{
    if (!p || !p->json)
        return nullptr;
    json_object* src = p->json;
    json_object* out = json_object_new_object();
    if (!out)
        return nullptr;
    for (const char* key : {"Extension", "ToDevice", "Target", "Comment", "Summary", "ID", "Type", "PadForce", "Subtitle"})
        copyKey(out, src, key);
    json_object_object_add(out, "Quality", json_object_new_int(p->quality));
    if (bitrate > 10)
        json_object_object_add(out, "CustomVideoBitRate", json_object_new_int(bitrate));
    if (json_object_object_get_ex(src, "PadValue", nullptr))
        json_object_object_add(out, "PadValue", json_object_new_boolean(p->padValue));

    const char* defaultVideo = media_profile_get_default_video_codec(p);
    const char* defaultAudio = media_profile_get_default_audio_codec(p);
    if (json_object* video = member(src, "Video", json_type_object)) {
        json_object* v = json_object_new_object();
        copyKey(v, video, "TrackNumLimit");
        setText(v, "DefaultCodec", defaultVideo);
        json_object* codecs = json_object_new_array();
        if (json_object* list = member(video, "Codecs", json_type_array)) {
            const size_t n = json_object_array_length(list);
            for (size_t i = 0; i < n; ++i) {
                json_object* c = json_object_array_get_idx(list, i);
                json_object* name = member(c, "Codec", json_type_string);
                if (!name || !media_text_equals(json_object_get_string(name), defaultVideo))
                    continue;
                json_object* copy = copyOf(c);
                const video_codec_entry* e = media_profile_video_entry(p, int32_t(i));
                if (e) {
                    writeOption(copy, "Aspect", e->aspect, true, false);
                    writeOption(copy, "ProfileLevel", e->profileLevel, true, false);
                    writeOption(copy, "Bitrate", e->bitrate, true, false);
                    writeOption(copy, "BFrames", e->bFrames, true, false);
                    writeOption(copy, "FrameRate", e->frameRate, true, false);
                    writeOption(copy, "Resolution", e->resolution, true, false);
                }
                writeVideoExtras(copy, e);
                json_object_array_add(codecs, copy);
            }
        }
        json_object_object_add(v, "Codecs", codecs);
        json_object_object_add(out, "Video", v);
    }
    if (json_object* audio = member(src, "Audio", json_type_object)) {
        json_object* a = json_object_new_object();
        copyKey(a, audio, "TrackNumLimit");
        setText(a, "DefaultCodec", defaultAudio);
        copyKey(a, audio, "CodecsPassthru");
        json_object* codecs = json_object_new_array();
        if (json_object* list = member(audio, "Codecs", json_type_array)) {
            const size_t n = json_object_array_length(list);
            for (size_t i = 0; i < n; ++i) {
                json_object* c = json_object_array_get_idx(list, i);
                json_object* name = member(c, "Codec", json_type_string);
                if (!name || !media_text_equals(json_object_get_string(name), defaultAudio))
                    continue;
                json_object* copy = copyOf(c);
                if (const audio_codec_entry* e = media_profile_audio_entry(p, int32_t(i))) {
                    writeOption(copy, "Bitrate", e->bitrate, true, false);
                    writeOption(copy, "SampleRate", e->sampleRate, true, false);
                    writeOption(copy, "Channel", e->channel, true, false);
                }
                json_object_array_add(codecs, copy);
            }
        }
        json_object_object_add(a, "Codecs", codecs);
        json_object_object_add(out, "Audio", a);
    }
    if (json_object* summary = summaryCopy(src)) {
        json_object* titles = json_object_new_object();
        setText(titles, "en", title);
        json_object_object_add(summary, "Titles", titles);
        json_object* descriptions = json_object_new_object();
        setText(descriptions, "en", description);
        json_object_object_add(summary, "Descriptions", descriptions);
        if (defaultVideo)
            setText(summary, "VideoCodec", defaultVideo);
        if (defaultAudio)
            setText(summary, "AudioCodec", defaultAudio);
        json_object_object_add(summary, "Recommend", json_object_new_boolean(0));
        json_object_object_add(out, "Summary", summary);
    }
    json_object_object_add(out, "CustomProfile", json_object_new_int(1));
    return textOfObject(out);
}

char* media_profile_convert_json(const media_profile* p)
{
    if (!p || !p->json)
        return nullptr;
    json_object* src = p->json;
    json_object* out = json_object_new_object();
    if (!out)
        return nullptr;
    for (const char* key : {"Extension", "ToDevice", "Target", "Comment", "ID", "Type", "Subtitle"})
        copyKey(out, src, key);
    json_object_object_add(out, "Quality", json_object_new_int(p->quality));
    if (json_object_object_get_ex(src, "PadForce", nullptr))
        json_object_object_add(out, "PadForce", json_object_new_boolean(p->padForce));
    if (json_object_object_get_ex(src, "PadValue", nullptr))
        json_object_object_add(out, "PadValue", json_object_new_boolean(p->padValue));

    const char* defaultVideo = media_profile_get_default_video_codec(p);
    const char* defaultAudio = media_profile_get_default_audio_codec(p);
    if (json_object* v = copyOf(member(src, "Video", json_type_object))) {
        if (defaultVideo)
            setText(v, "DefaultCodec", defaultVideo);
        if (json_object* list = member(v, "Codecs", json_type_array)) {
            const size_t n = json_object_array_length(list);
            for (size_t i = 0; i < n; ++i) {
                json_object* c = json_object_array_get_idx(list, i);
                if (!c || !json_object_is_type(c, json_type_object))
                    continue;
                const video_codec_entry* e = media_profile_video_entry(p, int32_t(i));
                if (e) {
                    writeOption(c, "ProfileLevel", e->profileLevel, false, false);
                    writeOption(c, "Bitrate", e->bitrate, false, false);
                    writeOption(c, "BFrames", e->bFrames, false, false);
                    for (auto [key, set] : {std::pair<const char*, option_set*>{"Aspect", e->aspect},
                                            {"FrameRate", e->frameRate}, {"Resolution", e->resolution}}) {
                        if (set && set->modified)
                            writeOption(c, key, set, false, true);
                    }
                }
                writeVideoExtras(c, e);
            }
        }
        json_object_object_add(out, "Video", v);
    }
    if (json_object* a = copyOf(member(src, "Audio", json_type_object))) {
        if (defaultAudio)
            setText(a, "DefaultCodec", defaultAudio);
        if (json_object* list = member(a, "Codecs", json_type_array)) {
            const size_t n = json_object_array_length(list);
            for (size_t i = 0; i < n; ++i) {
                json_object* c = json_object_array_get_idx(list, i);
                if (!c || !json_object_is_type(c, json_type_object))
                    continue;
                if (const audio_codec_entry* e = media_profile_audio_entry(p, int32_t(i))) {
                    writeOption(c, "Bitrate", e->bitrate, false, false);
                    writeOption(c, "SampleRate", e->sampleRate, false, false);
                    writeOption(c, "Channel", e->channel, false, false);
                }
            }
        }
        json_object_object_add(out, "Audio", a);
    }
    if (json_object* summary = summaryCopy(src)) {
        if (defaultVideo)
            setText(summary, "VideoCodec", defaultVideo);
        else
            json_object_object_del(summary, "VideoCodec");
        if (defaultAudio)
            setText(summary, "AudioCodec", defaultAudio);
        else
            json_object_object_del(summary, "AudioCodec");
        json_object_object_add(out, "Summary", summary);
    }
    json_object_object_add(out, "CustomProfile", json_object_new_int(p->customProfile == 1 ? 1 : 2));
    copyKey(out, src, "CustomVideoBitRate");
    return textOfObject(out);
}
