#include "gui/main/CUxTracksListBox.h"

#include "gui/main/CUxTrackItem.h"
#include "ui_trackdropdownbox.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CToolTip.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Design px the list scrolls by per step of the scroll slots.
constexpr int kScrollStep = 20;
constexpr int kRepeatDelayMs = 500;
}

CUxTracksListBox::CUxTracksListBox(CheckHandler check, ModeQuery mode, RefusalQuery refusal, SwitchHandler sw,
                                   ReplaceQuery replace, QWidget* parent, int minimumWidth)
    : QWidget(parent)
    , checkHandler(check)
    , modeQuery(mode)
    , refusalQuery(refusal)
    , switchHandler(sw)
    , replaceQuery(replace)
    , ui(new Ui::trackdropdownbox)
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->setupUi(this);
    ui->line->hide();
    ui->widget_2->setMinimumWidth(minimumWidth);

    m_inner = new QWidget(ui->widget);
    m_inner->setObjectName(QStringLiteral("listHolder"));
    auto* h = new QHBoxLayout(ui->widget);
    h->setContentsMargins(6, 6, 6, 6);
    h->setSpacing(0);
    h->addWidget(m_inner);
    m_list = new QUxListWidget(m_inner);
    m_list->setContentsMargins(QMargins(0, 0, 0, 0));
    m_list->setScrollBarVisible(true);
    m_list->setItemDragEnabled(false);
    m_list->setMultiSelection(1);
}

CUxTracksListBox::~CUxTracksListBox()
{
    m_list->clear();
    delete ui;
}

QWidget* CUxTracksListBox::panel() const
{
    return ui->widget;
}

void CUxTracksListBox::addItem(QUxItemBase* row)
{
    m_list->insertItem(row, true, -1);
}

void CUxTracksListBox::setItemCount(int n)
{
    const bool scrolls = n > kVisibleRows;
    m_list->setScrollBarVisible(scrolls);
    m_list->setScrollBarMargin(scrolls ? 4 : 0);
    m_list->updateLayout();
}

CUxTrackItem* CUxTracksListBox::trackItem(int index) const
{
    for (int i = 0; i < m_list->count(); ++i)
        if (auto* row = qobject_cast<CUxTrackItem*>(m_list->item(i)))
            if (row->rowIndex() == index)
                return row;
    return nullptr;
}

CUxTrackItem* CUxTracksListBox::otherCheckedItem(int index) const
{
    for (int i = 0; i < m_list->count(); ++i)
        if (auto* row = qobject_cast<CUxTrackItem*>(m_list->item(i)))
            if (row->rowIndex() != index && row->isChecked())
                return row;
    return nullptr;
}

void CUxTracksListBox::popup(int index)
{
    if (index == -1) {
        for (int i = 0; i < m_list->count(); ++i) {
            auto* row = qobject_cast<CUxTrackItem*>(m_list->item(i));
            if (row && row->isChecked()) {
                index = i;
                break;
            }
        }
    }
    show();
    if (index >= 0)
        m_list->scrollToItem(index);
}

void CUxTracksListBox::onItemToggled(int index, bool checked)
{
    // An owner may ask the user first; the question's event loop can hide
    // the popup, and so delete it, before the answer comes back.
    QPointer<CUxTracksListBox> self(this);
    const bool accepted = checkHandler ? checkHandler(index, checked) : false;
    if (self)
        afterItemToggled(index, checked, accepted);
}

void CUxTracksListBox::switchToItem(int index)
{
    QPointer<CUxTracksListBox> self(this);
    const bool accepted = switchHandler ? switchHandler(index) : false;
    if (self)
        afterItemSwitched(index, accepted);
}

void CUxTracksListBox::setItemChecked(int index, bool checked, bool delayed)
{
    if (CUxTrackItem* row = trackItem(index))
        row->setChecked(checked, delayed);
}

void CUxTracksListBox::afterItemToggled(int index, bool checked, bool accepted)
{
    if (!checked) {
        if (accepted) {
            const int m = modeQuery ? modeQuery() : -1;
            setItemChecked(index, false, false);
            if (m == 2)
                if (auto* sub = qobject_cast<CUxSubStreamTrackItem*>(trackItem(index)))
                    sub->setMode(2);
        } else {
            setItemChecked(index, true, true);
            showTip(tr("Must choose at lest one track!"));
        }
        return;
    }
    if (accepted) {
        const int m = modeQuery ? modeQuery() : -1;
        setItemChecked(index, true, false);
        if (m == 0 || m == 1)
            if (auto* sub = qobject_cast<CUxSubStreamTrackItem*>(trackItem(index)))
                sub->setMode(m);
        return;
    }
    // Without a refusal query the tick is refused for no reason shown.
    const int r = refusalQuery ? refusalQuery() : -1;
    if (r == 1) {
        // Each pass unticks one other row, so the replacement ends.
        CUxTrackItem* other = otherCheckedItem(index);
        if (!other) {
            setItemChecked(index, false, true);
            return;
        }
        other->setChecked(false, false);
        if (replaceQuery && replaceQuery()) {
            const bool answer = checkHandler ? checkHandler(index, true) : false;
            afterItemToggled(index, true, answer);
        }
        return;
    }
    QString text;
    switch (r) {
    case 0:
        text = tr("The chosen track has been beyond the number limit!");
        break;
    case 2:
        text = tr("The chosen embedded subtitle has been beyond the number limit!");
        break;
    case 3:
        text = tr("The chosen external subtitle has been beyond the number limit!");
        break;
    case 4:
        text = tr("Can not choose an unknown track!");
        break;
    case 6:
        text = tr("Not support the external picture subtitle!");
        break;
    default:
        break;
    }
    setItemChecked(index, false, true);
    if (!text.isEmpty())
        showTip(text);
}

void CUxTracksListBox::afterItemSwitched(int, bool accepted)
{
    if (accepted)
        hide();
    else
        showTip(tr("Cannot switch to unselected item!"));
}

void CUxTracksListBox::showTip(const QString& text, QWidget*)
{
    if (m_tip)
        m_tip->stop();
    auto* tip = new CToolTipText(text, UIBaseData::instance()->mainWindow());
    tip->setObjectName(QStringLiteral("trackTip"));
    tip->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    // The balloon may outlive the popup: it deletes itself, and only while
    // the popup lives does its end reach the popup.
    connect(tip, &CToolTip::finished, tip, &QObject::deleteLater);
    connect(tip, &CToolTip::finished, this, [this, tip] {
        if (m_tip == tip)
            m_tip = nullptr;
        setFocus();
    });
    m_tip = tip;
    tip->setTextColor(QColor(QStringLiteral("#919499")));
    tip->move(QCursor::pos() + QPoint(10, 10));
    tip->show();
    tip->start(1500);
}

void CUxTracksListBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = ui->widget->mapFrom(this, event->pos());
    if (!ui->widget->rect().contains(p))
        hide();
}

void CUxTracksListBox::showEvent(QShowEvent* event)
{
    const int n = m_list->count();
    const int visible = qMin(n, kVisibleRows);
    int w = 0;
    for (int i = 0; i < n; ++i)
        if (auto* row = qobject_cast<CUxTrackItem*>(m_list->item(i)))
            w = qMax(w, row->layoutRow() + (n > kVisibleRows ? kScrollBarRoom : 0));
    int h = 0;
    for (int i = 0; i < visible; ++i)
        h += m_list->item(i)->itemHeight();
    if (visible > 1)
        h += m_list->itemSpacing() * (visible - 1);

    if (w != 0) {
        m_list->setBaseSize(w, h);
        m_list->resize(UIBaseData::scaledSize(QSize(w, h)));
        if (!m_inner->layout()) {
            auto* v = new QVBoxLayout(m_inner);
            v->setContentsMargins(0, 0, 0, 0);
            v->setSpacing(0);
            v->addWidget(m_list);
        }
        m_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    resize(ui->widget_2->minimumWidth() + 56 + UIBaseData::scaled(float(w)), UIBaseData::scaled(float(h)) + 56);
    if (layout())
        layout()->activate();
    m_list->updateLayout();
    m_list->relayoutItems();
    move(m_anchor - ui->widget->mapTo(this, QPoint(0, 0)));
    QWidget::showEvent(event);
}

void CUxTracksListBox::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    deleteLater();
}

void CUxTracksListBox::scrollStep(BtnType bt)
{
    const int step = UIBaseData::scaled(float(kScrollStep));
    const int value = qBound(0, m_list->scrollValue() + (bt == BtnUp ? -step : step), qMax(0, m_list->scrollMaximum()));
    // The bar takes the value quietly (its own handler would animate); the
    // rows follow at once.
    {
        const QSignalBlocker quiet(m_list->scrollBar());
        m_list->scrollBar()->setValue(value);
    }
    m_list->onHover(value);
}

void CUxTracksListBox::onPressed(BtnType bt)
{
    m_released = false;
    // Only this press may start the repeat: an earlier short press's delay
    // must not start one for the wrong button.
    const int press = ++m_pressCount;
    QTimer::singleShot(kRepeatDelayMs, this, [this, bt, press] {
        if (m_released || m_repeat || press != m_pressCount)
            return;
        auto* t = new QTimer(this);
        t->setInterval(kRepeatDelayMs);
        connect(t, &QTimer::timeout, this, [this, bt] { scrollStep(bt); });
        m_repeat = t;
        t->start();
    });
}

void CUxTracksListBox::onReleased(BtnType bt)
{
    if (m_released)
        return;
    m_released = true;
    if (m_repeat) {
        m_repeat->stop();
        delete m_repeat;
    } else {
        scrollStep(bt);
    }
}

void CUxTracksListBox::onClicked(BtnType bt)
{
    const int d = UIBaseData::scaled(float(m_list->itemSpacing() + kScrollStep));
    m_list->scrollBy(bt == BtnUp ? -d : d, false);
}
