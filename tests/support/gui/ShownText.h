#pragma once

// The text a widget shows a user and the room it has for it, read the same
// way for the program's own text widgets as for Qt's. Header only: it names
// widgets of the analysis window, so only what links them includes it.

#include "InterfaceTexts.h"
#include "gui/common/CUxTpTextIllus.h"
#include "gui/common/SmallButtons.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <QtMath>

namespace InterfaceTexts {

inline int widestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    return widest;
}

// The text a widget shows and the width it has for it (-1: not checked).
struct Shown
{
    QString text;
    int needed = -1;
    int room = -1;
};

inline Shown shownText(QWidget* w)
{
    Shown s;
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        s.text = simplified(label->text());
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        if (label->wordWrap()) {
            // A wrapped text is cut at the bottom instead.
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            rich ? doc.setHtml(label->text()) : doc.setPlainText(label->text());
            doc.setTextWidth(room.width());
            s.needed = qCeil(doc.size().height());
            s.room = room.height();
        } else if (rich) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(label->text());
            s.needed = qCeil(doc.idealWidth());
            s.room = room.width();
        } else {
            s.needed = widestLine(fm, label->text());
            s.room = room.width();
        }
        return s;
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        s.text = simplified(box->text());
        s.needed = fm.horizontalAdvance(box->text());
        s.room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
        return s;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QString text = button->text();
        if (auto* textIn = qobject_cast<CUxBtnTextIn*>(w))
            text = textIn->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        s.text = simplified(text);
        s.needed = widestLine(fm, text);
        s.room = button->contentsRect().width();
        return s;
    }
    if (auto* illus = qobject_cast<CUxTpTextIllus*>(w)) {
        s.text = simplified(illus->text());
        return s;
    }
    if (auto* beside = qobject_cast<CUxTextBesideBtn*>(w)) {
        s.text = simplified(beside->text());
        return s;
    }
    if (auto* words = qobject_cast<CYtbLinkWords*>(w)) {
        s.text = simplified(words->text());
        return s;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text().isEmpty())
            s.text = simplified(edit->placeholderText());
        return s;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        s.text = simplified(combo->currentText());
        return s;
    }
    return s;
}

// The object path of w under top, for a finding's message.
inline QString where(QWidget* w, QWidget* top)
{
    QStringList path;
    for (QWidget* p = w; p && p != top; p = p->parentWidget())
        path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
    return path.join(QLatin1Char('/'));
}

}
