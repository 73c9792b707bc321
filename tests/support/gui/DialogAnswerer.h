#pragma once

// Answers the modal dialogs a test expects, in order. Each expectation
// names the dialog's class and either a button (by object name: btn_0..
// btn_2, btn_close, btn_Ok, btn_cancel, btnClose, ...) to press or a
// function to run on the dialog. What each answered dialog showed is kept
// in seen. A modal dialog nobody expected, or an expectation not met in
// time, fails the running test and the dialog is closed, so a test never
// hangs in a modal loop.

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

class DialogAnswerer : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString className;
        QString title;
        QStringList texts;    // visible labels, in tree order
        QStringList buttons;  // visible buttons' object names, in tree order
        QString pressed;
    };

    // Waits are generous: tests run in parallel on a loaded machine, and a
    // wait ends as soon as its dialog shows.
    explicit DialogAnswerer(int timeoutMs = 20000, QObject* parent = nullptr);
    ~DialogAnswerer() override;

    DialogAnswerer& press(const char* className, const QString& button);
    DialogAnswerer& run(const char* className, std::function<void(QWidget*)> action);

    // Whether a failure also fails the running test (on by default; the
    // answerer's own tests look at failures() instead).
    void setFailsTest(bool on) { m_failsTest = on; }

    bool allAnswered() const { return m_queue.isEmpty(); }
    bool hasFailed() const { return !m_failures.isEmpty(); }
    QStringList failures() const { return m_failures; }
    QList<Seen> seen;

    // The modal dialog in front, or null.
    static QWidget* frontDialog();
    static Seen describe(QWidget* dialog);
    // Closes a dialog the way its own buttons would.
    static void closeDialog(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember(QWidget* dialog);
    struct Expectation
    {
        QByteArray className;
        QString button;
        std::function<void(QWidget*)> action;
    };
    void arm();
    void poll();
    void fail(const QString& why, QWidget* dialog);

    QQueue<Expectation> m_queue;
    QStringList m_failures;
    QTimer m_timer;
    qint64 m_deadline = 0;
    int m_timeoutMs;
    QPointer<QWidget> m_lastHandled;
    bool m_failsTest = true;
};
