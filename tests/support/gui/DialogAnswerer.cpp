#include "DialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QMetaObject>
#include <QtTest>

DialogAnswerer::DialogAnswerer(int timeoutMs, QObject* parent) : QObject(parent), m_timeoutMs(timeoutMs)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::poll);
    m_timer.start();
}

DialogAnswerer::~DialogAnswerer() = default;

DialogAnswerer& DialogAnswerer::press(const char* className, const QString& button)
{
    m_queue.enqueue({QByteArray(className), button, nullptr});
    arm();
    return *this;
}

DialogAnswerer& DialogAnswerer::run(const char* className, std::function<void(QWidget*)> action)
{
    m_queue.enqueue({QByteArray(className), QString(), std::move(action)});
    arm();
    return *this;
}

void DialogAnswerer::arm()
{
    if (m_queue.size() == 1)
        m_deadline = QDateTime::currentMSecsSinceEpoch() + m_timeoutMs;
}

QWidget* DialogAnswerer::frontDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    // A popup's shadow window runs its modal loop first; the popup itself
    // comes to the front once its own loop runs.
    if (modal && modal->isVisible() && !modal->inherits("ShadowDilaog"))
        return modal;
    return nullptr;
}

DialogAnswerer::Seen DialogAnswerer::describe(QWidget* dialog)
{
    Seen s;
    s.className = QString::fromLatin1(dialog->metaObject()->className());
    s.title = dialog->windowTitle();
    const QList<QWidget*> all = dialog->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->isVisibleTo(dialog))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().isEmpty())
                s.texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            s.buttons << button->objectName();
        }
    }
    return s;
}

void DialogAnswerer::closeDialog(QWidget* dialog)
{
    // The program's popups close through their own slot; plain dialogs reject.
    if (dialog->metaObject()->indexOfSlot("close()") >= 0 && dialog->inherits("PopupBase"))
        QMetaObject::invokeMethod(dialog, "close", Qt::DirectConnection);
    else if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
    else
        dialog->close();
}

void DialogAnswerer::remember(QWidget* dialog)
{
    if (m_lastHandled)
        m_lastHandled->removeEventFilter(this);
    m_lastHandled = dialog;
    // Hidden, it may come back (a dialog run again) and is answered anew.
    dialog->installEventFilter(this);
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lastHandled && event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        m_lastHandled = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

void DialogAnswerer::fail(const QString& why, QWidget* dialog)
{
    m_failures << why;
    if (m_failsTest)
        QTest::qFail(qPrintable(why), __FILE__, __LINE__);
    if (dialog)
        closeDialog(dialog);
}

void DialogAnswerer::poll()
{
    QWidget* dialog = frontDialog();
    if (dialog && dialog == m_lastHandled)
        return;  // still in front after its answer (closing, or kept open)
    if (!dialog) {
        if (!m_queue.isEmpty() && QDateTime::currentMSecsSinceEpoch() > m_deadline) {
            const Expectation e = m_queue.dequeue();
            arm();
            fail(QStringLiteral("no %1 dialog showed up in time").arg(QString::fromLatin1(e.className)), nullptr);
            if (!m_queue.isEmpty())
                m_deadline = QDateTime::currentMSecsSinceEpoch() + m_timeoutMs;
        }
        return;
    }
    if (m_queue.isEmpty() || !dialog->inherits(m_queue.head().className.constData())) {
        Seen s = describe(dialog);
        seen << s;
        remember(dialog);
        fail(QStringLiteral("unexpected dialog %1 (%2)").arg(s.className, s.texts.join(QLatin1String(" | "))), dialog);
        return;
    }
    const Expectation e = m_queue.dequeue();
    if (!m_queue.isEmpty())
        m_deadline = QDateTime::currentMSecsSinceEpoch() + m_timeoutMs;
    Seen s = describe(dialog);
    remember(dialog);
    if (e.action) {
        seen << s;
        QPointer<QWidget> guard(dialog);
        e.action(dialog);
        // A check that failed inside the answer left it half done: the
        // dialog must not keep the test waiting.
        if (QTest::currentTestFailed() && guard && guard->isVisible())
            closeDialog(guard);
        return;
    }
    auto* button = dialog->findChild<QAbstractButton*>(e.button);
    if (!button) {
        seen << s;
        fail(QStringLiteral("%1 has no button %2").arg(s.className, e.button), dialog);
        return;
    }
    s.pressed = e.button;
    seen << s;
    button->click();
}
