#pragma once

#include <QWidget>

// The drop-down of stored site accounts under the watch-later link: one
// link-looking button per account. One exists for the process (instance()).
class CUxAccountWatchLaterList : public QWidget
{
    Q_OBJECT
public:
    static CUxAccountWatchLaterList* instance();

    explicit CUxAccountWatchLaterList(QWidget* parent = nullptr);

signals:
    void hided();

protected:
    void hideEvent(QHideEvent* event) override;
};
