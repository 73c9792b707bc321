#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "platform/Signals.h"

#include <QCoreApplication>
#include <QObject>

void UIBaseData::askAutoShutdown()
{
    UIBaseData* ui = instance();
    const int answer = MsgDialog::showMsg(QObject::tr("Automatic shutdown"), QString(), QString(),
                                          QObject::tr("Shutdown Now"), QObject::tr("Cancel"), QString(),
                                          ui->mainPopup(), QObject::tr("Warning"), 0);
    // A box ended by a termination signal (its loop quit under it) reads 0
    // as well; that is nobody's answer, so the computer stays on.
    if (answer == MsgDialog::Button0 && !Signals::terminationRequested()) {
        ui->setShutdownRequested(true);
        QCoreApplication::quit();
    }
}
