#include "function/CMediaInfoMgr/MarkInfo.h"

void TextMarkInfo::reset()
{
    text.clear();
    font = QFont(QStringLiteral("Microsoft YaHei"), 15);
    flag = true;
    colorIndex = 0;
    size = QSize(0, 0);
}
