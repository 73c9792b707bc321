#pragma once

#include "gui/PopupBase.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QTimer>

namespace Ui {
class MsgDialog;
}

// The application's message box: a title, a warning icon, a heading, two
// lines of text and up to three buttons. showMsg() runs it modally and
// answers 0, 1 or 2 for the buttons and 3 for the close button. Type 0 turns
// it into a 30-second countdown that ends with 0.
class MsgDialog : public PopupBase
{
    Q_OBJECT
public:
    enum Result { Button0 = 0, Button1 = 1, Button2 = 2, Closed = 3 };

    MsgDialog(const QString& heading, const QString& text, const QString& text2, const QString& btn0,
              const QString& btn1, const QString& btn2, QWidget* parent, const QString& title, int type);
    ~MsgDialog() override;

    static int showMsg(const QString& heading, const QString& text, const QString& text2, const QString& btn0,
                       const QString& btn1, const QString& btn2, QWidget* parent, const QString& title,
                       int type);

    int result() const { return m_result; }
    int remainingSeconds() const { return m_remaining; }
    Ui::MsgDialog* form() const { return ui; }

private slots:
    void on_btn_2_clicked();
    void on_btn_1_clicked();
    void on_btn_0_clicked();
    void on_btn_close_clicked();
    void onTimeout();
    void onLink(const QString& link);

private:
    void showCountdown();

    Ui::MsgDialog* ui;
    int m_result = 0;
    QTimer m_timer;
    int m_remaining = 0;
    QMap<QString, QPair<QObject*, QString>> m_links;
};
