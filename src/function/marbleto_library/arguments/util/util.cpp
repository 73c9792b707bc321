#include "function/marbleto_library/arguments/util/util.h"

#include "function/marbleto_library/arguments/util/codec_registry.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <strings.h>
#include <sys/stat.h>

namespace {

media_config g_config;

struct LogSink
{
    std::mutex lock;
    bool enabled = false;
    int minLevel = 0;
    media_log_callback callback = nullptr;
};

LogSink& sink()
{
    static LogSink s;
    return s;
}

bool equalsNoCase(const char* a, const char* b)
{
    return a && b && strcasecmp(a, b) == 0;
}

} // namespace

media_config* media_config_get()
{
    return &g_config;
}

void media_congfig_global_init()
{
    if (g_config.initialised == 1)
        return;
    std::memcpy(g_config.language, "eng", 4);
    g_config.makeDirectory = make_directory_utf8;
    g_config.initialised = 1;
    codec_register_all();
}

void media_config_check_init()
{
    if (g_config.initialised != 1) {
        std::fputs("call media_congfig_global_init firstly...", stdout);
        std::fflush(stdout);
    }
}

void media_config_set_auto_copy(bool autoCopy)
{
    media_config_check_init();
    g_config.autoCopy = autoCopy;
}

void media_config_set_language(const char* language)
{
    media_config_check_init();
    if (!language || std::strlen(language) >= 16)
        return;
    const char* lookup = std::strncmp(language, "zh-", 3) == 0 ? "zho" : language;
    const iso639_entry* row = find_language_entry(lookup);
    if (row && row->iso639_2t && std::strlen(row->iso639_2t) == 3)
        std::memcpy(g_config.language, row->iso639_2t, 4);
}

const iso639_entry* find_language_entry(const char* text)
{
    // An empty text would match the empty column of the Hebrew row.
    if (!text || !*text)
        return nullptr;
    if (strcasecmp(text, "any") == 0)
        return &iso639_table[0];
    for (const iso639_entry* row = iso639_table; row->englishName; ++row) {
        for (const char* column : {row->iso639_1, row->iso639_1_old, row->iso639_2t, row->iso639_2b,
                                   row->englishName, row->nativeName}) {
            if (column && *column && equalsNoCase(column, text))
                return row;
        }
    }
    return nullptr;
}

char* make_directory_utf8(const char* utf8Path)
{
    if (!utf8Path || !*utf8Path)
        return nullptr;
    // Linux paths are bytes: the UTF-8 text is the path itself.
    if (mkdir(utf8Path, 0777) != 0)
        return nullptr;
    return strdup(utf8Path);
}

uint32_t string_hash(const char* text)
{
    uint32_t h = 0;
    for (const char* p = text; p && *p; ++p)
        h = h * 131u + uint32_t(int32_t(static_cast<signed char>(*p)));
    return h & 0x7FFFFFFFu;
}

char* string_lower_dup(const char* text)
{
    char* copy = text ? strdup(text) : nullptr;
    if (!copy) {
        media_log(3, "%s [%d] : String case conversion failed. Error code %d", __FILE__, __LINE__, errno);
        return nullptr;
    }
    for (char* p = copy; *p; ++p) {
        if (*p >= 'A' && *p <= 'Z')
            *p = char(*p - 'A' + 'a');
    }
    return copy;
}

void media_log_set_sink(bool enabled, int minLevel, media_log_callback callback)
{
    LogSink& s = sink();
    std::lock_guard<std::mutex> guard(s.lock);
    s.enabled = enabled;
    s.minLevel = minLevel;
    s.callback = callback;
}

void media_log(int level, const char* format, ...)
{
    LogSink& s = sink();
    media_log_callback callback;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.enabled || level < s.minLevel)
            return;
        callback = s.callback;
    }
    // Each call formats into its own buffer: builders may run on any thread.
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (callback)
        callback(level, buffer);
    else
        std::printf("%s\n", buffer);
}
