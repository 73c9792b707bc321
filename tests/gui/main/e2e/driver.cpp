// Linked into a copy of the program for the end-to-end test. Once the event
// loop runs it says "driver: ready", then reads commands on standard input,
// one a line, works the windows by object name as a user would, and answers
// each command with one "driver: " line on standard output:
//
//   clipboard <text>        puts text on the clipboard
//   click <objectName>      clicks the visible widget (the front dialog's first)
//   clicklabel <text>       clicks the visible label showing exactly text
//   mouse <objectName>      a mouse click on the widget's centre, given to its
//                           window as the display gives one (enter, press, release)
//   mouselabel <text>       the same on the visible label showing exactly text
//   mouseitem <text>        the same on the visible list entry showing exactly text
//   texts main|front|menu   the texts the main window (the front dialog, the
//                           open popup menu) shows: a JSON array of {"where", "text"}
//   prop <objectName> <p>   the widget's property p
//   rows                    the download list: title|progress|downloading|completed|result;...
//   dialog                  the front modal dialog: class|texts, or "none"
//   folders                 the folders the program asked the file manager to open;...
//   quit                    ends the event loop
//
// Clicks are posted, so a click that opens a modal dialog answers at once.
// When the program asks to start itself again, the driver starts nothing and
// says "driver: restart <program> <arguments...>" unasked; the test starts
// the next instance itself, so that it can talk to it.

#include "DialogAnswerer.h"
#include "ShownText.h"

#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/common/CMenu.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/MainWindow.h"
#include "gui/main/cnorvideodlitem.h"
#include "platform/FileManager.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

// The program's requests to the file manager; the desktop's never opens.
QStringList g_folders;

void say(const QString& line)
{
    std::fputs(("driver: " + line.toUtf8() + "\n").constData(), stdout);
    std::fflush(stdout);
}

bool shown(QWidget* w)
{
    return w && w->isVisible() && w->window()->isVisible();
}

// The visible widget of that name, looked for in the front modal dialog
// first, then everywhere.
QWidget* find(const QString& name)
{
    if (QWidget* front = QApplication::activeModalWidget()) {
        if (front->objectName() == name)
            return front;
        for (QWidget* w : front->findChildren<QWidget*>(name))
            if (shown(w))
                return w;
    }
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == name && shown(w))
            return w;
    return nullptr;
}

void mouseClick(QWidget* w)
{
    QPointer<QWidget> target(w);
    QTimer::singleShot(0, qApp, [target] {
        if (!target)
            return;
        if (auto* b = qobject_cast<QAbstractButton*>(target.data())) {
            b->click();
            return;
        }
        const QPoint at = target->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        if (!target)
            return;
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    });
}

// Through the window, as the display delivers a click: the window finds the
// widget under the point, so a covered or blocked widget does not get it.
void windowClick(QWidget* w, QPoint point = QPoint(-1, -1))
{
    QPointer<QWidget> target(w);
    QTimer::singleShot(0, qApp, [target, point] {
        if (!target)
            return;
        QWidget* top = target->window();
        QWindow* handle = top->windowHandle();
        if (!handle)
            return;
        const QPoint at = target->mapTo(top, point.x() < 0 ? target->rect().center() : point);
        // The display's pointer goes there too: the program may ask where it is.
        QCursor::setPos(handle->screen(), handle->mapToGlobal(at));
        QTest::mouseMove(handle, at);
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
    });
}

QLabel* labelShowing(const QString& text)
{
    for (QWidget* w : QApplication::allWidgets()) {
        auto* l = qobject_cast<QLabel*>(w);
        if (l && shown(l) && l->text() == text)
            return l;
    }
    return nullptr;
}

// The entry of a list or drop-down showing exactly text, wholly in sight:
// its view's viewport and the entry's centre there.
QWidget* itemShowing(const QString& text, QPoint* at)
{
    for (QWidget* w : QApplication::allWidgets()) {
        auto* view = qobject_cast<QAbstractItemView*>(w);
        if (!view || !shown(view) || !view->model())
            continue;
        const QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
            const QModelIndex index = model->index(r, 0, view->rootIndex());
            const QRect rect = view->visualRect(index);
            // Whole in sight: a list still sliding into its window is not
            // clicked where it is not yet.
            if (index.data().toString() == text && !rect.isEmpty()
                && (view->viewport()->visibleRegion() & rect) == QRegion(rect)) {
                *at = rect.center();
                return view->viewport();
            }
        }
    }
    return nullptr;
}

MainWindow* mainWindow()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w))
            return m;
    return nullptr;
}

// Every visible text under top, with where it is.
QJsonArray textsOf(QWidget* top)
{
    QJsonArray out;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : qAsConst(widgets)) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        const InterfaceTexts::Shown s = InterfaceTexts::shownText(w);
        if (s.text.isEmpty() || !InterfaceTexts::hasLetters(s.text))
            continue;
        out.append(QJsonObject{{QStringLiteral("where"), InterfaceTexts::where(w, top)},
                               {QStringLiteral("text"), s.text}});
    }
    return out;
}

DownloaderForm* page()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w))
            return m->downloaderForm();
    for (QWidget* w : QApplication::allWidgets())
        if (auto* m = qobject_cast<MainWindow*>(w))
            return m->downloaderForm();
    return nullptr;
}

void run(const QString& line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    if (command == QLatin1String("clipboard")) {
        QGuiApplication::clipboard()->setText(rest);
        say(QStringLiteral("ok"));
    } else if (command == QLatin1String("click")) {
        QWidget* w = find(rest);
        if (!w || !w->isEnabled()) {
            say(QStringLiteral("missing ") + rest);
            return;
        }
        mouseClick(w);
        say(QStringLiteral("ok"));
    } else if (command == QLatin1String("clicklabel")) {
        if (QLabel* l = labelShowing(rest)) {
            mouseClick(l);
            say(QStringLiteral("ok"));
            return;
        }
        say(QStringLiteral("missing ") + rest);
    } else if (command == QLatin1String("mouse") || command == QLatin1String("mouselabel")) {
        QWidget* w = command == QLatin1String("mouse") ? find(rest) : labelShowing(rest);
        if (!w || !w->isEnabled()) {
            say(QStringLiteral("missing ") + rest);
            return;
        }
        windowClick(w);
        say(QStringLiteral("ok"));
    } else if (command == QLatin1String("mouseitem")) {
        QPoint at;
        QWidget* viewport = itemShowing(rest, &at);
        if (!viewport) {
            say(QStringLiteral("missing ") + rest);
            return;
        }
        windowClick(viewport, at);
        say(QStringLiteral("ok"));
    } else if (command == QLatin1String("texts")) {
        QWidget* top = rest == QLatin1String("front") ? DialogAnswerer::frontDialog()
            : rest == QLatin1String("menu")           ? static_cast<QWidget*>(CMenu::instance())
                                                      : mainWindow();
        if (!top) {
            say(QStringLiteral("missing ") + rest);
            return;
        }
        say(QStringLiteral("texts ")
            + QString::fromUtf8(QJsonDocument(textsOf(top)).toJson(QJsonDocument::Compact)));
    } else if (command == QLatin1String("prop")) {
        QWidget* w = find(rest.section(QLatin1Char(' '), 0, 0));
        const QByteArray p = rest.section(QLatin1Char(' '), 1).toUtf8();
        say(w ? QStringLiteral("prop ") + w->property(p.constData()).toString() : QStringLiteral("missing"));
    } else if (command == QLatin1String("rows")) {
        DownloaderForm* f = page();
        QStringList rows;
        if (f) {
            for (int i = 0; i < f->downloadList()->count(); ++i) {
                CNorVideoDlItem* r = f->row(i);
                rows << QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(r->downloadItem()->title)
                            .arg(r->progress())
                            .arg(r->isDownloading() ? 1 : 0)
                            .arg(r->isCompleted() ? 1 : 0)
                            .arg(r->lastResultCode());
            }
        }
        say(QStringLiteral("rows ") + rows.join(QLatin1Char(';')));
    } else if (command == QLatin1String("dialog")) {
        QWidget* front = DialogAnswerer::frontDialog();
        if (!front) {
            say(QStringLiteral("dialog none"));
            return;
        }
        const DialogAnswerer::Seen seen = DialogAnswerer::describe(front);
        QStringList texts = seen.texts;
        for (QTextEdit* e : front->findChildren<QTextEdit*>())
            texts << e->toPlainText().split(QLatin1Char('\n'));
        say(QStringLiteral("dialog ") + seen.className + QLatin1Char('|') + texts.join(QLatin1Char('|')));
    } else if (command == QLatin1String("folders")) {
        say(QStringLiteral("folders ") + g_folders.join(QLatin1Char(';')));
    } else if (command == QLatin1String("quit")) {
        say(QStringLiteral("ok"));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    } else {
        say(QStringLiteral("unknown ") + command);
    }
}

void onApplication()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    FileManager::setHandlerForTesting([](const FileManager::Request& r) {
        g_folders << r.folder;
        return true;
    });
    UIServiceHooks::setStartDetached([](const QString& program, const QStringList& arguments) {
        say(QStringLiteral("restart ") + (QStringList{program} + arguments).join(QLatin1Char(' ')));
        return true;
    });
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    auto* buffer = new QByteArray;
    QObject::connect(notifier, &QSocketNotifier::activated, [notifier, buffer] {
        char chunk[4096];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            notifier->setEnabled(false);
            return;
        }
        buffer->append(chunk, int(n));
        int end;
        while ((end = buffer->indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(buffer->left(end)).trimmed();
            buffer->remove(0, end + 1);
            if (!line.isEmpty())
                run(line);
        }
    });
    QTimer::singleShot(0, qApp, [] { say(QStringLiteral("ready")); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(onApplication)
