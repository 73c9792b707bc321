#include "platform/RandomDraw.h"

#include <QRandomGenerator>

namespace {
std::function<int(int, int)> g_draw;
}

namespace RandomDraw {

int bounded(int lowest, int highest)
{
    if (highest < lowest)
        return lowest;
    if (g_draw)
        return g_draw(lowest, highest);
    return QRandomGenerator::global()->bounded(lowest, highest + 1);
}

void setDrawForTesting(std::function<int(int, int)> fn)
{
    g_draw = std::move(fn);
}

}
