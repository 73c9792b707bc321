#pragma once

#include <QSet>
#include <QString>
#include <QWidget>

// Helpers for widgets built many times over, such as list rows.
namespace RowParts {

// Shows or hides a part. A part never shown or hidden by hand shows with
// its parent, so while the parent is out of view showing it is left to Qt:
// an explicit show polishes the part (style rules matched and kept under
// the style sheets) even inside a hidden row.
inline void setVisible(QWidget* part, bool visible)
{
    if (visible && !part->isHidden() && !part->testAttribute(Qt::WA_WState_ExplicitShowHide)
        && part->parentWidget() && !part->parentWidget()->isVisible())
        return;
    part->setVisible(visible);
}

// One copy of each distinct style-sheet text for every widget that uses
// it, instead of one per widget. Interface thread only.
inline QString sharedSheet(const QString& sheet)
{
    static QSet<QString> pool;
    const auto it = pool.constFind(sheet);
    if (it != pool.constEnd())
        return *it;
    pool.insert(sheet);
    return sheet;
}

// The designer form sets its sheets as fresh texts on every widget it
// builds; after it, the widgets below root hold shared ones instead. Root
// is left to the caller, which may keep a sheet of its own there. Before
// the first polish this only swaps the texts.
inline void shareSheets(QWidget* root)
{
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* w : qAsConst(all)) {
        const QString sheet = w->styleSheet();
        if (!sheet.isEmpty())
            w->setStyleSheet(sharedSheet(sheet));
    }
}

} // namespace RowParts
