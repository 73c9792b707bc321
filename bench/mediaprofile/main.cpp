// Two ratios of the profile code, each measured in one run:
//  - memory: the peak resident size after 10,000 cycles of load, change,
//    export and free of a shipped profile against the peak after 1,000
//    (a leak per cycle shows as growth; the target is at most 1.1);
//  - parsing: the time to read a full tree of 2,000 profile files against
//    one of 200 (the target is at most 12, linear being 10).
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>
#include <cstdlib>
#include <sys/resource.h>

namespace {

long peakKib()
{
    struct rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void cycle(const QByteArray& profile, const QByteArray& disc, int i)
{
    media_task* task = create_media_task("disc", "/dev/sr0", i, disc.constData(), profile.constData());
    set_video_option(task, VIDEO_OPTION_RESOLUTION, (i & 1) ? "1280x720" : "640x360");
    set_video_option(task, VIDEO_OPTION_PROFILE, "main");
    char* saved = task_save_profile_json(task, "Mine", "Changed");
    char* converted = task_convert_profile_json(task);
    media_profile* again = media_profile_from_json(saved);
    std::free(saved);
    std::free(converted);
    media_profile_free(again);
    free_media_task(task);
}

// Milliseconds to parse a converter tree of `count` profile files.
double parseTree(const QString& program, int count, const QByteArray& profile)
{
    QDir(program).mkpath("profile");
    QJsonArray names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("p%1.json").arg(i);
        names.append(name);
        QFile f(program + "/profile/" + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(profile);
    }
    const QJsonObject full{{"Version", "1"}, {"MainCategories", QJsonArray{"All"}},
                           {"SubCategories", QJsonObject{{"All", QJsonObject{{"Profiles", names}}}}}};
    const QJsonObject quick{{"Version", "1"}, {"MainCategories", QJsonArray{"Recent"}},
                            {"SubCategories", QJsonObject{{"Recent", QJsonObject{{"Profiles", QJsonArray{"p0.json"}}}}}}};
    for (auto [name, o] : {std::pair<const char*, QJsonObject>{"converter_full.json", full}, {"converter_quick.json", quick}}) {
        QFile f(program + "/profile/" + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(QJsonDocument(o).toJson());
    }
    ProfileParser::setProgramFolder(program);
    QElapsedTimer t;
    t.start();
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    const bool ok = parser.parseProfile(&data) == ProfileParser::NoParseError;
    const double ms = t.nsecsElapsed() / 1e6;
    return ok && data.file(QStringLiteral("p%1.json").arg(count - 1)) ? ms : -1;
}

} // namespace

int main(int argc, char** argv)
{
    // The settings store of this run lives in a folder of its own, never the user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    QCoreApplication app(argc, argv);
    media_congfig_global_init();
    const QString source = QStringLiteral(TW_SOURCE_DIR);
    const QByteArray profile = readAll(source + "/profile/mp4_h264.json");
    const QByteArray disc = readAll(source + "/tests/fixtures/media/disc_one_title.json");
    if (profile.isEmpty() || disc.isEmpty()) {
        std::fprintf(stderr, "shipped profile or disc fixture missing under %s\n", TW_SOURCE_DIR);
        return 2;
    }

    for (int i = 0; i < 1000; ++i)
        cycle(profile, disc, i);
    const long after1000 = peakKib();
    for (int i = 1000; i < 10000; ++i)
        cycle(profile, disc, i);
    const long after10000 = peakKib();
    const double memoryRatio = double(after10000) / double(after1000);
    std::printf("peak memory: %ld KiB after 1,000 cycles, %ld KiB after 10,000: ratio %.3f (target <= 1.1)\n",
                after1000, after10000, memoryRatio);

    QTemporaryDir small, large, user;
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(user.path()));
    parseTree(small.path() + "/warm", 50, profile);   // file system and allocator warm
    const double ms200 = parseTree(small.path(), 200, profile);
    const double ms2000 = parseTree(large.path(), 2000, profile);
    if (ms200 <= 0 || ms2000 <= 0) {
        std::fprintf(stderr, "a tree was not read whole\n");
        return 2;
    }
    const double timeRatio = ms2000 / ms200;
    std::printf("parsing: %.1f ms for 200 profile files, %.1f ms for 2,000: ratio %.2f (target <= 12)\n", ms200,
                ms2000, timeRatio);
    return memoryRatio <= 1.1 && timeRatio <= 12 ? 0 : 1;
}
