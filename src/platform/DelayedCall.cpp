#include "platform/DelayedCall.h"

#include <QTimer>

namespace {
std::function<void(int, QObject*, std::function<void()>)> g_handler;
}

namespace DelayedCall {

void after(int ms, QObject* context, std::function<void()> fn)
{
    if (g_handler) {
        g_handler(ms, context, std::move(fn));
        return;
    }
    QTimer::singleShot(ms, context, std::move(fn));
}

void setHandlerForTesting(std::function<void(int, QObject*, std::function<void()>)> handler)
{
    g_handler = std::move(handler);
}

}
