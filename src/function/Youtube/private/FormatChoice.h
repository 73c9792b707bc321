#pragma once

#include "function/Youtube/YoutubeStructure.h"

#include <QList>
#include <QString>
#include <QStringList>

// Decides which format stands for each analysed item. The preference is
// process-wide (one user, one set of choices); every member here is static
// and guarded, so item analysers may prepare items while the graphical
// thread picks formats and builds rows. The object itself only builds the
// resolution list on construction.
class FormatChoice
{
public:
    FormatChoice();

    struct Preference
    {
        QString preferredExt;
        int prefHeight = -1;
        int prefFps = -1;
        int prefAbr = -1;
        bool prefVideo = true;
    };

    // The known extensions, best first: mp4, m4a, mp3, webm, flv, 3gp.
    static const QStringList& extensionList();
    // Position of ext in list; after all of them when absent.
    static int extRank(const QStringList& list, const QString& ext);
    // Leading integer of a text (blanks and a sign allowed); 0 when none.
    static int leadingInt(const QString& text);

    // Orders an analysed item's formats and renumbers them.
    static void prepare(Youtube_Structure::Item& item);
    // Index of the best format under the preference; -1 when none is eligible.
    static int pick(const Youtube_Structure::Item& item);
    // chosenMediaIndex, or the pick when none was chosen.
    static int chosen(const Youtube_Structure::Item& item);
    // Does a come before b in the pick? Not a strict weak ordering: it can
    // answer yes both ways and can cycle, so it is never given to a sort.
    static bool pickBefore(const Youtube_Structure::Media& a, const Youtube_Structure::Media& b,
                           const Preference& pref);
    // The eligible formats in pick order (first = the pick).
    static QList<int> pickOrder(const Youtube_Structure::Item& item);

    static void reset();
    static void takePreference(const Youtube_Structure::Media& media);
    static Preference preference();
    static void setPreference(const Preference& pref);

    static QList<int> shownFormats(const Youtube_Structure::Item& item);
    static YoutubeItem formatRow(const Youtube_Structure::Item& item, int k);
    static YoutubeList formatList(const Youtube_Structure::Item& item);
    static QString sizeText(const QString& text);

    // The defaults the settings window edits.
    static QStringList extList();
    static QString defaultExt();
    static void setDefaultExt(const QString& ext);
    static QStringList resolutionList();
    static QString defaultResolution();
    static void setDefaultResolution(const QString& text);

    // True when the item's page belongs to the main site (its audio-only
    // formats are then hidden in video mode).
    static bool isMainSiteItem(const Youtube_Structure::Item& item);
};
