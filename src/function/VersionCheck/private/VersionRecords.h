#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What the update service says about the newest program version.
struct VersionInfo
{
    QString version;                        // newest version, dotted numbers
    QString date;                           // its release date, as the service writes it
    QString forced;                         // newer than the running program: update is compulsory
    QMap<QString, QString> descriptionUrls; // language code -> upgrade description address
};

// The "upgrade" section of an upgrade description. The four texts may hold
// "#current#" and "#new#", which the update window fills in.
struct UpgradeInfo
{
    QString oldVersionText;
    QString newVersionText;
    QString oldDescription;
    QString newDescription;
    QStringList upgradeLog;
    QString upgradeUrl;
    QString forcedUrl;
};

// The "ads" section: the promotion the windows show.
struct AdsInfo
{
    QString picTitle;
    QString title;
    QStringList details;
    QString url;
    QString button;
    QString label;
    QString picture;
    qint32 rate = 100;
    qint32 nextRate = 100;
};

// One entry of the "additional" section.
struct AdditionalToolInfo
{
    QString product;
    QString description;
    QString button;
    QString url;
};

// An entry of "convert", or the "website" section.
struct LinkInfo
{
    QString title;
    QString url;
};

Q_DECLARE_METATYPE(VersionInfo)
Q_DECLARE_METATYPE(UpgradeInfo)
Q_DECLARE_METATYPE(AdsInfo)
