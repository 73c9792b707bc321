#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"

class CUxCheckBox;
class CUxPhotoFrame;
class CYtbLinkWords;
class QLabel;

// One analysed list, or one item of the current list, in the analysis
// window's lists: tick, thumbnail, title and uploader, history flag and a
// loading animation until the engine has analysed the entry. The tick goes
// straight into the engine; the engine's refreshed record comes back
// through setData.
class CYtbFirstLevelItem : public QUxItemBase
{
    Q_OBJECT
public:
    CYtbFirstLevelItem(int level, const YoutubeItem& record, QUxListWidget* list);
    ~CYtbFirstLevelItem() override;

    void setData(const YoutubeItem& record);
    YoutubeItem item() const { return m_record; }
    bool isAnalysed() const { return m_record.analysed; }
    int level() const { return m_level; }

    CUxCheckBox* checkBox() const { return m_checkBox; }
    CUxPhotoFrame* photo() const { return m_photo; }
    QLabel* loadingLabel() const { return m_labLoading; }
    CYtbLinkWords* words() const { return m_words; }
    QLabel* flag() const { return m_flag; }
    QString checkStyleTemplate() const { return m_checkStyleTemplate; }

    int itemHeight() override;
    void setSelectedStyle() override;
    void setNormalStyle() override;
    void setHoverStyle() override;
    void setSelectedHoverStyle() override;

public slots:
    void on_checkBox_uxClicked(bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void refresh();
    void fitWords();
    void setRowImage(const char* image);
    // The marker a disabled row shows instead of its title, or empty.
    QString marker() const;

    int m_level = 0;
    YoutubeItem m_record;
    QString m_checkStyleTemplate;
    CUxCheckBox* m_checkBox = nullptr;
    CUxPhotoFrame* m_photo = nullptr;
    QLabel* m_labLoading = nullptr;
    CYtbLinkWords* m_words = nullptr;
    QLabel* m_flag = nullptr;
};
