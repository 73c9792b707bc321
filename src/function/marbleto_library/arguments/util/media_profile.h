#pragma once

// Output profiles as the media library sees them: a profile JSON text parsed
// into a media_profile whose editable settings are option sets, and the two
// JSON texts written back from one ("save" for a new custom profile,
// "convert" for the profile of a running conversion).
//
// Plain functions over records that are allocated zero-filled and freed by
// their own free functions (which free every owned text). Nothing here is
// shared between threads: a record belongs to the thread that made it.

#include <cstdint>

struct json_object;

// ---- list -------------------------------------------------------------------

using media_list_release = void (*)(void* element);

struct media_list_node
{
    void* element;
    media_list_node* prev;
    media_list_node* next;
};

struct media_list
{
    uint32_t count;
    media_list_node* head;
    media_list_node* tail;
    media_list_release release;     // called per element by media_list_free; may be null
};

media_list* media_list_create(media_list_release release);
// Refuses a missing list or element.
bool media_list_append(media_list* list, void* element);
// A negative index i counts from the tail as -i - 1; null when out of range.
void* media_list_get(const media_list* list, int32_t index);
void media_list_free(media_list* list);
// A list of text copies (free() per element).
media_list* media_list_create_texts();

// ---- option sets ----------------------------------------------------------

using option_parse_fn = void* (*)(const char* text);
using option_release_fn = void (*)(void* value);

struct option_value
{
    char* text;
    void* value;
};

struct option_set
{
    option_value current;       // both null until set
    bool editable;              // any valid value is accepted, not only a preset
    bool modified;
    media_list* presets;        // of option_value
    option_parse_fn parse;
    option_release_fn release;
};

option_set* option_set_create(option_parse_fn parse, option_release_fn release);
void option_set_free(option_set* set);
// Refused when missing, already a preset (exact text) or when the parse gives none.
bool option_set_add_preset(option_set* set, const char* text);
bool option_set_has_preset(const option_set* set, const char* text);
// The preset whose text equals `text` exactly; null for none.
const option_value* option_set_find_preset(const option_set* set, const char* text);
// Refuses a missing set, a missing or empty text, a text that is no preset of
// a set that is not editable, and a text that does not parse.
bool option_set_set_current(option_set* set, const char* text);
option_set* option_set_copy(const option_set* set);
const char* option_set_text(const option_set* set);

// Value parsers; each result is malloc'ed (release with free()).
void* parse_text_value(const char* text);          // char*
void* parse_integer_value(const char* text);       // int32_t*
void* parse_frame_rate_value(const char* text);    // float*
void* parse_pair_value(const char* text);          // int32_t[2]
void release_value(void* value);

// "1920x1080" -> 1920, 1080; "16:9" -> 16, 9; "2.35:1" -> 235, 100. Both -1
// and false when no pair is found or a number does not fit 32 bits.
bool parse_ratio(const char* text, int32_t* first, int32_t* second);

// ---- the profile record ---------------------------------------------------

struct video_codec_entry
{
    char* codec;
    option_set* bitrate;        // text
    char* mode;
    bool twoPass;
    option_set* resolution;     // pair
    option_set* frameRate;      // frame rate
    option_set* aspect;         // pair
    option_set* profileLevel;   // text
    char* level;
    option_set* bFrames;        // integer
    int32_t maxWidth;
    int32_t maxHeight;
    int32_t maxBitRate;
    int32_t allowBFrames;
    float maxFrameRate;
    int32_t allowPassthrough;
    int32_t gop;
};

struct audio_codec_entry
{
    char* codec;
    option_set* channel;        // integer
    option_set* bitrate;        // integer
    option_set* sampleRate;     // integer
};

struct video_settings
{
    char* defaultCodec;
    int32_t trackNumLimit;
    media_list* codecs;         // of video_codec_entry
};

struct audio_settings
{
    char* defaultCodec;
    int32_t trackNumLimit;
    media_list* passthrough;    // of texts
    media_list* codecs;         // of audio_codec_entry
};

struct subtitle_settings
{
    int32_t trackNumLimit;
    bool allowImageSubTrack;
    bool burnedInDefault;
};

struct media_profile
{
    int32_t id;
    char* type;
    video_settings* video;
    audio_settings* audio;
    subtitle_settings* subtitle;
    int32_t customProfile;
    char* extension;
    char* target;
    int32_t quality;
    bool padForce;
    bool padValue;
    media_list* toDevice;       // of texts
    char* comment;
    int32_t customVideoBitRate;
    json_object* json;          // one reference held by this record
};

media_profile* media_profile_from_json(const char* text);
void media_profile_free(media_profile* profile);
// New texts (free() them) or null.
char* media_profile_save_json(const media_profile* profile, const char* title, const char* description,
                              int32_t bitrate);
char* media_profile_convert_json(const media_profile* profile);

video_codec_entry* video_codec_entry_create();
void video_codec_entry_free(void* entry);
audio_codec_entry* audio_codec_entry_create();
void audio_codec_entry_free(void* entry);

// Entries by position; null when missing.
video_codec_entry* media_profile_video_entry(const media_profile* profile, int32_t index);
audio_codec_entry* media_profile_audio_entry(const media_profile* profile, int32_t index);

// Getters: the field, or 0, null or -1 (quality) for a missing record.
int32_t media_profile_get_id(const media_profile* profile);
const char* media_profile_get_type(const media_profile* profile);
int32_t media_profile_get_custom_profile(const media_profile* profile);
const char* media_profile_get_extension(const media_profile* profile);
const char* media_profile_get_target(const media_profile* profile);
int32_t media_profile_get_quality(const media_profile* profile);
bool media_profile_get_pad_force(const media_profile* profile);
bool media_profile_get_pad_value(const media_profile* profile);
const char* media_profile_get_comment(const media_profile* profile);
int32_t media_profile_get_custom_video_bitrate(const media_profile* profile);
const char* media_profile_get_default_video_codec(const media_profile* profile);
const char* media_profile_get_default_audio_codec(const media_profile* profile);

// Setters: refuse a missing record or text, copy texts and free the old copy.
bool media_profile_set_id(media_profile* profile, int32_t id);
bool media_profile_set_type(media_profile* profile, const char* type);
bool media_profile_set_extension(media_profile* profile, const char* extension);
bool media_profile_set_target(media_profile* profile, const char* target);   // also refuses ""
bool media_profile_set_quality(media_profile* profile, int32_t quality);
bool media_profile_set_comment(media_profile* profile, const char* comment);
bool media_profile_set_custom_video_bitrate(media_profile* profile, int32_t bitrate);
// The default codec must name an existing entry exactly.
bool media_profile_set_default_video_codec(media_profile* profile, const char* name);
bool media_profile_set_default_audio_codec(media_profile* profile, const char* name);

// Null-safe exact text comparison: two missing texts are not equal.
bool media_text_equals(const char* a, const char* b);
bool media_text_equals_nocase(const char* a, const char* b);
// A copy of a non-empty text, else null.
char* media_strdup(const char* text);
