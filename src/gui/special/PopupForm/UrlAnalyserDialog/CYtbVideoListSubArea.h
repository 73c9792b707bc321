#pragma once

#include "function/Youtube/YoutubeStructure.h"
#include "gui/BaseWidget.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// One subtitle language of the opened item: a tick and the language's
// native name. index is the language's position in the engine's list.
class CAreaItem : public BaseWidget
{
    Q_OBJECT
public:
    CAreaItem(int index, const SubLang& entry, QWidget* parent = nullptr);
    ~CAreaItem() override;

    int index() const { return m_index; }
    QString code() const { return m_code; }
    bool isChecked() const;

    QWidget* frame() const { return m_subItem; }
    QPushButton* tickButton() const { return m_btnChecked; }
    QLabel* nameLabel() const { return m_labText; }

signals:
    void clicked(bool bcheck);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_subItem = nullptr;
    QPushButton* m_btnChecked = nullptr;
    QLabel* m_labText = nullptr;
    int m_index = 0;
    QString m_code;
    bool m_checked = false;
};

// The subtitle languages of the opened item as chips that flow and wrap;
// a tick marks the language for download in the engine.
class CYtbVideoListSubArea : public QWidget
{
    Q_OBJECT
public:
    explicit CYtbVideoListSubArea(QWidget* parent = nullptr);
    ~CYtbVideoListSubArea() override;

    // Adds one chip per entry (in the engine's order) without clearing.
    void setLanguages(const QList<SubLang>& languages);

    QListWidget* listWidget() const { return m_list; }
    // The chips in list order.
    QList<CAreaItem*> chips() const;

public slots:
    void onCleared();
    void onSubListCatched(YoutubeMediaListInfo subs);
    void onSubCheckedItemclicked(bool bCheck);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void sizeChips();

    QListWidget* m_list = nullptr;
};
