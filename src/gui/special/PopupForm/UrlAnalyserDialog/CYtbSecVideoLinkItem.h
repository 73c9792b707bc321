#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "gui/BaseWidget.h"

class CUxPhotoFrame;
class CYtbLinkWords;
class QPushButton;

// One item of a playlist in the analysis window's tile view: thumbnail with
// a tick, title and uploader, a blue frame while the ready item is ticked,
// and a hover overlay (enter icon, error icon or "loading..."). A click on a
// ready tile asks the window to open the item (getIn).
class CYtbSecVideoLinkItem : public BaseWidget
{
    Q_OBJECT
public:
    explicit CYtbSecVideoLinkItem(QWidget* parent = nullptr);
    ~CYtbSecVideoLinkItem() override;

    void setData(const YoutubeItem& record);
    YoutubeItem item() const { return m_record; }
    bool hasCachedThumbnail() const;
    int hoverState() const { return m_hoverState; }
    bool isReady() const;

    QWidget* body() const { return m_bg; }
    QWidget* overlay() const { return m_overlay; }
    QPushButton* checkButton() const { return m_btnCheck; }
    CUxPhotoFrame* image() const { return m_image; }
    CYtbLinkWords* words() const { return m_words; }

signals:
    void getIn(int index);

public slots:
    void on_BtnCheck_clicked(bool bChecked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void enterHover();
    void leaveHover();
    void paintOverlay();

    QWidget* m_bg = nullptr;
    CUxPhotoFrame* m_image = nullptr;
    CYtbLinkWords* m_words = nullptr;
    QWidget* m_overlay = nullptr;
    QPushButton* m_btnCheck = nullptr;
    YoutubeItem m_record;
    int m_hoverState = 3;
};
