#pragma once

// Painters of the URL analysis and account screens' images; resgen.cpp
// registers them with its own.

#include <QImage>
#include <QMap>
#include <QString>
#include <functional>

void addAnalysisPainters(QMap<QString, std::function<QImage()>>& painters);

// One frame of the row loading animation (":/res/loading.gif").
QImage loadingFrame(int index);
int loadingFrameCount();
