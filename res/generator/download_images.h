#pragma once

// Painters of the download page's and download rows' images; resgen.cpp
// registers them with its own.

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

void addDownloadPainters(QMap<QString, std::function<QImage()>>& painters);
// The names addDownloadPainters registers.
QStringList downloadImageNames();
