#pragma once

#include "function/CMediaInfoMgr/DVDFormatEdit.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QString>

class QProcess;

// One optical drive holding a DVD video structure.
struct UDFInfo
{
    QString path;           // the volume's mount point
    QString label;          // the volume name, or "yyyyMMddhhmm" when it has none
    quint64 totalBytes = 0;
    QPixmap icon;           // 32 px
};

Q_DECLARE_METATYPE(UDFInfo)

// The last scan of DriveDetector::detectDrives (GUI thread only).
extern QList<UDFInfo> udfList;

// Finds mounted optical volumes that hold VIDEO_TS (through the platform's
// volume list). GUI thread.
class DriveDetector : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    QList<UDFInfo> detectDrives();

signals:
    void doUDFList(QList<UDFInfo> udfList);

public slots:
    void emitUDFInfo();
};

// Runs the disc analysis helper (dvdanalyse, beside the program) on a
// source and turns its output and the chosen profile into a title model.
// GUI thread; each analysis is one child process with its own source,
// kind, tag and value. doDVDContentInfo hands over a model that the
// receiver owns (delete it), or nullptr when the analysis gave nothing.
class DVDAnalyser : public QObject
{
    Q_OBJECT
public:
    explicit DVDAnalyser(QObject* parent = nullptr);
    ~DVDAnalyser() override;

    // kind: 0 disc drive, 1 image file, 2 folder.
    void analyse(const QString& path, int kind, int tag, int value);

    static QString volumeLabel(const QString& root);
    // True for a mounted volume's mount point.
    static bool isDriveRoot(const QString& path);
    static QString discName(const QString& path, int kind);
    // The helper program; empty restores "<program folder>/dvdanalyse".
    static void setHelperPath(const QString& path);
    static QString helperPath();
    int runningCount() const { return m_sources.size(); }

signals:
    void doDVDContentInfo(DVD_format_edit_s* format_edit_s);

private slots:
    void onProFinished(int exitCode);

private:
    void release(QProcess* process);

    struct Analysis
    {
        QString source;
        int value = 0;
        int kind = 0;
        int tag = 0;
    };
    QMap<QProcess*, Analysis> m_sources;
};

class DVDInfoMgrPrivate : public QObject
{
    Q_OBJECT
};

// The facade of the DVD sources: relays the drive list and the analysed
// models (same signals as DriveDetector and DVDAnalyser).
class DVDInfoMgr : public QObject
{
    Q_OBJECT
public:
    explicit DVDInfoMgr(QObject* parent = nullptr);
    ~DVDInfoMgr() override;

    void detectDrives() { m_detector->emitUDFInfo(); }
    void analyse(const QString& path, int kind, int tag = 0, int value = 0) { m_analyser->analyse(path, kind, tag, value); }
    DVDAnalyser* analyser() const { return m_analyser; }

signals:
    void doDVDContentInfo(DVD_format_edit_s* format_edit_s);
    void doUDFList(QList<UDFInfo> udfList);

private:
    DVDInfoMgrPrivate* d;
    DriveDetector* m_detector;
    DVDAnalyser* m_analyser;
};
