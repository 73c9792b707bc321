#pragma once

// What every fuzz target shares: a private HOME and XDG folders (nothing
// reaches the real user's settings), an application object, a network that
// goes nowhere (a fuzzed thumbnail address must not reach the internet) and
// the engine folder in the settings.

#include "shell/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QNetworkProxy>
#include <QString>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace FuzzSupport {

inline QString& root()
{
    static QString path;
    return path;
}

inline void init(int* argc, char*** argv)
{
    char pattern[] = "/tmp/tw-fuzz-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (!made)
        std::abort();
    root() = QString::fromLocal8Bit(made);
    const std::string home(made);
    for (const char* sub : {"/.config", "/.local/share", "/.cache", "/run", "/engine/downloader-dlp"})
        QDir().mkpath(QString::fromStdString(home + sub));
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    ::setenv("TMPDIR", home.c_str(), 1);
    // The log lines of every run would drown the fuzzer's own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QCoreApplication app(*argc, *argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 1));
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"),
                                        SettingsStore::toStoredPath(root() + QStringLiteral("/engine")));
}

inline QString engine()
{
    return root() + QStringLiteral("/engine");
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

} // namespace FuzzSupport

#define TW_FUZZ_INIT                                                                                                   \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)                                                      \
    {                                                                                                                  \
        FuzzSupport::init(argc, argv);                                                                                 \
        return 0;                                                                                                      \
    }
