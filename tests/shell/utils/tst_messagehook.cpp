#include "shell/MessageHook.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <thread>

namespace {

struct Shown {
    QString title;
    QString text;
    QThread* thread;
};
QVector<Shown> g_shown;

void recordingHook(const QString& title, const QString& text)
{
    g_shown.append({title, text, QThread::currentThread()});
}

}

class TestMessageHook : public QObject
{
    Q_OBJECT

private slots:
    void messageBeforeApplicationIsShownOnce();
    void messageWithHookIsShownAtOnce();
    void messageFromWorkerThreadIsShownOnApplicationThread();
    void withoutHookMessagesWait();
};

// main() reported "No available space!" before the application object existed.
void TestMessageHook::messageBeforeApplicationIsShownOnce()
{
    QVERIFY(MessageHook::hasPending());
    QVERIFY(g_shown.isEmpty());
    MessageHook::installCritical(recordingHook);
    MessageHook::flushPending();
    QCOMPARE(g_shown.size(), 1);
    QCOMPARE(g_shown.at(0).title, QStringLiteral("Tarnwick"));
    QCOMPARE(g_shown.at(0).text, QStringLiteral("No available space!"));
    QVERIFY(!MessageHook::hasPending());
    MessageHook::flushPending();
    QCOMPARE(g_shown.size(), 1);
}

void TestMessageHook::messageWithHookIsShownAtOnce()
{
    g_shown.clear();
    MessageHook::installCritical(recordingHook);
    MessageHook::critical(QStringLiteral("T"), QStringLiteral("now"));
    QCOMPARE(g_shown.size(), 1);
    QCOMPARE(g_shown.at(0).text, QStringLiteral("now"));
    QVERIFY(!MessageHook::hasPending());
}

void TestMessageHook::messageFromWorkerThreadIsShownOnApplicationThread()
{
    g_shown.clear();
    MessageHook::installCritical(recordingHook);
    std::thread([] { MessageHook::critical(QStringLiteral("T"), QStringLiteral("from a worker")); }).join();
    QTRY_COMPARE(g_shown.size(), 1);
    QCOMPARE(g_shown.at(0).text, QStringLiteral("from a worker"));
    QCOMPARE(g_shown.at(0).thread, QCoreApplication::instance()->thread());
}

void TestMessageHook::withoutHookMessagesWait()
{
    g_shown.clear();
    MessageHook::installCritical(nullptr);
    MessageHook::critical(QStringLiteral("T"), QStringLiteral("kept"));
    MessageHook::flushPending();
    QVERIFY(MessageHook::hasPending());
    MessageHook::installCritical(recordingHook);
    MessageHook::flushPending();
    QCOMPARE(g_shown.size(), 1);
    QCOMPARE(g_shown.at(0).text, QStringLiteral("kept"));
}

int main(int argc, char** argv)
{
    // Before any application object, as the settings store does at start-up.
    MessageHook::installCritical(recordingHook);
    MessageHook::critical(QStringLiteral("Tarnwick"), QStringLiteral("No available space!"));
    if (!g_shown.isEmpty())
        return 1;
    QCoreApplication app(argc, argv);
    TestMessageHook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_messagehook.moc"
