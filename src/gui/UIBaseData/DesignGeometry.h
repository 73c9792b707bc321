#pragma once

#include <QPoint>
#include <QString>
#include <QVariant>
#include <QWidget>

// Widgets made in code rather than in a designer form: placed at their design
// geometry, which is also remembered ("basePos" and the base size) so that a
// rescale treats them like the form's own widgets.
inline void placeAtDesign(QWidget* w, int x, int y, int width, int height)
{
    w->setGeometry(x, y, width, height);
    w->setBaseSize(width, height);
    w->setProperty("basePos", QPoint(x, y));
}

// A push button dressed by the images "<prefix>_nor.png", "_hover" and
// "_down" (and "_dis" when it has a disabled image), with white text.
inline QString imageButtonStyle(const QString& prefix, bool disabledImage)
{
    QString s = QStringLiteral("QPushButton{border-image:url(:/res/%1_nor.png);color:white;}"
                               "QPushButton:hover{border-image:url(:/res/%1_hover.png);}"
                               "QPushButton:pressed{border-image:url(:/res/%1_down.png);}")
                    .arg(prefix);
    if (disabledImage)
        s += QStringLiteral("QPushButton:disabled{border-image:url(:/res/%1_dis.png);}").arg(prefix);
    return s;
}
