// The services of UIBaseData that reach outside the program: the file
// manager, tracked web links, restarting, and native language names.
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"

#include "platform/FileManager.h"
#include "platform/MailClient.h"
#include "shell/ProgramVersion.h"
#include "shell/ServiceHosts.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

UIServiceHooks::StartDetached g_startDetached;
UIServiceHooks::Quit g_quit;
UIServiceHooks::ChooseFolder g_chooseFolder;
UIServiceHooks::ApplicationState g_applicationState;
UIServiceHooks::Alert g_alert;

QString setting(const char* key)
{
    SettingsStore* s = SettingsStore::instance();
    return s ? s->value(QString::fromLatin1(key)) : QString();
}

// Paths may come with either separator from stored settings; the program
// never makes a file name with a backslash in it.
QString localPath(const QString& p)
{
    return QDir::cleanPath(SettingsStore::fromStoredPath(p).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

const char kProductCode[] = "tarnwk-";

} // namespace

namespace UIServiceHooks {

void setStartDetached(StartDetached fn)
{
    g_startDetached = std::move(fn);
}

void setQuit(Quit fn)
{
    g_quit = std::move(fn);
}

void setChooseFolder(ChooseFolder fn)
{
    g_chooseFolder = std::move(fn);
}

void setApplicationState(ApplicationState fn)
{
    g_applicationState = std::move(fn);
}

void setAlert(Alert fn)
{
    g_alert = std::move(fn);
}

Qt::ApplicationState applicationState()
{
    return g_applicationState ? g_applicationState() : QGuiApplication::applicationState();
}

void alert(QWidget* window, int ms)
{
    if (g_alert)
        g_alert(window, ms);
    else if (window)
        QApplication::alert(window, ms);
}

QString chooseFolder(const QString& title, const QString& start)
{
    if (g_chooseFolder)
        return g_chooseFolder(title, start);
    return QFileDialog::getExistingDirectory(nullptr, title, start, QFileDialog::ShowDirsOnly);
}

}

void UIBaseData::OpenFolderAndSelectFiles(const QString& folder, const QStringList& files)
{
    const QString dir = localPath(folder);
    if (folder.isEmpty() || !QFileInfo(dir).isDir()) {
        qWarning() << "can not open folder" << folder;
        return;
    }
    QStringList kept;
    for (const QString& f : files) {
        QString p = localPath(f);
        if (QFileInfo(p).isRelative())
            p = dir + QLatin1Char('/') + p;
        if (!f.isEmpty() && (QFileInfo::exists(p) || QFileInfo(p).isSymLink()))
            kept << p;
        else
            qWarning().noquote() << QStringLiteral("can not creat ITEMIDLIST point! file = ") + f;
    }
    if (!kept.isEmpty())
        FileManager::showItems(dir, kept);
    else
        FileManager::openFolder(dir);
}

QString appendLinkParams(const QString& url, const QString& tag)
{
    QString value = QString::fromLatin1(kProductCode) + ProgramVersion::current().toString() + QLatin1Char('-') + tag
                    + QStringLiteral("-undef");
    const QString series = setting("base/series");
    if (!series.isEmpty())
        value += QLatin1Char('-') + series;
    return url + (url.contains(QLatin1Char('?')) ? QStringLiteral("&ttsoft=") : QStringLiteral("?ttsoft=")) + value;
}

bool UIBaseData::openPHPParams(const QString& fromUi, const QString& target)
{
    // A mail link names local report files and is meant for the user's mail
    // program, not for the redirect server: it goes to the mail client as it is.
    if (fromUi.isEmpty() && target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        const bool accepted = MailClient::open(QUrl(target));
        qDebug().noquote() << "openMailLink:" << accepted;
        return accepted;
    }
    const QString jump = fromUi.isEmpty() ? target : appendLinkParams(target, fromUi);
    const QString base = ServiceHosts::editionSite(setting("base/site")) + ServiceHosts::redirectScriptPath();
    const QString query = QStringLiteral("an=") + QString::fromLatin1(kProductCode)
                          + QStringLiteral("&cvs=") + ProgramVersion::current().toString()
                          + QStringLiteral("&pvs=")
                          + QStringLiteral("&cb=") + setting("base/series")
                          + QStringLiteral("&lang=") + setting("base/language")
                          + QStringLiteral("&fui=") + fromUi
                          + QStringLiteral("&jump=") + QString::fromLatin1(QUrl::toPercentEncoding(jump));
    const QString h = QString::fromLatin1(QCryptographicHash::hash(query.toUtf8(), QCryptographicHash::Md5).toHex());
    const QString address = base + query + QStringLiteral("&h=") + h;
    qDebug().noquote() << "openPhpLink:" << address;
    return QDesktopServices::openUrl(QUrl(address));
}

void UIBaseData::restartApplication()
{
    // The cached reply of the version check goes, so the new instance asks afresh.
    const QString profile = setting("base/customProfilePath");
    if (!profile.isEmpty())
        QFile::remove(localPath(profile) + QStringLiteral("/upd"));
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList args = {QStringLiteral("normal"), QStringLiteral("restart")};
    const bool started = g_startDetached ? g_startDetached(program, args) : QProcess::startDetached(program, args);
    if (!started)
        qWarning() << "restart: cannot start" << program;
    if (g_quit)
        g_quit();
    else
        QCoreApplication::quit();
}

void UIBaseData::loadLanguageTable(QMap<QString, QString>& table)
{
    Q_INIT_RESOURCE(lct);
    QFile file(QStringLiteral(":/res/lct"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList parts = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString part : parts) {
        part.remove(QLatin1Char('{'));
        part.remove(QLatin1Char('}'));
        part.remove(QStringLiteral("\r\n\t"));
        const QStringList pieces = part.split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (pieces.size() < 2)
            continue;
        QString key = pieces.at(0);
        QString name = pieces.at(1);
        key.remove(QLatin1Char(' '));
        name.remove(QLatin1Char(' '));
        key = key.trimmed();
        name = name.trimmed();
        if (!key.isEmpty())
            table.insert(key, name);
    }
}

QString UIBaseData::languageNativeName(const QString& code)
{
    static const QMap<QString, QString> table = [] {
        QMap<QString, QString> t;
        loadLanguageTable(t);
        return t;
    }();
    const auto it = table.constFind(code.toLower());
    return it == table.constEnd() ? code : it.value();
}
