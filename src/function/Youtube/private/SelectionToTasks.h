#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"
#include "function/Youtube/YoutubeStructure.h"

#include <QList>

// Turns the user's ticks in an analysis result into download jobs: one job
// per ticked, successfully analysed item, carrying every format the item
// can be fetched in with the chosen one marked. Reads the model, never
// changes it; runs on the graphical thread.
namespace SelectionToTasks {

// One job per selected item; an absent result gives none.
QList<DownloadItem> selectedTasks(const Youtube_Structure::Lists* lists);

// The job of one item (whatever its ticks and status).
void fillTask(const Youtube_Structure::Item& item, DownloadItem& task);

// The audio format to merge with f, or -1 (an index into item.medias).
int audioPartner(const Youtube_Structure::Media& f, const Youtube_Structure::Item& item);

} // namespace SelectionToTasks
