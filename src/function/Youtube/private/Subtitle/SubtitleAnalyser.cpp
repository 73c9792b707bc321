#include "function/Youtube/private/Subtitle/SubtitleAnalyser.h"

#include "function/Youtube/private/DownloaderProgram.h"
#include "platform/ProcessTree.h"

#include <QDebug>
#include <QRegularExpression>

SubtitleAnalyser::SubtitleAnalyser(QObject* parent) : QObject(parent), m_process(new GroupProcess(this))
{
    m_process->setProcessEnvironment(DownloaderProgram::environment());
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus) { onProFinished(exitCode); });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        // A program that never started sends no finished.
        if (e == QProcess::FailedToStart && m_item)
            onProFinished(-1);
    });
}

SubtitleAnalyser::~SubtitleAnalyser()
{
    m_sendOutput = false;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->blockSignals(true);
        m_process->terminateTree(500);
    }
}

bool SubtitleAnalyser::isRunning() const
{
    return m_item != nullptr || m_process->state() != QProcess::NotRunning;
}

QStringList SubtitleAnalyser::listArguments(const QString& url)
{
    QStringList a{QStringLiteral("--ignore-config")};
    a += DownloaderProgram::proxyArguments();
    a += DownloaderProgram::pluginArguments();
    a << QStringLiteral("--list-subs") << QStringLiteral("--") << url;
    return a;
}

bool SubtitleAnalyser::analyseSubtitles(Youtube_Structure::Item* item, const QString& url, quint64 generation)
{
    if (!item || isRunning())
        return false;
    m_item = item;
    m_sendOutput = true;
    m_generation = generation;
    qDebug() << "SubtitleAnalyser start";
    DownloaderProgram::ensureLauncher();
    m_process->setProgram(DownloaderProgram::program());
    m_process->setArguments(DownloaderProgram::programArguments() + listArguments(url));
    m_process->setWorkingDirectory(DownloaderProgram::workingFolder());
    m_process->start(QIODevice::ReadOnly);
    return true;
}

void SubtitleAnalyser::closeProcess(bool sendOutput)
{
    m_sendOutput = sendOutput;
    QMetaObject::invokeMethod(this, "closePro", Qt::QueuedConnection);
}

void SubtitleAnalyser::closePro()
{
    if (m_process->state() != QProcess::NotRunning)
        m_process->terminateTree(500);
}

void SubtitleAnalyser::onProFinished(int exitCode)
{
    if (!m_item)
        return;
    const QByteArray out = m_process->readAllStandardOutput();
    const QByteArray err = m_process->readAllStandardError();
    if (!err.isEmpty())
        qWarning() << "subtitle listing:" << err;
    QStringList languages;
    if ((exitCode == 0 || !out.isEmpty()) && m_sendOutput)
        languages = parseLanguages(QString::fromUtf8(out));
    Youtube_Structure::Item* item = m_item;
    m_item = nullptr;
    emit doFinished(item, m_sendOutput, languages, m_generation);
    qDebug() << "SubtitleAnalyser end";
}

bool SubtitleAnalyser::isHeaderLine(const QString& line)
{
    static const QRegularExpression re(QStringLiteral("^\\s*language\\s+(?:name\\s+)?formats\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(line).hasMatch();
}

QStringList SubtitleAnalyser::parseLanguages(const QString& output)
{
    QString text = output;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool header = false;
    for (const QString& l : lines)
        if (isHeaderLine(l)) {
            header = true;
            break;
        }
    QStringList codes;
    if (!header)
        return codes;
    bool inSection = false;
    for (const QString& l : lines) {
        if (l.contains(QLatin1String("Available subtitles"), Qt::CaseInsensitive)) {
            inSection = true;
            continue;
        }
        if (!inSection || isHeaderLine(l))
            continue;
        const QString t = l.trimmed();
        if (t.isEmpty())
            continue;
        // Any other report of the downloader ends the table (a page with
        // several videos lists one table each).
        if (t.startsWith(QLatin1Char('['))) {
            inSection = false;
            continue;
        }
        codes.append(t.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0));
    }
    return codes;
}
