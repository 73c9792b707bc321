#pragma once

#include "gui/common/CUxBtn.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// A self-drawn button of per-state background or three-slice images, an
// optional icon and a text, which sizes itself to its content.
class CUxTpTextIllus : public CUxBtn
{
    Q_OBJECT

public:
    enum ImageKind { LeftSlice = 0, MiddleSlice = 1, RightSlice = 2, Background = 3 };

    explicit CUxTpTextIllus(QWidget* parent = nullptr);

    // state 4 sets the images of all four states.
    void setStateImages(const QString& left, const QString& middle, const QString& right,
                        float imageScale, int state);
    void setBackgroundImages(const QString& normal, const QString& hover, const QString& pressed,
                             const QString& disabled, int leftSlice, int middleSlice,
                             float imageScale, int extraWidth);
    void setIcons(const QString& normal, const QString& hover, const QString& pressed,
                  const QString& disabled, float iconScale);
    void setText(const QString& text);
    QString text() const { return m_text; }
    void setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                       const QColor& disabled);
    void setFontPixelSize(int size);
    void setIconVisible(bool visible);
    void setIconRotated(bool rotated);
    void setIconTextSpacing(int spacing);
    void setIconMargin(int margin);
    void setTextMargin(int margin);
    void setLayoutMode(int mode);
    void setContentMargins(int left, int right);
    void setElideWidth(int width);
    void setBtnEnabled(bool enabled) override;
    QSize contentSize();
    // Where the current state's painting puts the text (the painter clips it
    // to the button); empty without a text.
    QRect textRect() const;

    QString image(int state, int kind) const { return m_images[state & 3][kind & 3]; }
    QString icon(int state) const { return m_icons[state & 3]; }
    QColor textColor(int state) const { return m_textColors[state & 3]; }
    // The icon as painted in the current state (the grey silhouette when
    // disabled without an icon of its own); null when none is shown.
    QPixmap currentIcon() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A state's slices as drawn (the ends scaled, the middle as is) and the
    // width the middle is stretched to.
    struct Slices
    {
        QPixmap left;
        QPixmap middle;
        QPixmap right;
        int middleWidth = 0;
        bool background = false;
        QSize fittedSize() const;
        // Left, middle and right side by side.
        void draw(QPainter& p) const;
    };
    // False when the state has no complete set of images.
    bool slicesFor(int state, int textWidth, Slices& out) const;
    QFont textFont(bool scaledSize) const;
    QString shownText(const QFont& font) const;

    QString m_images[4][4];
    float m_imageScale = 0.5f;
    float m_iconScale = 0.5f;
    bool m_iconVisible = true;
    bool m_iconRotated = false;
    QString m_text;
    int m_layoutMode = 0;
    int m_elideWidth = -1;
    QColor m_textColors[4];
    QString m_icons[4];
    int m_iconTextSpacing = 6;
    int m_iconMargin = 3;
    int m_textMargin = 3;
    int m_fontPixelSize = 12;
    int m_leftSlice = 0;
    int m_middleSlice = 0;
    int m_extraWidth = 0;
    int m_contentMarginLeft = 0;
    int m_contentMarginRight = 0;
};
