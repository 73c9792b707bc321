#pragma once

#include "function/Youtube/private/FencedThread.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QThread>

class HttpDownload;

// Keeps the downloader's engine pack up to date. A small description on the
// maker's download server says when the newest pack was made and where it
// lies; checkUpgrade judges it, startDownload fetches a pack, writes it,
// unpacks it into a staging folder inside the engine folder, checks it and
// only then moves the pack's entries into place, so a failed upgrade leaves
// the installed engine as it was. A marker written once the staging folder
// is complete tells the next start to finish a swap that the end of the
// process interrupted; without it nothing has moved yet. The user's files
// in the engine folder ("AP", "SubscribeLists.db", "downloading.json") are
// never touched.
//
// Description (JSON object): "lastModif" ("yyyy-MM-dd"), "upcheckUrl" (the
// description's address for later checks), "upgradeUrl_2" (object whose
// values are the pack addresses), "version" (above 4: forced), and
// optionally "sha256" (hex digest of the pack).
class UpgradeYtb : public FencedThread
{
    Q_OBJECT
public:
    explicit UpgradeYtb(QObject* parent = nullptr);
    ~UpgradeYtb() override;

    // True when a description was fetched and an upgrade is due;
    // forceUpgrade receives whether it is demanded. Blocks the caller in a
    // local event loop.
    bool checkUpgrade(bool& forceUpgrade);
    // Downloads, checks and installs a pack of the last description; true on
    // success. Emits doProgress while downloading and doFinished at the end,
    // also on failure. Blocks the caller in local event loops.
    bool startDownload();
    // Asks the running pack download to stop; startDownload then fails.
    void stopDownload();

    // The address used when no stored one answers: the maker's download
    // server. Tests point it at a local server (process-wide).
    static QString defaultDescriptionUrl();
    static void setDefaultDescriptionUrl(const QString& url);
    // How long a fetch may move no byte (tests shorten it).
    void setStallTimeout(int ms) { m_stallTimeoutMs = ms; }

    // What the last description said (tests, dialogs).
    QStringList packUrls() const { return upgradeUrls; }
    QDateTime packDate() const { return serverDate; }
    QByteArray packSha256() const { return m_packSha256; }

    // Names in the engine folder that belong to the user, not to a pack.
    static bool isProtectedName(const QString& topLevelName);

    // Settles an upgrade that the end of the process interrupted: the engine
    // folder becomes wholly the new engine where the new tree was complete,
    // else stays wholly the old one, and no ".upgrade-*" entry remains.
    // Done at construction and before every upgrade.
    static void recoverInterruptedUpgrade();

    // Called after each step of putting a pack in place (tests that end
    // the process between the steps).
    static void (*s_afterSwapStep)();

    // Reads a description as a fetched one is read (tests, fuzzing).
    void analyseDescription(const QByteArray& description)
    {
        data = description;
        analyse();
    }

signals:
    void doProgress(qlonglong cur, qlonglong total);
    void doFinished();

protected:
    void run() override;

private:
    void runAndWait(int newMode);
    void analyse();
    bool write();
    bool extract();

    int mode = 0;
    bool needUpgrade = true;
    QByteArray data;
    HttpDownload* download = nullptr;
    QStringList upgradeUrls;
    QDateTime serverDate;
    bool forceUpgrade = false;

    QByteArray m_packSha256;
    int m_stallTimeoutMs;
    bool m_busy = false;
};
