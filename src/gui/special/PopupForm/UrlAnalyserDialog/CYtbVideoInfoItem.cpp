#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoInfoItem.h"

#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>

CYtbVideoInfoItem::CYtbVideoInfoItem(const YoutubeItem& record, QUxListWidget* list)
    : QUxItemBase(list), m_record(record)
{
    setObjectName(QStringLiteral("ytbvideoinfo"));
    setAttribute(Qt::WA_StyledBackground, true);
    setBaseSize(517, 29);
    resize(517, 29);
    setProperty("baseFontSize", 12);
    setStyleSheet(QStringLiteral("QWidget#ytbvideoinfo\n{\nbackground-color: rgb(248,248,249);\n}\n"));
    auto* rowLayout = new QHBoxLayout(this);
    rowLayout->setObjectName(QStringLiteral("horizontalLayout_2"));
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(20, 0, 20, 0);
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("widget_3"));
    rowLayout->addWidget(box);
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->setObjectName(QStringLiteral("horizontalLayout"));
    boxLayout->setSpacing(12);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    m_btnCheck = new QPushButton(box);
    m_btnCheck->setObjectName(QStringLiteral("BtnCheck"));
    m_btnCheck->setCheckable(true);
    m_btnCheck->setFocusPolicy(Qt::NoFocus);
    m_btnCheck->setFixedSize(UIBaseData::scaled(12), UIBaseData::scaled(12));
    m_btnCheck->setStyleSheet(QStringLiteral("QPushButton\n{\nfont-size:1px;\n\tborder-image: url(:/res/radio_nor.png);\n}\n"
                                             "QPushButton:checked\n{\nborder-image: url(:/res/radio_on.png);\n}\n"));
    boxLayout->addWidget(m_btnCheck);
    auto* columns = new QWidget(box);
    columns->setObjectName(QStringLiteral("widget_2"));
    boxLayout->addWidget(columns);
    auto* columnLayout = new QHBoxLayout(columns);
    columnLayout->setObjectName(QStringLiteral("widget"));
    columnLayout->setSpacing(0);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    const struct
    {
        const char* name;
        QLabel** out;
        int stretch;
    } labels[] = {{"LabQuakity", &m_labQuality, 100},
                  {"LabCodec", &m_labCodec, 100},
                  {"labOther", &m_labOther, 123},
                  {"LabSize", &m_labSize, 100}};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            columnLayout->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Minimum));
        auto* label = new QLabel(columns);
        label->setObjectName(QLatin1String(labels[i].name));
        label->setMinimumHeight(UIBaseData::scaled(29));
        label->setStyleSheet(QStringLiteral("color: rgb(98, 104, 115);"));
        label->setTextFormat(Qt::PlainText);
        QFont font = label->font();
        font.setPixelSize(qMax(1, int(11 * UIBaseData::instance()->scale())));
        label->setFont(font);
        columnLayout->addWidget(label);
        *labels[i].out = label;
    }
    // 100, 10, 100, 10, 123, 10, 100
    const int stretches[] = {100, 10, 100, 10, 123, 10, 100};
    for (int i = 0; i < 7; ++i)
        columnLayout->setStretch(i, stretches[i]);

    connect(this, &QUxItemBase::doSelect, this, &CYtbVideoInfoItem::onSelected);
    connect(this, &QUxItemBase::doSelectNot, this, &CYtbVideoInfoItem::onNotSelected);
    connect(m_btnCheck, &QPushButton::clicked, this, &CYtbVideoInfoItem::on_BtnCheck_clicked);
    writeTexts();
    // Tells the engine again that this format is the chosen one.
    if (m_record.checkState == 2)
        emit doSelect();
}

CYtbVideoInfoItem::~CYtbVideoInfoItem() = default;

int CYtbVideoInfoItem::itemHeight()
{
    return 29;
}

void CYtbVideoInfoItem::writeTexts()
{
    m_btnCheck->setChecked(m_record.checkState == 2);
    if (Youtube::instance()->isMusicMode() && !m_record.language.isEmpty())
        m_labQuality->setText(tr("Quality: %1 (%2)").arg(m_record.resolution, m_record.language));
    else
        m_labQuality->setText(tr("Quality: %1").arg(m_record.resolution));
    m_labCodec->setText(tr("Extention: %1").arg(m_record.ext));
    if (!m_record.fps.isEmpty())
        m_labOther->setText(tr("Frame Rate: %1").arg(m_record.fps));
    else
        m_labOther->setText(tr("Bit Rate: %1").arg(m_record.abr));
    m_labSize->setText(tr("Size: %1").arg(m_record.size));
}

void CYtbVideoInfoItem::setData(const YoutubeItem& record)
{
    m_record = record;
    writeTexts();
}

void CYtbVideoInfoItem::onSelected()
{
    m_record.checkState = 2;
    Youtube::instance()->setChecked(2, m_record.index, true);
}

void CYtbVideoInfoItem::onNotSelected()
{
    m_record.checkState = 0;
    Youtube::instance()->setChecked(2, m_record.index, false);
}

void CYtbVideoInfoItem::on_BtnCheck_clicked(bool checked)
{
    if (checked)
        emit doSelect();
    else
        emit doSelectNot();
}

void CYtbVideoInfoItem::resizeEvent(QResizeEvent* event)
{
    writeTexts();
    QUxItemBase::resizeEvent(event);
}

void CYtbVideoInfoItem::showEvent(QShowEvent* event)
{
    if (QUxListWidget* list = listWidget())
        resize(list->contentWidget()->width(), UIBaseData::scaled(float(itemHeight())));
    writeTexts();
    if (isSelected())
        setSelectedStyle();
    else
        setNormalStyle();
    setStyleSheet(QStringLiteral("#%1{background-color:rgb(%2)}")
                      .arg(objectName(), index() % 2 == 0 ? QStringLiteral("248,248,249") : QStringLiteral("241,241,241")));
    QUxItemBase::showEvent(event);
}

// ------------------------------------------------------------------ area

CYtbVideoInfoListArea::CYtbVideoInfoListArea(QWidget* parent) : QWidget(parent)
{
    m_list = new QUxListWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setMultiSelection(1);
}

void CYtbVideoInfoListArea::resizeEvent(QResizeEvent* event)
{
    m_list->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void CYtbVideoInfoListArea::fill(const QList<YoutubeItem>& formats, bool animated)
{
    for (const YoutubeItem& f : formats)
        m_list->insertItem(new CYtbVideoInfoItem(f, m_list), animated, -1);
}

void CYtbVideoInfoListArea::onMediaInfoLoaded(int iIndex, bool bCathed)
{
    m_list->clear();
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, iIndex);
    m_currentItem = iIndex;
    emit TitleCatched(formats.info.title);
    emit UrlCatched(iIndex, formats.info.url, formats.info.thumbnail);
    emit revertShowAllBtn(!formats.items.isEmpty());
    qDebug() << "items size = " << formats.items.size();
    if (formats.items.isEmpty()) {
        emit SubsCatched(formats.info);
        return;
    }
    // Filled in one pass while hidden: an event loop run between rows would
    // let clicks and refreshes act on a half-built list.
    const bool wasVisible = m_list->isVisible();
    if (bCathed)
        m_list->hide();
    fill(formats.items, !bCathed);
    m_list->scrollToTop();
    emit switchRightToMedia();
    if (bCathed && wasVisible)
        m_list->show();
    emit SubsCatched(formats.info);
}

void CYtbVideoInfoListArea::onMediaInfoLoaded(int iIndex)
{
    onMediaInfoLoaded(iIndex, false);
}

void CYtbVideoInfoListArea::onMediaCatched(int key, YoutubeItem info)
{
    for (int i = 0; i < m_list->count(); ++i) {
        auto* row = static_cast<CYtbVideoInfoItem*>(m_list->item(i));
        if (row->item().index == key) {
            row->setData(info);
            return;
        }
    }
}

void CYtbVideoInfoListArea::onMediaCleared()
{
    emit TitleCatched(QString());
    emit UrlCatched(-1, QString(), QString());
    m_list->clear();
    m_currentItem = -1;
    emit SubsCleared();
}

void CYtbVideoInfoListArea::onShowAll(bool bShowAll)
{
    if (m_currentItem == -1)
        return;
    Youtube::instance()->setShowAllMedia(bShowAll);
    YoutubeList formats;
    Youtube::instance()->lists(formats, 1, m_currentItem);
    if (formats.items.size() == m_list->count())
        return;
    m_list->clear();
    fill(formats.items, true);
    m_list->scrollToTop();
}
