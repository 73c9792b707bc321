#include "function/Youtube/YoutubeStructure.h"

#include <QCoreApplication>
#include <mutex>

namespace Youtube_Structure {

QString placeholderTitle(bool analysed, int status, const char* context)
{
    if (!analysed)
        return QCoreApplication::translate(context, QT_TRANSLATE_NOOP("YoutubePrivate", "Loading..."));
    if (isDisplayableStatus(status))
        return QCoreApplication::translate(context, QT_TRANSLATE_NOOP("YoutubePrivate", "Untitled"));
    return QCoreApplication::translate(context, QT_TRANSLATE_NOOP("YoutubePrivate", "Invalid"));
}

QString displayTitle(const QString& title, bool analysed, int status, const char* context)
{
    return title.isEmpty() ? placeholderTitle(analysed, status, context) : title;
}

QString itemCountText(int count, const char* context)
{
    if (count <= 0)
        return QString();
    const QString word = count < 2 ? QCoreApplication::translate(context, QT_TRANSLATE_NOOP("YoutubePrivate", "Video"))
                                   : QCoreApplication::translate(context, QT_TRANSLATE_NOOP("YoutubePrivate", "Videos"));
    return QStringLiteral("%1 %2").arg(count).arg(word);
}

QString resolutionText(const QString& width, const QString& height)
{
    if (!width.isEmpty() && !height.isEmpty())
        return QStringLiteral("%1x%2").arg(width, height);
    if (!width.isEmpty())
        return width;
    if (!height.isEmpty())
        return height;
    return QStringLiteral("N/A");
}

} // namespace Youtube_Structure

void registerYoutubeMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<YoutubeListType>("YoutubeListType");
        qRegisterMetaType<YoutubeList>("YoutubeList");
        qRegisterMetaType<YoutubeItem>("YoutubeItem");
        qRegisterMetaType<YoutubeMediaListInfo>("YoutubeMediaListInfo");
        qRegisterMetaType<YoutubeError>("YoutubeError");
        qRegisterMetaType<SubLang>("SubLang");
        qRegisterMetaType<SubscribeRecord>("SubscribeRecord");
        qRegisterMetaType<Youtube_Structure::Lists*>("Youtube_Structure::Lists*");
        qRegisterMetaType<Youtube_Structure::List*>("Youtube_Structure::List*");
        qRegisterMetaType<Youtube_Structure::Item*>("Youtube_Structure::Item*");
    });
}
