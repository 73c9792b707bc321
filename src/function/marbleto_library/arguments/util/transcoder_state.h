#pragma once

#include <QMetaType>
#include <QString>

// Progress of one running conversion. Reports carry it by value: the
// converting thread that fills it may be gone before a queued report is read.
struct transcoder_state_t
{
    QString fileName;   // the file being converted
};
Q_DECLARE_METATYPE(transcoder_state_t)
