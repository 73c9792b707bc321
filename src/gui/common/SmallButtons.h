#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

class QMovie;

// Small self-drawn controls of the dialogs. States are numbered 0 normal,
// 1 hover, 2 pressed, 3 disabled.

// A push button that plays an animated GIF in steps of 80 ms.
class GifButton : public QPushButton
{
    Q_OBJECT
public:
    explicit GifButton(QWidget* parent = nullptr);

    void setGif(const QString& file, bool start);
    void start();
    void stop();
    bool isRunning() const;
    int currentFrame() const { return m_currentFrame; }
    int frameCount() const { return m_frameCount; }
    QLabel* label() const { return m_label; }
    void setBackgroundColor(const QString& colour) { m_backgroundColor = colour; }

private slots:
    void nextFrame();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_label = nullptr;
    QMovie* m_movie = nullptr;
    QString m_backgroundColor = QStringLiteral("transparent");
    QTimer* m_timer = nullptr;
    int m_currentFrame = 0;
    int m_frameCount = 0;
};

// A push button that draws its own text with a colour per state, and a
// second text while checked.
class CUxBtnTextIn : public QPushButton
{
    Q_OBJECT
public:
    explicit CUxBtnTextIn(QWidget* parent = nullptr, const QString& text = QString());

    void setText(const QString& text, const QString& checkedText = QString());
    void setTextRect(const QRect& rect);
    void setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                       const QColor& disabled);

    QString text() const { return m_text; }
    QString checkedText() const { return m_checkedText; }
    // The text painted now: the checked text while checked.
    QString shownText() const { return isChecked() ? m_checkedText : m_text; }
    int state() const { return m_state; }
    QColor textColor(int state) const { return m_textColors[qBound(0, state, 3)]; }
    // The colour the text is painted in now.
    QColor currentTextColor() const;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QString m_checkedText;
    int m_state = 0;
    int m_textX = 27;
    int m_textY = 13;
    QRect m_textRect;
    bool m_textRectSet = false;
    QColor m_textColors[4] = {Qt::black, QColor(81, 187, 245), Qt::white, Qt::gray};
};

// An image with a text beside it; only the drawn content is clickable.
class CUxTextBesideBtn : public QWidget
{
    Q_OBJECT
public:
    explicit CUxTextBesideBtn(QWidget* parent = nullptr);

    void setText(const QString& text);
    void setFontPixelSize(int size);
    void setStateImages(const QString& normal, const QString& hover, const QString& pressed,
                        const QString& disabled, float imageScale);
    void setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                       const QColor& disabled);

    QString text() const { return m_text; }
    int state() const { return m_state; }
    QRect hitRect() const { return m_hitRect; }

signals:
    void clicked();
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPixmap stateImage() const;

    QString m_text;
    QColor m_textColors[4] = {Qt::black, Qt::black, Qt::black, QColor(96, 96, 96, 128)};
    QColor m_disabledOverlay = QColor(96, 96, 96, 128);
    QString m_stateImages[4];
    float m_imageScale = 0.5f;
    int m_state = 0;
    int m_spacing = 6;
    int m_fontPixelSize = 12;
    QRect m_hitRect;
};

// The two-line account button: a name above "Sign out".
class CUxSpecialBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit CUxSpecialBtn(QWidget* parent = nullptr);

    void setExtraText(const QString& text);
    QString extraText() const { return m_extraText; }
    int state() const { return m_state; }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_state = 0;
    QString m_extraText;
};

// A push button that sizes itself from its design font when shown.
class CUxDpiBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit CUxDpiBtn(QWidget* parent = nullptr);

    void setPadding(int horizontal, int vertical);
    void setMinimumDesignSize(const QSize& size) { m_minimumDesignSize = size; }
    // The design size for the current text and properties.
    QSize designSize() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_hPadding = 6;
    int m_vPadding = 6;
    QSize m_minimumDesignSize {0, 0};
};

// A label that shows its text elided to its width.
class WrapLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WrapLabel(QWidget* parent = nullptr);

    QString fullText() const { return m_fullText; }
    Qt::TextElideMode elideMode() const { return m_elideMode; }

public slots:
    void setElideText(const QString& text);
    void setElideMode(Qt::TextElideMode mode = Qt::ElideRight);

private:
    void applyElide();

    Qt::TextElideMode m_elideMode = Qt::ElideRight;
    QString m_fullText;
};

// A flash that fills up over a time limit and then reports over().
class CCountDownFlashWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CCountDownFlashWidget(QWidget* parent = nullptr);

    // Fills from empty to limit in steps of 0.01 every intervalMs.
    void start(int limit, int intervalMs);
    float progress() const { return m_progress; }
    int limit() const { return m_limit; }
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void over();

public slots:
    void timeOut();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_limit = 1;
    float m_progress = 0.0f;
};

// Relays a click as doClicked() and keeps a checked flag.
class IconButton : public QWidget
{
    Q_OBJECT
public:
    explicit IconButton(QWidget* parent = nullptr);
    bool isChecked() const { return m_checked; }

signals:
    void doClicked();

public slots:
    void click();
    void setChecked(bool checked);

private:
    bool m_checked = false;
};
