// Whether the desktop composes windows follows the owner of the X server's
// compositing-manager selection, as it comes and goes.

#include "platform/Composition.h"
#include "XvfbMain.h"

#include <QByteArray>
#include <QX11Info>
#include <QtTest>

#include <X11/Xlib.h>

class TestComposition : public QObject
{
    Q_OBJECT

private slots:
    void followsTheCompositingManagerSelection()
    {
        QVERIFY(!Composition::isEnabled());

        // A compositing manager of our own, on a connection of its own: it
        // owns "_NET_WM_CM_S<screen>" through a window of its own.
        Display* manager = XOpenDisplay(nullptr);
        QVERIFY(manager);
        const int screen = QX11Info::appScreen();
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        const Atom selection = XInternAtom(manager, name.constData(), False);
        const Window owner = XCreateSimpleWindow(manager, RootWindow(manager, screen), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(manager, selection, owner, CurrentTime);
        XSync(manager, False);
        QCOMPARE(XGetSelectionOwner(manager, selection), owner);
        QTRY_VERIFY(Composition::isEnabled());

        // The override still wins.
        Composition::setOverride(0);
        QVERIFY(!Composition::isEnabled());
        Composition::setOverride(-1);

        // The manager ends: its window goes with its connection.
        XCloseDisplay(manager);
        QTRY_VERIFY(!Composition::isEnabled());
    }
};

TW_XVFB_TEST_MAIN(TestComposition)

#include "tst_composition.moc"
