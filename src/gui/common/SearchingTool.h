#pragma once

#include <QFont>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

// A floating list of suggestions right under an input widget (at most ten
// rows of that widget's size). Clicking a row reports its text; a press
// anywhere else or the input losing the focus hides it.
class SearchingTool : public QWidget
{
    Q_OBJECT
public:
    explicit SearchingTool(QWidget* parent = nullptr);
    ~SearchingTool() override;

    void showList(QWidget* target, QStringList items, QFont font);

    QListWidget* listWidget() const { return m_list; }
    QWidget* target() const { return m_target; }
    QStringList items() const { return m_items; }
    int maxRows() const { return m_maxRows; }

signals:
    void doClicked(QString str);

public slots:
    void onItemClicked(QListWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isInside(QObject* watched) const;

    QListWidget* m_list = nullptr;
    int m_maxRows = 10;
    // The input may be destroyed while the list is open.
    QPointer<QWidget> m_target;
    QStringList m_items;
    QFont m_font;
};
