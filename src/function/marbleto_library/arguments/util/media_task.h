#pragma once

// A conversion task of a disc: the disc description read from its JSON text,
// the default choice of titles and tracks, and the output profile held twice
// (as loaded, and the working copy the user's choices change).
//
// Same conventions as media_profile.h: zero-filled records freed by their
// own free functions; failures are results, never exceptions. A task belongs
// to the thread that uses it.

#include "function/marbleto_library/arguments/util/media_profile.h"

#include <cstdint>

constexpr int kDvdMaxTitles = 99;
constexpr int kDvdMaxTracks = 32;
constexpr int kDvdMaxChapters = 99;
constexpr int kSelectionMaxTracks = 64;

// ---- disc description -------------------------------------------------------

struct dvd_video_track
{
    uint32_t index;
    char* standard;
    int32_t width;
    int32_t height;
    int32_t aspectWidth;
    int32_t aspectHeight;
};

struct dvd_audio_track
{
    uint32_t index;
    int32_t id;
    char* standard;
    int32_t channels;
    char languageCode[4];           // ISO 639-2/T, empty when unknown
    const char* languageName;       // English name from the language table; null when unknown
};

struct dvd_subtitle_track
{
    uint32_t index;
    int32_t id;
    char languageCode[4];
    const char* languageName;
    int32_t width;
    int32_t height;
};

struct dvd_chapter
{
    uint32_t index;
    int64_t start;      // sum of the lengths before it (milliseconds)
    int32_t length;
};

struct dvd_title
{
    uint32_t index;
    int32_t duration;   // milliseconds
    bool isMain;
    float fps;
    char* palette;
    dvd_video_track* videoTracks[kDvdMaxTracks];
    int32_t videoCount;
    dvd_audio_track* audioTracks[kDvdMaxTracks];
    int32_t audioCount;
    dvd_subtitle_track* subtitleTracks[kDvdMaxTracks];
    int32_t subtitleCount;
    dvd_chapter* chapters[kDvdMaxChapters];
    int32_t chapterCount;
};

struct dvd_info
{
    bool cssScrambled;
    bool disneyProtected;
    int32_t trackModel;     // 0, 1 or 2
    dvd_title* titles[kDvdMaxTitles];
    int32_t titleCount;
};

struct json_object;

dvd_info* create_dvdinfo_from_JSON(const char* text);
dvd_title* new_dvd_title_from_JSONObj(json_object* object, uint32_t index);
dvd_audio_track* new_dvd_audio_track_from_JSONObj(json_object* object, uint32_t index);
void free_dvd_title(dvd_title* title);
void free_dvd_info(dvd_info* info);

// ---- selection ----------------------------------------------------------------

struct video_choice
{
    bool selected;
    uint32_t index;
    bool isDefault;
    // Starting values of the editor that reads them (stereo layout and its
    // depth and placement); the media library only keeps them.
    int32_t mode;
    char layout[8];
    char layoutOrder[8];
    float depth;
    float range;
    float strength;
    float softness;
    float regionLeft;
    float regionTop;
    float regionWidth;
    float regionHeight;
};

struct audio_choice
{
    bool selected;
    uint32_t index;
    bool isDefault;
};

// How a subtitle shows on one video track. `off` clear means it may show
// there; the other values are unset (-1) until an editor fills them.
struct subtitle_placement
{
    uint8_t off;
    int32_t values[7];
};

struct subtitle_choice
{
    bool selected;
    uint32_t index;
    subtitle_placement placements[kDvdMaxTracks];   // one per video track
    int32_t placementCount;
};

struct chapter_choice
{
    int64_t value;
};

struct title_selection
{
    bool selected;
    video_choice* video[kSelectionMaxTracks];
    int32_t videoCount;
    audio_choice* audio[kSelectionMaxTracks];
    int32_t audioCount;
    subtitle_choice* subtitle[kSelectionMaxTracks];
    int32_t subtitleCount;
    chapter_choice* chapters[kDvdMaxChapters];
    int32_t chapterCount;
    bool hasChapters;
};

void free_title_selection(media_list* selection);
title_selection* title_selection_at(const media_list* selection, int32_t title);
video_choice* video_choice_at(const title_selection* title, int32_t index);
audio_choice* audio_choice_at(const title_selection* title, int32_t index);
subtitle_choice* subtitle_choice_at(const title_selection* title, int32_t index);

// ---- output profile of a task -----------------------------------------------

struct codec_choice_record
{
    char* name;     // owned, "copy" included
};

struct profile_holder
{
    media_profile* loaded;
    media_profile* working;     // shares loaded's JSON object (its own reference)
    int32_t videoBitrate;       // kbit/s
    codec_choice_record video;
    codec_choice_record audio;
    char* text;                 // the profile text the holder was loaded from
};

// A profile kept outside a task: made from a profile text and a bitrate.
struct profile_choice
{
    char* text;
    media_profile* profile;
    int32_t bitrate;            // kbit/s
};

profile_choice* create_profile_choice(const char* profileJson, int32_t bitrate);
void free_profile_choice(profile_choice* choice);

struct media_task
{
    bool active;
    int64_t sourceNumber;
    char* sourceA;
    char* sourceB;
    dvd_info* disc;
    media_list* selection;      // of title_selection
    profile_holder* profile;
};

media_task* create_media_task(const char* a, const char* b, int64_t number, const char* discJson,
                              const char* profileJson);
void free_media_task(media_task* task);

// Video option kinds of the access operations (on the default video codec's entry).
enum video_option_kind
{
    VIDEO_OPTION_CODEC = 0,
    VIDEO_OPTION_FRAME_RATE = 1,
    VIDEO_OPTION_RESOLUTION = 2,
    VIDEO_OPTION_ASPECT = 3,
    VIDEO_OPTION_BITRATE = 4,
    VIDEO_OPTION_PROFILE = 5,
    VIDEO_OPTION_LEVEL = 6,
    VIDEO_OPTION_BFRAMES = 7,
};

bool load_task_profile(media_task* task, const char* profileJson);
bool apply_task_profile(media_task* task, const media_profile* profile);
bool set_video_option(media_task* task, int kind, const char* text);
const char* get_video_option(const profile_choice* choice, int kind);
const char* get_video_option(const profile_holder* holder, int kind);
bool apply_profile_choice(media_task* task, const profile_choice* choice);

// New texts (free() them) or null.
char* task_save_profile_json(const media_task* task, const char* title, const char* description);
char* task_convert_profile_json(const media_task* task);
char* choice_save_profile_json(const profile_choice* choice, const char* title, const char* description);
char* choice_save_profile_json(const profile_holder* holder, const char* title, const char* description);

void source_resolution(const media_task* task, int32_t* width, int32_t* height);
void target_resolution(const media_task* task, int32_t* width, int32_t* height);
int32_t default_video_codec_index(const media_profile* profile);
float video_frame_rate_value(const media_profile* profile, int32_t index);
bool is_h264_name(const char* text);
bool is_hevc_name(const char* text);
int estimate_tiered_bitrate(int width, int height, float fps, float factor);
void compute_video_bitrate(media_task* task, bool force);
void apply_h264_rule(media_task* task);
// The track limits of the working profile applied to the task's selection.
void apply_track_limits(media_task* task);
