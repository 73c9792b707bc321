#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"

class QLabel;
class QPushButton;
class QUxListWidget;

// One downloadable format of the opened item: a radio tick and quality,
// extension, frame or bit rate and size. The engine keeps one chosen format
// per item; the row mirrors the record it was last given.
class CYtbVideoInfoItem : public QUxItemBase
{
    Q_OBJECT
public:
    CYtbVideoInfoItem(const YoutubeItem& record, QUxListWidget* list);
    ~CYtbVideoInfoItem() override;

    void setData(const YoutubeItem& record);
    YoutubeItem item() const { return m_record; }
    int itemHeight() override;

    QPushButton* checkButton() const { return m_btnCheck; }
    QLabel* qualityLabel() const { return m_labQuality; }
    QLabel* codecLabel() const { return m_labCodec; }
    QLabel* otherLabel() const { return m_labOther; }
    QLabel* sizeLabel() const { return m_labSize; }

public slots:
    void onSelected();
    void onNotSelected();
    void on_BtnCheck_clicked(bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void writeTexts();

    QPushButton* m_btnCheck = nullptr;
    QLabel* m_labQuality = nullptr;
    QLabel* m_labCodec = nullptr;
    QLabel* m_labOther = nullptr;
    QLabel* m_labSize = nullptr;
    YoutubeItem m_record;
};

// Fills a format list for one item and reports the item's title, address,
// thumbnail and subtitle languages.
class CYtbVideoInfoListArea : public QWidget
{
    Q_OBJECT
public:
    explicit CYtbVideoInfoListArea(QWidget* parent = nullptr);

    QUxListWidget* list() const { return m_list; }
    int currentItem() const { return m_currentItem; }

signals:
    void TitleCatched(QString title);
    void UrlCatched(int indexInPlayList, QString url, QString thumbnail);
    void revertShowAllBtn(bool bEnable);
    void revertShowAllBtn();
    void switchRightToMedia();
    void SubsCatched(YoutubeMediaListInfo MediaSubs);
    void SubsCleared();

public slots:
    void onMediaInfoLoaded(int iIndex, bool bCathed);
    void onMediaInfoLoaded(int iIndex);
    void onMediaCatched(int key, YoutubeItem info);
    void onMediaCleared();
    void onShowAll(bool bShowAll);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill(const QList<YoutubeItem>& formats, bool animated);

    QUxListWidget* m_list = nullptr;
    int m_currentItem = -1;
};
