#pragma once

#include <QString>
#include <QVariantHash>

// What the preview player is asked to play: an address (a local file or an
// http(s) stream), whether it is online, and player options such as
// "http_proxy". Every other choice keeps its default.
struct PlayPara
{
    QString url;
    bool online = false;
    QVariantHash options;
};
