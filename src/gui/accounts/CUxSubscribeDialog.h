#pragma once

#include "gui/PopupBase.h"
#include "gui/common/MediaListWidget/QUxItemBase.h"

#include <QLineEdit>
#include <QPointer>

class QLabel;
class QPushButton;
class QUxListWidget;

// The in-place title editor: a frameless window over the row's title that
// ends its edit with Enter or when it loses the focus, and hides when the
// row it belongs to moves.
class QUxLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit QUxLineEdit(QWidget* row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// One subscription: title, address and a remove button. The row's index is
// the index of its record in Youtube::subscribeLists; it keeps no copy of
// the record.
class CUxSubscribeItem : public QUxItemBase
{
    Q_OBJECT
public:
    explicit CUxSubscribeItem(QUxListWidget* list);

    void refreshTexts();
    QLabel* nameLabel() const { return m_labName; }
    QLabel* urlLabel() const { return m_labUrl; }
    QPushButton* removeButton() const { return m_btnRemove; }
    QUxLineEdit* editor() const { return m_editor; }
    bool isRemoving() const { return m_removing; }

    int itemHeight() override;
    QRect clickRect() override;
    void setNormalStyle() override;
    void setHoverStyle() override;
    void setSelectedStyle() override;

public slots:
    void on_btnRemove_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void openEditor();
    void onTitleEdited(QUxLineEdit* editor);
    void setMainStyle(const char* image);

    QWidget* m_main = nullptr;
    QLabel* m_labName = nullptr;
    QLabel* m_labUrl = nullptr;
    QPushButton* m_btnRemove = nullptr;
    QPointer<QUxLineEdit> m_editor;
    // Set by the first click on remove: a second click during the slide
    // would remove the subscription that has taken this row's index.
    bool m_removing = false;
};

// The subscribed playlists: titles changed in place, subscriptions removed,
// one chosen for analysis. exec() returns the chosen row's index into
// Youtube::subscribeLists, or -1.
class CUxSubscribeDialog : public PopupBase
{
    Q_OBJECT
public:
    explicit CUxSubscribeDialog(QWidget* parent);

    int exec() override;
    int result() const { return m_result; }
    QUxListWidget* list() const { return m_list; }
    QPushButton* doneButton() const { return m_btnDone; }

public slots:
    void on_btnClose_clicked();
    void on_btn_done_clicked();
    void onListItemChanged(int index);
    void on_btn_cancel_clicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void fillList();

    QUxListWidget* m_list = nullptr;
    QPushButton* m_btnClose = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnDone = nullptr;
    int m_result = -1;
    // The rows are made once, at the first showing.
    bool m_filled = false;
};
