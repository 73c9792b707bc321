// dvdanalyse SOURCE
//
// Prints the description of a DVD video source (a mounted disc, a folder
// holding VIDEO_TS, or an image file) as the JSON the media library reads:
// per title its frame rate, whether it is the main (longest) title, its
// length and chapter lengths in milliseconds, its palette and its video,
// audio and subtitle tracks with two-letter languages. Exits with 1 when
// the source cannot be opened as a DVD.
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

int bcd(uint8_t v)
{
    return (v >> 4) * 10 + (v & 0x0f);
}

double frameRate(const dvd_time_t& t)
{
    return (t.frame_u >> 6) == 3 ? 29.97 : 25.0;
}

int64_t milliseconds(const dvd_time_t& t)
{
    const double fps = (t.frame_u >> 6) == 1 ? 25.0 : (t.frame_u >> 6) == 3 ? 29.97 : 0.0;
    int64_t ms = int64_t(bcd(t.hour)) * 3600000 + int64_t(bcd(t.minute)) * 60000 + int64_t(bcd(t.second)) * 1000;
    if (fps > 0)
        ms += int64_t(bcd(t.frame_u & 0x3f) * 1000 / fps);
    return ms;
}

std::string language(uint16_t code, bool given)
{
    const char a = char(code >> 8), b = char(code & 0xff);
    if (!given || !std::isalpha(static_cast<unsigned char>(a)) || !std::isalpha(static_cast<unsigned char>(b)))
        return std::string();
    return std::string{char(std::tolower(static_cast<unsigned char>(a))), char(std::tolower(static_cast<unsigned char>(b)))};
}

const char* audioStandard(unsigned format)
{
    switch (format) {
    case 0: return "ac3";
    case 2: return "mpeg1";
    case 3: return "mpeg2";
    case 4: return "lpcm";
    case 6: return "dts";
    default: return "unknown";
    }
}

int audioId(unsigned format, int stream)
{
    switch (format) {
    case 0: return 0x80 + stream;
    case 2:
    case 3: return 0xC0 + stream;
    case 4: return 0xA0 + stream;
    case 6: return 0x88 + stream;
    default: return stream;
    }
}

// The scrambling bits of the first PES packet in the first pack of the
// title set's VOBs.
bool scrambled(dvd_reader_t* dvd, int titleSet)
{
    dvd_file_t* file = DVDOpenFile(dvd, titleSet, DVD_READ_TITLE_VOBS);
    if (!file)
        return false;
    unsigned char block[DVD_VIDEO_LB_LEN];
    bool result = false;
    if (DVDReadBlocks(file, 0, 1, block) == 1) {
        for (size_t i = 14; i + 7 < sizeof block; ++i) {
            if (block[i] != 0 || block[i + 1] != 0 || block[i + 2] != 1)
                continue;
            const unsigned id = block[i + 3];
            if (id == 0xBD || (id >= 0xC0 && id <= 0xEF)) {
                result = (block[i + 6] & 0x30) != 0;
                break;
            }
        }
    }
    DVDCloseFile(file);
    return result;
}

struct Title
{
    double fps = 25.0;
    int64_t duration = 0;
    std::string palette;
    std::string video;
    std::vector<std::string> audio;
    std::vector<std::string> subtitles;
    std::vector<int64_t> chapters;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dvdanalyse SOURCE\n");
        return 2;
    }
    // libdvdread writes its notices to standard output, which carries only
    // the JSON: the library's writes go to standard error instead.
    std::fflush(stdout);
    const int jsonFd = dup(1);
    dup2(2, 1);
    FILE* json = jsonFd >= 0 ? fdopen(jsonFd, "w") : nullptr;
    if (!json)
        return 1;
    dvd_reader_t* dvd = DVDOpen(argv[1]);
    if (!dvd) {
        std::fprintf(stderr, "dvdanalyse: cannot open %s\n", argv[1]);
        return 1;
    }
    ifo_handle_t* vmg = ifoOpen(dvd, 0);
    if (!vmg || !vmg->tt_srpt) {
        std::fprintf(stderr, "dvdanalyse: %s holds no DVD video structure\n", argv[1]);
        if (vmg)
            ifoClose(vmg);
        DVDClose(dvd);
        return 1;
    }
    std::map<int, ifo_handle_t*> sets;
    std::vector<Title> titles;
    bool css = false;
    bool cssTested = false;
    for (int i = 0; i < vmg->tt_srpt->nr_of_srpts; ++i) {
        const title_info_t& info = vmg->tt_srpt->title[i];
        Title t;
        ifo_handle_t*& vts = sets[info.title_set_nr];
        if (!vts)
            vts = ifoOpen(dvd, info.title_set_nr);
        if (vts && !cssTested) {
            css = scrambled(dvd, info.title_set_nr);
            cssTested = true;
        }
        bool readable = false;
        if (vts && vts->vts_ptt_srpt && vts->vts_pgcit && vts->vtsi_mat && info.vts_ttn >= 1
            && info.vts_ttn <= vts->vts_ptt_srpt->nr_of_srpts) {
            const ttu_t& ttu = vts->vts_ptt_srpt->title[info.vts_ttn - 1];
            const int pgcn = ttu.nr_of_ptts > 0 ? ttu.ptt[0].pgcn : 1;
            const pgc_t* pgc = pgcn >= 1 && pgcn <= vts->vts_pgcit->nr_of_pgci_srp ? vts->vts_pgcit->pgci_srp[pgcn - 1].pgc : nullptr;
            if (pgc) {
                readable = true;
                t.fps = frameRate(pgc->playback_time);
                t.duration = milliseconds(pgc->playback_time);
                char hex[16];
                for (int c = 0; c < 16; ++c) {
                    std::snprintf(hex, sizeof hex, "%s0x%06x", c ? "," : "", pgc->palette[c] & 0xffffff);
                    t.palette += hex;
                }
                const video_attr_t& v = vts->vtsi_mat->vts_video_attr;
                const bool pal = v.video_format == 1;
                static const int widths[] = {720, 704, 352, 352};
                const int height = v.picture_size == 3 ? (pal ? 288 : 240) : (pal ? 576 : 480);
                const bool wide = v.display_aspect_ratio == 3;
                char video[200];
                std::snprintf(video, sizeof video,
                              "{\"standard\": \"%s\", \"width\": %d, \"height\": %d, \"aspect_width\": %d, \"aspect_height\": %d}",
                              pal ? "PAL" : "NTSC", widths[v.picture_size & 3], height, wide ? 16 : 4, wide ? 9 : 3);
                t.video = video;
                for (int k = 0; k < 8 && k < vts->vtsi_mat->nr_of_vts_audio_streams; ++k) {
                    if (!(pgc->audio_control[k] & 0x8000))
                        continue;
                    const audio_attr_t& a = vts->vtsi_mat->vts_audio_attr[k];
                    const int stream = (pgc->audio_control[k] >> 8) & 7;
                    char line[200];
                    std::snprintf(line, sizeof line,
                                  "{\"id\": %d, \"standard\": \"%s\", \"channels\": %d, \"language\": \"%s\"}",
                                  audioId(a.audio_format, stream), audioStandard(a.audio_format), a.channels + 1,
                                  language(a.lang_code, a.lang_type == 1).c_str());
                    t.audio.push_back(line);
                }
                for (int k = 0; k < 32 && k < vts->vtsi_mat->nr_of_vts_subp_streams; ++k) {
                    if (!(pgc->subp_control[k] & 0x80000000u))
                        continue;
                    const subp_attr_t& s = vts->vtsi_mat->vts_subp_attr[k];
                    char line[120];
                    std::snprintf(line, sizeof line, "{\"id\": %d, \"language\": \"%s\"}", 0x20 + k,
                                  language(s.lang_code, s.type == 1).c_str());
                    t.subtitles.push_back(line);
                }
                // Chapters: the cells of each program of the title.
                for (int c = 0; c < ttu.nr_of_ptts; ++c) {
                    const int cp = ttu.ptt[c].pgcn;
                    const int pgn = ttu.ptt[c].pgn;
                    const pgc_t* cpgc = cp >= 1 && cp <= vts->vts_pgcit->nr_of_pgci_srp ? vts->vts_pgcit->pgci_srp[cp - 1].pgc : nullptr;
                    if (!cpgc || pgn < 1 || pgn > cpgc->nr_of_programs || !cpgc->program_map || !cpgc->cell_playback)
                        continue;
                    const int first = cpgc->program_map[pgn - 1];
                    const int last = pgn < cpgc->nr_of_programs ? cpgc->program_map[pgn] - 1 : cpgc->nr_of_cells;
                    int64_t length = 0;
                    for (int cell = first; cell <= last && cell >= 1 && cell <= cpgc->nr_of_cells; ++cell)
                        length += milliseconds(cpgc->cell_playback[cell - 1].playback_time);
                    t.chapters.push_back(length);
                }
            }
        }
        // A title whose set cannot be read would show as an empty 0 ms title.
        if (!readable) {
            std::fprintf(stderr, "dvdanalyse: title %d (title set %d) cannot be read, left out\n", i + 1,
                         int(info.title_set_nr));
            continue;
        }
        titles.push_back(t);
    }
    if (titles.empty()) {
        std::fprintf(stderr, "dvdanalyse: %s holds no readable title\n", argv[1]);
        for (auto& s : sets) {
            if (s.second)
                ifoClose(s.second);
        }
        ifoClose(vmg);
        DVDClose(dvd);
        return 1;
    }
    size_t main = 0;
    for (size_t i = 1; i < titles.size(); ++i) {
        if (titles[i].duration > titles[main].duration)
            main = i;
    }

    std::fprintf(json, "{\n  \"css scrambled\": %s,\n  \"disney protected\": false,\n  \"track model\": 0,\n",
                css ? "true" : "false");
    std::fprintf(json, "  \"title number\": %zu,\n  \"titles\": [", titles.size());
    for (size_t i = 0; i < titles.size(); ++i) {
        const Title& t = titles[i];
        std::fprintf(json, "%s\n    {\"fps\": %.3f, \"main\": %s, \"duration\": %lld, \"palette\": \"%s\",\n", i ? "," : "",
                    t.fps, i == main ? "true" : "false", static_cast<long long>(t.duration), t.palette.c_str());
        std::fprintf(json, "     \"video\": [%s],\n     \"audio\": [", t.video.c_str());
        for (size_t k = 0; k < t.audio.size(); ++k)
            std::fprintf(json, "%s%s", k ? ", " : "", t.audio[k].c_str());
        std::fprintf(json, "],\n     \"subtitle\": [");
        for (size_t k = 0; k < t.subtitles.size(); ++k)
            std::fprintf(json, "%s%s", k ? ", " : "", t.subtitles[k].c_str());
        std::fprintf(json, "],\n     \"chapter\": [");
        for (size_t k = 0; k < t.chapters.size(); ++k)
            std::fprintf(json, "%s%lld", k ? ", " : "", static_cast<long long>(t.chapters[k]));
        std::fprintf(json, "]}");
    }
    std::fprintf(json, "\n  ]\n}\n");
    for (auto& s : sets) {
        if (s.second)
            ifoClose(s.second);
    }
    ifoClose(vmg);
    DVDClose(dvd);
    return std::fclose(json) == 0 ? 0 : 1;
}
