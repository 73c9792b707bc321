#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QLabel;
class QUxItemBase;
class QUxListWidget;

// The floating, half-transparent picture of a row being reordered.
class QUxDrag : public QDialog
{
    Q_OBJECT

public:
    QUxDrag(QUxListWidget* list, QWidget* parent);

    void setPicture(const QPixmap& pixmap);
    void setOpacity(float opacity);
    void showAt(const QPoint& global);

    QLabel* label() const { return m_label; }
    QPoint lastCursor() const { return m_lastCursor; }
    void setLastCursor(const QPoint& p) { m_lastCursor = p; }
    QUxItemBase* draggedRow() const { return m_draggedRow; }
    void setDraggedRow(QUxItemBase* row) { m_draggedRow = row; }
    int targetIndex() const { return m_targetIndex; }
    void setTargetIndex(int index) { m_targetIndex = index; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QLabel* m_label;
    QPoint m_lastCursor;
    QPointer<QUxItemBase> m_draggedRow;
    int m_targetIndex = -2;
    QUxListWidget* m_list;
};
