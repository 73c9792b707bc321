#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// One node of a module's profile trees: a category of the full or the quick
// tree (or a root), or a profile entry backed by one profile file. Nodes are
// made and owned only by ProfileData; one entry is one node however many
// categories of either tree list it.
class Profile
{
public:
    enum ProfileType { Full = 0, Quick = 1, File = 2 };

    int key = -1;
    ProfileType type = File;
    QString name;
    QStringList quickParents;
    QStringList fullParents;
    qint64 id = -1;
    QString path;
    QList<Profile*> entries;
    QMap<QString, QString> titles;
    QMap<QString, QString> shortTitles;
    QMap<QString, QString> descriptions;
    QString icon;
    QString extension;
    QString target;
    QString videoCodec;
    QString audioCodec;
    int quality = 3;    // what a profile without "Quality", and every category, shows
    bool recommended = false;
    bool music = false;
    bool tool = false;
    bool backup = false;
    bool recently = false;
    bool frequently = false;
    int customKind = 0;     // 0 shipped, 1 saved by the user, 2 recorded after a conversion
    QString formatText;
    QString resolution;
    QString frameRate;
    QString sampleRate;
    QString bitRate;
};

// The flat summary of one profile that the interface shows.
struct ProfileInfo
{
    int key = -1;
    qint64 id = -1;
    bool marked = false;
    QString iconPath;
    QString extra;
    QString title;
    QString target;
    QString extension;
    QString shortTitle;
    QString description;
    QString videoCodec;
    QString audioCodec;
    bool recommended = false;
    bool hardwareAccelerated = false;
    int quality = 3;
    QList<QPair<QString, QString>> details;
    QString path;
    bool music = false;
    bool tool = false;
    bool backup = false;
    bool savedCustom = false;
    bool convertedCustom = false;
    bool video = false;
    bool recently = false;
    bool frequently = false;
    QString name;

    // Reads the interface language from the settings; texts of the rows are
    // translated in the QObject context.
    static ProfileInfo fromProfile(const Profile* node);
};

// What the graphics adapters say they can encode: per adapter, codec names
// with a support text ("true" when supported). Made once, then only read.
struct HardwareCodecEntry
{
    QString codec;
    QString support;
};

struct HardwareAdapter
{
    QString name;
    QList<HardwareCodecEntry> codecs;
};

const QList<HardwareAdapter>& hardwareCodecSupport();
