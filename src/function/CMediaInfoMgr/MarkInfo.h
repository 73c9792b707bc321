#pragma once

#include <QDateTime>
#include <QFont>
#include <QSize>
#include <QString>

// One text of a watermark. A default-constructed mark equals a reset one.
// QFont needs a QGuiApplication: build these on the GUI side of the process.
struct TextMarkInfo
{
    TextMarkInfo() { reset(); }
    void reset();
    bool operator==(const TextMarkInfo& o) const
    {
        return text == o.text && font == o.font && flag == o.flag && colorIndex == o.colorIndex && size == o.size;
    }

    QString text;
    QFont font;         // "Microsoft YaHei" 15 pt; Qt substitutes a font that exists
    bool flag = true;
    int colorIndex = 0; // into the interface palette; 9 or more paints white
    QSize size;         // the measured size of the text
};

// A date-time stamp of a watermark.
struct DateTimeMarkInfo
{
    bool operator==(const DateTimeMarkInfo& o) const
    {
        return dateTime == o.dateTime && flag == o.flag && format == o.format && textMark == o.textMark;
    }

    QDateTime dateTime;
    bool flag = true;
    QString format = QStringLiteral("HH:mm:ss");
    TextMarkInfo textMark;
};
