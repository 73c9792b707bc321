#pragma once

#include <QPushButton>

// A push button that paints its text once more in the library's dark grey;
// the round shape comes from the caller's style sheet.
class CUxCircleBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit CUxCircleBtn(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
