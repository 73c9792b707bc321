#pragma once

#include "gui/DropShadowPainter.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <QComboBox>
class QListWidget;
class QListWidgetItem;
class QPropertyAnimation;

// The program's own list for a combo box: a frameless, shadowed window whose
// list slides down from under the box, shows at most ten rows and slides up
// again on a choice or a click elsewhere. One exists at a time; asking for
// it while it is open closes it.
class DropDownDialog : public QDialog
{
    Q_OBJECT
public:
    DropDownDialog(QWidget* parent, int maxRows);
    ~DropDownDialog() override;

    // pos: global top-left of the row the list opens under; itemSize: the
    // size of that row and of every list row. Returns the drop-down opened,
    // or null when it closed the open one instead (or had nothing to show).
    static DropDownDialog* popup(QPoint pos, QSize itemSize, QComboBox* combo, bool withToolTips,
                                 int itemPadding);
    static DropDownDialog* current();
    // The row style of the list; %1 is the rows' left padding.
    static QString itemStyleTemplate();

    void showPopup(QPoint pos, QSize itemSize, QComboBox* combo, bool withToolTips,
                   int itemPadding);

    QListWidget* list() const { return m_list; }
    QWidget* content() const { return m_content; }
    QComboBox* combo() const { return m_combo; }
    QPropertyAnimation* slide() const { return m_slide; }
    int maxRows() const { return m_maxRows; }
    int shadowMargin() const { return m_shadowMargin; }

signals:
    void doChosenIndex(int index);

public slots:
    void clear();
    void finished();
    void onItemClicked(QListWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dispose();

    QListWidget* m_list = nullptr;
    int m_maxRows = 10;
    // The box may be destroyed while its list is open.
    QPointer<QComboBox> m_combo;
    DropShadowPainter m_shadowPainter;
    QWidget* m_content = nullptr;
    QPropertyAnimation* m_slide = nullptr;
    int m_shadowMargin = 7;
    QString m_itemStyle;
};
