#pragma once

// Real profile files in temporary folders: a program folder with "profile/"
// for the shipped files and the user's folder named by base/customProfilePath.

#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

struct ProfileTreeFixture
{
    QTemporaryDir program;
    QTemporaryDir user;

    ProfileTreeFixture()
    {
        QDir().mkpath(program.filePath("profile"));
        ProfileParser::setProgramFolder(program.path());
        SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(user.path()));
    }
    ~ProfileTreeFixture() { ProfileParser::setProgramFolder(QString()); }

    QString shipped(const QString& name) const { return program.filePath("profile/" + name); }
    QString own(const QString& name) const { return user.filePath(name); }

    static bool write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static bool write(const QString& path, const QJsonObject& o) { return write(path, QJsonDocument(o).toJson()); }
    static QJsonObject read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
    }

    static QJsonObject category(const QStringList& profiles, const QString& title = QString(),
                                const QString& icon = QString())
    {
        QJsonObject o{{"Profiles", QJsonArray::fromStringList(profiles)}};
        if (!title.isEmpty())
            o["Titles"] = QJsonObject{{"en", title}};
        if (!icon.isEmpty())
            o["Icon"] = icon;
        return o;
    }

    static QJsonObject mainFile(const QStringList& main, const QJsonObject& sub, const QString& version = "1.0")
    {
        return QJsonObject{{"Version", version}, {"MainCategories", QJsonArray::fromStringList(main)},
                           {"SubCategories", sub}};
    }

    static QJsonObject profile(const QString& title, const QString& extension = "mp4", int id = 1)
    {
        return QJsonObject{
            {"ID", id},
            {"Type", "Video"},
            {"Extension", extension},
            {"Target", "PC"},
            {"Quality", 4},
            {"Summary", QJsonObject{{"Titles", QJsonObject{{"en", title}}}, {"ShortTitles", QJsonObject{{"en", title}}},
                                    {"Descriptions", QJsonObject{{"en", title + " description"}}}}},
            {"Video", QJsonObject{{"DefaultCodec", "H.264"},
                                  {"Codecs", QJsonArray{QJsonObject{{"Codec", "H.264"},
                                                                    {"FrameRate", QJsonObject{{"Value", "keep original"}}}},
                                                        QJsonObject{{"Codec", "MPEG-4"}}}}}},
            {"Audio", QJsonObject{{"DefaultCodec", "AAC"},
                                  {"Codecs", QJsonArray{QJsonObject{{"Codec", "AAC"},
                                                                    {"SampleRate", QJsonObject{{"Value", "44100"}}},
                                                                    {"Bitrate", QJsonObject{{"Value", "128"}}}}}}}},
        };
    }

    // A converter module with a full tree Video/[a, b] and a quick tree
    // Common/[a], every file shipped.
    void writeConverter()
    {
        write(shipped("converter_full.json"),
              mainFile({"Video"}, QJsonObject{{"Video", category({"a.json", "b.json"}, "Video", "video")}}));
        write(shipped("converter_quick.json"), mainFile({"Common"}, QJsonObject{{"Common", category({"a.json"}, "Common")}}));
        write(shipped("a.json"), profile("A", "mp4", 1));
        write(shipped("b.json"), profile("B", "avi", 2));
    }
};
