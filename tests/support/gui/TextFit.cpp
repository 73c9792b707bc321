#include "TextFit.h"

#include "gui/common/CUxTpTextIllus.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <cmath>

namespace TextFit {

namespace {

// A text may reach this far beyond its rectangle unseen: the last pixel
// of a glyph's advance is empty, and a line's height includes its leading.
const int kSlackX = 1;
const int kSlackY = 3;

struct Placed
{
    QWidget* widget = nullptr;
    QString text;
    QRect textRect;   // in the widget's coordinates
    QRect room;       // where the widget draws it
};

QString plain(const QString& text)
{
    QString t = text;
    t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return t;
}

QSize textSize(const QFont& font, const QString& text, Qt::TextFormat format, bool rich)
{
    if (rich || (format == Qt::AutoText && Qt::mightBeRichText(text)) || format == Qt::RichText) {
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        return QSize(int(std::ceil(doc.idealWidth())), int(std::ceil(doc.size().height())));
    }
    const QFontMetrics fm(font);
    return fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, text).size();
}

bool placeLabel(QLabel* l, Placed& out)
{
    if (l->text().trimmed().isEmpty() || l->pixmap() || l->movie())
        return false;
    QRect cr = l->contentsRect();
    const int m = l->margin();
    cr.adjust(m, m, -m, -m);
    const bool rich = l->textFormat() == Qt::RichText
                      || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    QSize size;
    if (l->wordWrap()) {
        size = QSize(cr.width(), l->heightForWidth(l->width()) - (l->height() - cr.height()));
    } else {
        size = textSize(l->font(), rich ? l->text() : plain(l->text()), l->textFormat(), rich);
    }
    out.widget = l;
    out.text = l->text();
    out.room = cr;
    out.textRect = QStyle::alignedRect(l->layoutDirection(), QStyle::visualAlignment(l->layoutDirection(), l->alignment()),
                                       size, cr);
    return true;
}

bool placeButton(QAbstractButton* b, Placed& out)
{
    if (b->text().trimmed().isEmpty())
        return false;
    const QFontMetrics fm(b->font());
    QSize size = fm.size(Qt::TextShowMnemonic, b->text());
    if (!b->icon().isNull())
        size.rwidth() += b->iconSize().width() + 4;
    QRect room = b->rect();
    Qt::Alignment align = Qt::AlignCenter;
    if (auto* p = qobject_cast<QPushButton*>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(p);
        opt.text = p->text();
        opt.icon = p->icon();
        opt.iconSize = p->iconSize();
        if (p->isFlat())
            opt.features |= QStyleOptionButton::Flat;
        room = p->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, p);
    } else if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        room = b->style()->subElementRect(qobject_cast<QCheckBox*>(b) ? QStyle::SE_CheckBoxContents
                                                                      : QStyle::SE_RadioButtonContents,
                                          &opt, b);
        align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    out.widget = b;
    out.text = b->text();
    out.room = room;
    out.textRect = QStyle::alignedRect(b->layoutDirection(), align, size, room);
    return true;
}

// A button that paints its own text where its images leave room.
bool placeSliced(CUxTpTextIllus* b, Placed& out)
{
    if (b->text().trimmed().isEmpty())
        return false;
    out.widget = b;
    out.text = b->text();
    out.room = b->rect();
    out.textRect = b->textRect();
    return !out.textRect.isEmpty();
}

bool place(QWidget* w, Placed& out)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return placeLabel(l, out);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return placeButton(b, out);
    if (auto* s = qobject_cast<CUxTpTextIllus*>(w))
        return placeSliced(s, out);
    return false;
}

bool shown(QWidget* w, QWidget* top)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (p->isHidden())
            return false;
        // A parent with no room shows nothing of its children.
        if (p != w && (p->width() <= 0 || p->height() <= 0))
            return false;
        if (p == top)
            return true;
    }
    return false;
}

// The part of w's rectangle that its parents up to top let through, in
// top's coordinates. Scrolled contents are clipped on purpose: the walk
// stops at a scrolling view.
QRect visiblePart(QWidget* w, QWidget* top, bool* scrolled)
{
    QRect r(w->mapTo(top, QPoint(0, 0)), w->size());
    *scrolled = false;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget()))
            if (area->viewport() == p) {
                *scrolled = true;
                break;
            }
        if (p->inherits("QUxListWidget")) {
            *scrolled = true;
            break;
        }
        r &= QRect(p->mapTo(top, QPoint(0, 0)), p->size());
        if (p == top)
            break;
    }
    return r;
}

QString pathOf(QWidget* w, QWidget* top)
{
    QStringList names;
    for (QWidget* p = w; p && p != top; p = p->parentWidget())
        if (!p->objectName().isEmpty())
            names.prepend(p->objectName());
    names.prepend(top->objectName().isEmpty() ? QString::fromLatin1(top->metaObject()->className()) : top->objectName());
    return names.join(QLatin1Char('/')) + QStringLiteral(" (") + QLatin1String(w->metaObject()->className())
           + QLatin1Char(')');
}

QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

QList<Finding> clippedTexts(QWidget* top)
{
    QList<Finding> findings;
    if (!top)
        return findings;
    QList<QWidget*> widgets{top};
    widgets += top->findChildren<QWidget*>();
    struct Drawn
    {
        QWidget* widget;
        QRect rect;   // in top's coordinates
        QString text;
    };
    QList<Drawn> drawn;
    for (QWidget* w : qAsConst(widgets)) {
        if (!shown(w, top) || w->window() != top->window())
            continue;
        Placed p;
        if (!place(w, p))
            continue;
        const QRect room = p.room.adjusted(-kSlackX, -kSlackY, kSlackX, kSlackY);
        if (!room.contains(p.textRect)) {
            findings.append({w, p.text, QStringLiteral("text %1 needs %2 x %3, has %4 x %5")
                                            .arg(rectText(p.textRect))
                                            .arg(p.textRect.width()).arg(p.textRect.height())
                                            .arg(p.room.width()).arg(p.room.height())});
            continue;
        }
        bool scrolled = false;
        const QRect visible = visiblePart(w, top, &scrolled);
        const QRect inTop = p.textRect.translated(w->mapTo(top, QPoint(0, 0))) & QRect(w->mapTo(top, QPoint(0, 0)), w->size());
        // Wholly outside its parents: parked out of sight on purpose.
        if (!scrolled && !visible.intersects(inTop))
            continue;
        if (!scrolled && !visible.adjusted(-kSlackX, -kSlackY, kSlackX, kSlackY).contains(inTop)) {
            findings.append({w, p.text, QStringLiteral("text at %1 in the window, its parents show %2")
                                            .arg(rectText(inTop), rectText(visible))});
            continue;
        }
        if (!scrolled)
            drawn.append({w, inTop, p.text});
    }
    // Two texts over each other, neither inside the other's widget.
    for (int i = 0; i < drawn.size(); ++i)
        for (int j = i + 1; j < drawn.size(); ++j) {
            const Drawn& a = drawn.at(i);
            const Drawn& b = drawn.at(j);
            if (a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget))
                continue;
            const QRect both = a.rect & b.rect;
            if (both.width() > kSlackX && both.height() > kSlackY)
                findings.append({a.widget, a.text, QStringLiteral("drawn over \"%1\" at %2")
                                                       .arg(b.text, rectText(both))});
        }
    for (Finding& f : findings)
        f.problem = pathOf(f.widget, top) + QStringLiteral(": ") + f.problem;
    return findings;
}

QList<Finding> outsideWindow(QWidget* top)
{
    QList<Finding> findings;
    if (!top)
        return findings;
    const QRect window = top->rect();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!shown(w, top) || w->window() != top->window())
            continue;
        bool scrolled = false;
        const QRect visible = visiblePart(w, top, &scrolled);
        if (scrolled || visible.isEmpty())
            continue;
        // What the parents below the window let through: the window's own
        // edge is what cuts the rest.
        QRect painted(w->mapTo(top, QPoint(0, 0)), w->size());
        for (QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
            painted &= QRect(p->mapTo(top, QPoint(0, 0)), p->size());
        if (!painted.isEmpty() && !window.contains(painted))
            findings.append({w, QString(), pathOf(w, top) + QStringLiteral(": at %1, the window is %2")
                                                                .arg(rectText(painted), rectText(window))});
    }
    return findings;
}

QString describe(const QList<Finding>& findings)
{
    QStringList lines;
    for (const Finding& f : findings)
        lines << QStringLiteral("\"%1\" %2").arg(f.text, f.problem);
    return lines.join(QLatin1Char('\n'));
}

}
