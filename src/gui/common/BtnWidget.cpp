#include "gui/common/BtnWidget.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QStyle>
#include <QStyleOption>
#include <QVariant>

namespace {
const char* const kSuffixes[5] = {"_nor", "_hover", "_down", "_checked", "_dis"};

// Exclusive groups by "BtnWidget_groupID"; nothing enters buttons yet, so a
// lookup only ever finds an empty list.
QMap<int, QList<QPointer<BtnWidget>>>& registry()
{
    static QMap<int, QList<QPointer<BtnWidget>>> groups;
    return groups;
}

// Colour, background and font tables are ordered normal, hover, pressed,
// disabled; the checked state uses the normal entries.
int lookIndex(int state)
{
    switch (state) {
    case BtnWidget::Hover: return 1;
    case BtnWidget::Pressed: return 2;
    case BtnWidget::Disabled: return 3;
    default: return 0;
    }
}

// Explicit images are ordered normal, hover, pressed, disabled, checked.
int imageIndex(int state)
{
    switch (state) {
    case BtnWidget::Checked: return 4;
    case BtnWidget::Disabled: return 3;
    default: return state;
    }
}
}

BtnWidget::BtnWidget(QWidget* parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("BtnWidget"));
}

QString BtnWidget::stateImage(const QString& path, int state)
{
    if (path.isEmpty())
        return QString();
    if (state < 0 || state > 4)
        return path;
    const QFileInfo info(path);
    const QString base = info.baseName();
    QString file = info.fileName();
    if (!base.isEmpty())
        file.replace(base, base + QLatin1String(kSuffixes[state]));
    return QFileInfo(info.absolutePath() + QLatin1Char('/') + file).absoluteFilePath();
}

QList<BtnWidget*> BtnWidget::groupMembers(int groupId)
{
    QList<BtnWidget*> out;
    for (const QPointer<BtnWidget>& b : registry()[groupId]) {
        if (b)
            out << b.data();
    }
    return out;
}

bool BtnWidget::findIn(QObject* parent)
{
    for (QObject* child : parent->children()) {
        const QString name = child->objectName();
        if (name.contains(QLatin1String("BtnWidget_Pic"))) {
            if (child->isWidgetType())
                m_picWidget = static_cast<QWidget*>(child);
        } else if (name.contains(QLatin1String("space"))) {
            if (child->isWidgetType())
                m_spaceWidget = static_cast<QWidget*>(child);
        } else if (name.contains(QLatin1String("text"))) {
            if (auto* label = qobject_cast<QLabel*>(child))
                m_textLabel = label;
        }
        if (m_picWidget && m_spaceWidget && m_textLabel) {
            m_picWidget->installEventFilter(this);
            return true;
        }
        if (findIn(child))
            return true;
    }
    return false;
}

void BtnWidget::findParts()
{
    if (m_picWidget && m_spaceWidget)
        return;
    findIn(this);
}

void BtnWidget::setImage(const QString& path)
{
    m_explicitImages = false;
    m_imagePath = path;
    applyPicture(Normal);
}

void BtnWidget::setStateImages(const QStringList& paths)
{
    m_explicitImages = true;
    for (int i = 0; i < 5; ++i)
        m_stateImages[i] = paths.value(i);
}

void BtnWidget::setTextColors(const QString& normal, const QString& hover, const QString& pressed,
                              const QString& disabled)
{
    const QString h = hover.isEmpty() ? normal : hover;
    const QString p = pressed.isEmpty() ? h : pressed;
    const QString d = disabled.isEmpty() ? normal : disabled;
    m_textColors[0] = normal;
    m_textColors[1] = h;
    m_textColors[2] = p;
    m_textColors[3] = d;
    m_textColors[4] = normal;
    applyBackground(Normal);
}

void BtnWidget::setBackgroundColors(const QString& normal, const QString& hover,
                                    const QString& pressed, const QString& disabled,
                                    int borderRadius)
{
    m_backgroundColors[0] = normal;
    m_backgroundColors[1] = hover;
    m_backgroundColors[2] = pressed;
    m_backgroundColors[3] = disabled;
    m_backgroundColors[4] = normal;
    m_borderRadius = borderRadius;
}

void BtnWidget::setFontPixelSizes(int normal, int hover, int pressed, int disabled)
{
    m_fontPixelSizes[0] = normal;
    m_fontPixelSizes[1] = hover;
    m_fontPixelSizes[2] = pressed;
    m_fontPixelSizes[3] = disabled;
    m_fontPixelSizes[4] = normal;
}

void BtnWidget::applyPicture(int state)
{
    findParts();
    const int li = lookIndex(state);
    m_textColors[4] = m_textColors[li];
    m_backgroundColors[4] = m_backgroundColors[li];
    m_fontPixelSizes[4] = m_fontPixelSizes[li];

    const QString path = m_explicitImages ? m_stateImages[imageIndex(state)]
                                          : stateImage(m_imagePath, state);
    if (state == Hover && m_animateSpace && m_spaceWidget)
        hop();
    // A state without its own picture keeps the one shown.
    if (m_picWidget && !path.isEmpty() && QFile::exists(path))
        m_picWidget->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(path));
}

void BtnWidget::applyBackground(int state)
{
    QString image;
    if (m_backgroundImage.isEmpty())
        m_backgroundColors[4] = m_backgroundColors[lookIndex(state)];
    else
        image = stateImage(m_backgroundImage, state);

    QString style;
    if (!m_textColors[4].isEmpty())
        style = QStringLiteral("QWidget{color:%1; }").arg(m_textColors[4]);
    if (m_fontPixelSizes[4] != -1 && m_textLabel) {
        QFont f = m_textLabel->font();
        f.setPixelSize(qMax(1, UIBaseData::scaled(float(m_fontPixelSizes[4]))));
        m_textLabel->setFont(f);
    }
    if (!m_backgroundColors[4].isEmpty()) {
        style += QStringLiteral("#%1{background-color: %2;border-radius: %3px}")
                     .arg(objectName(), m_backgroundColors[4])
                     .arg(m_borderRadius);
    } else if (!image.isEmpty() && QFile::exists(image)) {
        style += QStringLiteral("#%1{border-image: url(%2);%3}")
                     .arg(objectName(), image,
                          m_borderWidth > 0 ? QStringLiteral("border-width:%1px").arg(m_borderWidth)
                                            : QString());
    }
    setStyleSheet(style);
}

void BtnWidget::applyLook(int state)
{
    applyPicture(state);
    applyBackground(state);
}

void BtnWidget::hop()
{
    if (!m_spaceAnimation) {
        m_spaceAnimation = new QSequentialAnimationGroup(this);
        auto* anim = new QPropertyAnimation(m_spaceWidget, "minimumWidth", m_spaceAnimation);
        anim->setDuration(200);
        anim->setStartValue(UIBaseData::scaled(3));
        anim->setKeyValueAt(0.3, 0);
        anim->setEndValue(UIBaseData::scaled(3));
        m_spaceAnimation->addAnimation(anim);
    }
    if (m_spaceAnimation->state() != QAbstractAnimation::Running)
        m_spaceAnimation->start();
}

void BtnWidget::setChecked(bool value)
{
    if (!m_checkable || value == m_checked)
        return;
    m_checked = value;
    if (value) {
        const QVariant group = property("BtnWidget_groupID");
        if (group.isValid()) {
            const QList<QPointer<BtnWidget>> members = registry()[group.toInt()];
            for (const QPointer<BtnWidget>& b : members) {
                if (b && b != this)
                    b->setChecked(false);
            }
        }
        applyLook(Checked);
    } else {
        applyLook(Normal);
    }
}

void BtnWidget::fitToText()
{
    findParts();
    if (!m_textLabel || !m_picWidget || !m_spaceWidget)
        return;
    const int baseFont = m_textLabel->property("baseFontSize").isValid()
                             ? m_textLabel->property("baseFontSize").toInt()
                             : 12;
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(qMax(1, baseFont));
    const int tw0 = QFontMetrics(font).horizontalAdvance(m_textLabel->text());
    m_textLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    const QSize pic = m_picWidget->baseSize();
    const QSize space = m_spaceWidget->baseSize();
    setBaseSize(pic.width() + tw0 + space.width(), pic.height());

    font.setPixelSize(qMax(1, UIBaseData::scaled(float(baseFont))));
    const int tw = QFontMetrics(font).horizontalAdvance(m_textLabel->text());
    const int w = tw + UIBaseData::scaled(float(space.width())) + UIBaseData::scaled(float(pic.width())) + 2;
    const int h = UIBaseData::scaled(float(pic.height()));
    resize(w, h);
    setMinimumSize(w, h);
}

bool BtnWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picWidget && event->type() == QEvent::Resize)
        fitToText();
    return QWidget::eventFilter(watched, event);
}

void BtnWidget::enterEvent(QEvent* event)
{
    if (isEnabled() && !(m_checkable && m_checked))
        applyLook(Hover);
    QWidget::enterEvent(event);
}

void BtnWidget::leaveEvent(QEvent* event)
{
    if (isEnabled() && !(m_checkable && m_checked))
        applyLook(Normal);
    QWidget::leaveEvent(event);
}

void BtnWidget::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && !(m_checkable && m_checked))
        applyLook(Pressed);
    event->accept();
}

void BtnWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (isEnabled() && (event->buttons() & Qt::LeftButton) && !(m_checkable && m_checked))
        applyLook(rect().contains(event->pos()) ? Pressed : Normal);
    QWidget::mouseMoveEvent(event);
}

void BtnWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!isEnabled() || (m_checkable && m_checked))
        return;
    if (!rect().contains(event->pos()))
        return;
    QPointer<BtnWidget> self(this);
    emit doClicked();
    if (!self)
        return;  // a slot deleted the button
    if (m_checkable)
        setChecked(true);
    else
        applyLook(hasFocus() ? Hover : Normal);
}

void BtnWidget::changeEvent(QEvent* event)
{
    // Greyed out while disabled; the "_dis" picture when there is one.
    if (event->type() == QEvent::EnabledChange)
        applyLook(isEnabled() ? (m_checkable && m_checked ? Checked : Normal) : Disabled);
    QWidget::changeEvent(event);
}

void BtnWidget::paintEvent(QPaintEvent* event)
{
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
    p.end();
    QWidget::paintEvent(event);
}

void setBasePos(QWidget* w, QPoint p)
{
    if (!w)
        return;
    w->setProperty("basePos", p);
    w->move(UIBaseData::scaledPoint(p));
}

void placeRightOfWidget(QWidget* w, QWidget* anchor, int gap)
{
    if (!w || !anchor)
        return;
    QPoint p = anchor->property("basePos").toPoint();
    p.rx() += anchor->baseSize().width() + gap;
    setBasePos(w, p);
}
