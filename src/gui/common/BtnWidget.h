#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAnimationGroup;
class QLabel;

// Turns a designed group of children (a picture "BtnWidget_Pic...", a
// spacer "...space..." and a label "...text...") into one button that swaps
// its images by state, recolours its text, sizes itself to the text and
// emits doClicked() when released over itself.
class BtnWidget : public QWidget
{
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Checked = 3, Disabled = 4 };

    explicit BtnWidget(QWidget* parent = nullptr);

    void setImage(const QString& path);
    void setTextColors(const QString& normal, const QString& hover, const QString& pressed,
                       const QString& disabled);
    void fitToText();
    void setSpaceAnimated(bool animated) { m_animateSpace = animated; }
    void setChecked(bool value);

    // Looks the program itself does not use.
    void setCheckable(bool checkable) { m_checkable = checkable; }
    void setBackgroundImage(const QString& path) { m_backgroundImage = path; }
    void setBackgroundColors(const QString& normal, const QString& hover, const QString& pressed,
                             const QString& disabled, int borderRadius);
    void setFontPixelSizes(int normal, int hover, int pressed, int disabled);
    void setBorderWidth(int width) { m_borderWidth = width; }
    // Paths for normal, hover, pressed, disabled and checked.
    void setStateImages(const QStringList& paths);

    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checked; }
    QWidget* picWidget() const { return m_picWidget; }
    QWidget* spaceWidget() const { return m_spaceWidget; }
    QLabel* textLabel() const { return m_textLabel; }
    QString currentTextColor() const { return m_textColors[4]; }
    QString imagePath() const { return m_imagePath; }
    QAnimationGroup* spaceAnimation() const { return m_spaceAnimation; }

    // The image for state k derived from path: "F/back.png" gives
    // "F/back_hover.png" for hover; path itself for an unknown state.
    static QString stateImage(const QString& path, int state);
    // The exclusive groups ("BtnWidget_groupID") and their members.
    static QList<BtnWidget*> groupMembers(int groupId);

signals:
    void doClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void findParts();
    bool findIn(QObject* parent);
    void applyLook(int state);
    void applyPicture(int state);
    void applyBackground(int state);
    void hop();

    bool m_checkable = false;
    bool m_checked = false;
    QString m_imagePath;
    QString m_backgroundImage;
    QWidget* m_picWidget = nullptr;
    QWidget* m_spaceWidget = nullptr;
    QLabel* m_textLabel = nullptr;
    bool m_animateSpace = false;
    // Normal, hover, pressed, disabled, and the current one.
    QString m_textColors[5];
    QString m_backgroundColors[5];
    int m_fontPixelSizes[5] = {-1, -1, -1, -1, -1};
    int m_borderWidth = -1;
    int m_borderRadius = 0;
    QAnimationGroup* m_spaceAnimation = nullptr;
    bool m_explicitImages = false;
    QString m_stateImages[5];
};

// Stores p in w's "basePos" and moves w to p scaled.
void setBasePos(QWidget* w, QPoint p);
// Places w gap design pixels right of anchor (by anchor's "basePos" and base
// width), storing the design position in w's "basePos".
void placeRightOfWidget(QWidget* w, QWidget* anchor, int gap);
