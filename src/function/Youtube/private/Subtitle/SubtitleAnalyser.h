#pragma once

#include "function/Youtube/YoutubeStructure.h"

#include <QObject>
#include <QString>
#include <QStringList>

class GroupProcess;

// Lists the subtitle languages of one video: runs the downloader program
// with "--list-subs" without blocking its thread and reads the language
// codes from its table. Lives on the subtitle thread; never touches the
// video record itself (the thread that owns the model writes the answer).
class SubtitleAnalyser : public QObject
{
    Q_OBJECT
public:
    explicit SubtitleAnalyser(QObject* parent = nullptr);
    ~SubtitleAnalyser() override;

    // Starts one listing of url for item; false when one runs already.
    bool analyseSubtitles(Youtube_Structure::Item* item, const QString& url, quint64 generation);
    // Ends the listing; sendOutput false: nobody is told of it.
    void closeProcess(bool sendOutput);
    bool isRunning() const;

    // The downloader options of a listing (without the interpreter's own
    // arguments), the address last.
    static QStringList listArguments(const QString& url);
    // The language codes of the "Available subtitles" table of the output.
    static QStringList parseLanguages(const QString& output);
    // A table header: "Language", optionally "Name", then "Formats".
    static bool isHeaderLine(const QString& line);

signals:
    void doFinished(Youtube_Structure::Item* item, bool sendOutput, QStringList languages, quint64 generation);

public slots:
    void closePro();

private slots:
    void onProFinished(int exitCode);

private:
    Youtube_Structure::Item* m_item = nullptr;
    GroupProcess* m_process = nullptr;
    bool m_sendOutput = true;
    quint64 m_generation = 0;
};
