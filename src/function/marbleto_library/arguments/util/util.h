#pragma once

// The media library's set-up, languages and diagnostics: plain functions in
// the library's own lower-case style. Set up once with
// media_congfig_global_init on the thread that builds the first media
// information manager; afterwards the configuration is only read.

#include <cstdint>

// Turns a UTF-8 path into a new directory; returns a new copy of the path
// (free() it), or null on failure.
using media_make_directory_fn = char* (*)(const char* utf8Path);

struct media_config
{
    char language[4];                 // ISO 639-2/T, "eng" after set-up
    int32_t initialised;              // 1 after set-up
    media_make_directory_fn makeDirectory;
    bool autoCopy;
};

// The one process-wide configuration (zero until set up).
media_config* media_config_get();

void media_congfig_global_init();
void media_config_check_init();
void media_config_set_auto_copy(bool autoCopy);
void media_config_set_language(const char* language);

// One row of the ISO 639 table; texts are UTF-8, absent columns null.
struct iso639_entry
{
    const char* englishName;
    const char* nativeName;
    const char* iso639_1;
    const char* iso639_2t;
    const char* iso639_2b;
    const char* iso639_1_old;
};

// 185 rows and a terminating row of nulls.
extern const iso639_entry iso639_table[];

// The row whose code or name equals `text` (ASCII case-insensitive), "any"
// giving the first; null for none, and for an empty or missing text.
const iso639_entry* find_language_entry(const char* text);

char* make_directory_utf8(const char* utf8Path);

// Key of the codec registry: h = h * 131 + c over the bytes (signed), low
// 31 bits kept.
uint32_t string_hash(const char* text);
// A new copy (free() it) with only A-Z lowered; null when it cannot be made.
char* string_lower_dup(const char* text);

// Diagnostics, levels 0 to 3. Off until a sink is installed: then texts at
// or above minLevel go to the callback, or to standard output without one.
using media_log_callback = void (*)(int level, const char* text);
void media_log_set_sink(bool enabled, int minLevel, media_log_callback callback);
void media_log(int level, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
