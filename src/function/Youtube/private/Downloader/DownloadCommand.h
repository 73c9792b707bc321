#pragma once

#include "data_structure/DownloadItem/DownloadItem.h"

#include <QString>
#include <QStringList>

// The command lines of a download: the downloader program's options for an
// ordinary job and ffmpeg's for a live recording. Built from the same pieces
// as every other run of the downloader (DownloaderProgram), so the
// interpreter, launcher, environment and shared options are never repeated
// here. Pure functions of the job and the settings.
namespace DownloadCommand {

// Debian's ffmpeg; ffprobe sits beside it.
QString ffmpegProgram();
// The folder "--ffmpeg-location" names: the one holding ffmpeg and ffprobe.
QString ffmpegFolder();

// The chosen entry's format id, or "<id>+<attached id>" for two streams
// (pair then set).
QString formatArgument(const DownloadMedia& entry, bool* pair = nullptr);
// The job's subtitle codes joined with ",".
QString subtitleLanguages(const QStringList& subtitles);
// Mp4 and m4a share a container, webm has its own, anything else none.
int containerGroup(const QString& ext);
// True for an address of the site whose pages get no metadata or xattrs.
bool isNoMetadataSite(const QString& url);

struct Options
{
    QStringList arguments;   // the options, "--" and the address last
    // Set when the two streams of a language pair cannot share the chosen
    // container: the job's temp extension becomes this ("mkv").
    QString containerExt;
};

// The downloader options of one job, without the interpreter's own
// arguments. entry is the chosen entry (a copy; it may be changed to the
// merge container). credentialsFile is the private options file holding the
// account, empty without one. Empty arguments when the entry has no format.
Options downloadOptions(const DownloadItem& job, DownloadMedia entry, const QString& credentialsFile);

// The fixed request headers ffmpeg sends for a live stream.
QString liveHeaderBlock();
// ffmpeg's arguments for a live recording of input into temp.<tarExt>.
QStringList ffmpegArguments(const QString& input, const QString& tarExt);
// ffmpeg's input: the entry's stream address when set, else the page
// address. Empty when that is not an http(s) address.
QString ffmpegInput(const DownloadItem& job, const DownloadMedia& entry);
// The proxy variables for ffmpeg's environment, when a proxy is set.
QStringList ffmpegProxyVariables();

} // namespace DownloadCommand
