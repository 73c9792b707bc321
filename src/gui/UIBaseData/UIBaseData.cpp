#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/WidgetRescale.h"

#include "platform/Composition.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>
#include <cmath>

// The interface images are compiled into an object that a static archive
// would drop unless something refers to it.
static void registerInterfaceResources()
{
    Q_INIT_RESOURCE(tarnwick_res);
}

UIBaseData::UIBaseData()
    : m_compositionEnabled(Composition::isEnabled())
{
    registerInterfaceResources();
    // Windows are sized for the interface font: whatever builds one sees it.
    registerInterfaceFonts();
}

bool UIBaseData::registerInterfaceFonts()
{
    // Debian's fonts-wine puts a Tahoma with the original metrics beside
    // Wine, outside fontconfig's folders; fontconfig alone answers "Tahoma"
    // with a wider face, which cuts the texts the windows were sized for.
    static bool known = false;
    static bool tried = false;
    if (tried || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return known;
    tried = true;
    for (const char* name : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString file = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(name);
        if (!QFile::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0)
            qWarning() << "can not load the font" << file;
        else if (QFontDatabase::applicationFontFamilies(id).contains(QLatin1String("Tahoma")))
            known = known || QLatin1String(name) == QLatin1String("tahoma.ttf");
    }
    return known;
}

UIBaseData* UIBaseData::instance()
{
    static UIBaseData data;
    return &data;
}

int UIBaseData::scaled(float v)
{
    const float p = v * instance()->scale();
    if (v > 0)
        return int(std::trunc(p + 0.5f));
    return int(std::trunc(p - 0.5f));
}

QPoint UIBaseData::scaledPoint(const QPoint& p)
{
    return QPoint(scaled(float(p.x())), scaled(float(p.y())));
}

QSize UIBaseData::scaledSize(const QSize& s)
{
    return QSize(scaled(float(s.width())), scaled(float(s.height())));
}

void UIBaseData::rescaleWidget(QWidget* w)
{
    rescaleWidgetTree(w, m_scale);
}

// Everything a step needs lives on its call's stack, so a walk started from
// inside another (a resize handler that rescales its own children) cannot
// disturb the outer one.
void WidgetRescale::applyDesignProperties(QWidget* w, double f, bool applyFontWeight)
{
    const QSize bs = w->baseSize();
    if (bs.width() != 0)
        w->setMinimumWidth(int(std::trunc(bs.width() * f)));
    if (bs.height() != 0)
        w->setMinimumHeight(int(std::trunc(bs.height() * f)));
    w->resize(bs.width() != 0 ? int(std::trunc(bs.width() * f)) : w->width(),
              bs.height() != 0 ? int(std::trunc(bs.height() * f)) : w->height());

    const QVariant pos = w->property("basePos");
    if (pos.isValid()) {
        const QPoint p = pos.toPoint();
        w->move(int(std::floor(p.x() * f + 0.5)), int(std::floor(p.y() * f + 0.5)));
    }
    const QVariant fontSize = w->property("baseFontSize");
    if (fontSize.isValid()) {
        QFont font = w->font();
        font.setPixelSize(qMax(1, int(std::trunc(fontSize.toInt() * f))));
        if (applyFontWeight) {
            const QVariant weight = w->property("baseFontWeight");
            if (weight.isValid())
                font.setWeight(weight.toInt());
        }
        w->setFont(font);
    }
    const QVariant iconSize = w->property("baseIconSize");
    if (iconSize.isValid()) {
        const QSize s = iconSize.toSize();
        w->setProperty("iconSize", QSize(int(std::floor(s.width() * f + 0.5)),
                                         int(std::floor(s.height() * f + 0.5))));
    }
}

namespace {

void rescaleOne(QWidget* w, double f)
{
    WidgetRescale::applyDesignProperties(w, f, false);
    if (w->inherits("QPushButton"))
        w->setFocusPolicy(Qt::NoFocus);
}

void rescaleObject(QObject* o, double f)
{
    const QObjectList children = o->children();
    for (QObject* child : children)
        rescaleObject(child, f);
    if (o->isWidgetType())
        rescaleOne(static_cast<QWidget*>(o), f);
}

}

void UIBaseData::rescaleWidgetTree(QWidget* root, double factor)
{
    if (root)
        rescaleObject(root, factor);
}

QString UIBaseData::styleSheetTemplate(const QString& style, QList<int>& basePx)
{
    static const QRegularExpression re(QStringLiteral("[1-9][0-9]*[pP][xXtT]"));
    QString result = style;
    int n = 0;
    int from = 0;
    while (from < result.size()) {
        const QRegularExpressionMatch m = re.match(result, from);
        if (!m.hasMatch())
            break;
        ++n;
        const QString placeholder = QLatin1Char('%') + QString::number(n) + QLatin1String("px");
        QString text = m.captured(0).toUpper();
        result.replace(m.capturedStart(0), m.capturedLength(0), placeholder);
        text.remove(QLatin1Char(' '));
        if (text.contains(QLatin1Char('T'))) {
            text.remove(QLatin1String("PT"));
            basePx.append(int(std::trunc(float(text.toInt()) * 4.0f / 3.0f)));
        } else {
            text.remove(QLatin1String("PX"));
            basePx.append(text.toInt());
        }
        from = m.capturedStart(0) + placeholder.size();
    }
    return result;
}

QString UIBaseData::applyStyleSheetTemplate(const QString& templ, const QList<int>& basePx)
{
    // One pass over the text: the template step numbered its placeholders
    // in text order and turned every other size into one, so the k-th
    // "%<k>px" is the k-th placeholder. Any other "%" (a "%2F" or "%20" in a
    // server's link) is text and stays as it is; QString::arg would take it
    // for a placeholder, and past 99 values misread "%100".
    QString result;
    result.reserve(templ.size() + basePx.size() * 2);
    int next = 1;
    int i = 0;
    while (i < templ.size()) {
        if (templ.at(i) == QLatin1Char('%') && next <= basePx.size()) {
            const QString mark = QString::number(next) + QLatin1String("px");
            if (templ.midRef(i + 1, mark.size()) == mark) {
                result += QString::number(scaled(float(basePx.at(next - 1)))) + QLatin1String("px");
                i += 1 + mark.size();
                ++next;
                continue;
            }
        }
        result += templ.at(i);
        ++i;
    }
    return result;
}

QString UIBaseData::setElidedText(QLabel* label, const QString& text, Qt::TextElideMode mode, int width)
{
    if (!label)
        return QString();
    if (width == -1) {
        QWidget* parent = label->parentWidget();
        width = parent ? parent->width() : label->width();
    }
    label->setToolTip(text);
    const QString elided = QFontMetrics(label->font()).elidedText(text, mode, width, 0);
    label->setText(elided);
    return elided;
}

QString UIBaseData::buttonStyleSheet(const QString& prefix)
{
    return QStringLiteral("QPushButton{border-image: url(%1nor.png);}"
                          "                    QPushButton:hover{border-image: url(%1hover.png);}"
                          "                    QPushButton:pressed{border-image: url(%1down.png);}")
        .arg(prefix);
}

QString UIBaseData::scrollBarStyleSheet(int designWidth)
{
    const int w = scaled(float(designWidth));
    const int h = scaled(float(designWidth / 2));
    return QStringLiteral(
               "QScrollBar:vertical{border-image:url(://res/C_middle_bg1.png);width:%1px;margin:%2px 0 %3px 0;}"
               "QScrollBar::handle:vertical{background-color:#B4B5B9;border-radius:%4px;min-height:20px;}"
               "QScrollBar::handle:vertical:hover{background-color:#AAABAF;border-radius:%5px;min-height:20px;}"
               "QScrollBar::add-line:vertical{height:0px;}"
               "QScrollBar::sub-line:vertical{height:0px;}"
               "QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical{height:0px;}"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background:none;}")
        .arg(QString::number(w, 10), QString::number(h, 10), QString::number(h, 10),
             QString::number(h, 10), QString::number(h, 10));
}

void UIBaseData::copyLogToCriticalLog()
{
    SettingsStore* store = SettingsStore::instance();
    if (!store)
        return;
    const QString critical = SettingsStore::fromStoredPath(store->value(QStringLiteral("base/criticalLog")));
    const QString log = SettingsStore::fromStoredPath(store->value(QStringLiteral("base/Log")));
    if (critical.isEmpty())
        return;
    QFile::remove(critical);
    if (!log.isEmpty())
        QFile::copy(log, critical);
}
