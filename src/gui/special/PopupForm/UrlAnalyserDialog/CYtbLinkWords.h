#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

// The two-colour text block of the analysis rows and tiles: a title in up
// to about one and a half lines, then an optional one-line second text (the
// uploader) in a second colour, in one word-wrapped label whose tooltip is
// the whole title. Site texts are shown literally, never as markup.
class CYtbLinkWords : public QWidget
{
    Q_OBJECT
public:
    explicit CYtbLinkWords(QWidget* parent = nullptr);
    ~CYtbLinkWords() override;

    void setText(const QString& text);
    void setSubText(const QString& text);
    void setTextColor(const QColor& colour);
    void setSubColor(const QColor& colour);
    // The label's alignment; the text is not laid out again.
    void setAlignment(Qt::Alignment alignment);

    QString text() const { return m_text; }
    QString subText() const { return m_subText; }
    QLabel* label() const { return m_label; }

    // The first word made to fit width: when it is wider, its head up to the
    // cut with "-" and the rest as a word of its own. A cut never falls
    // inside a character (surrogate pair, emoji sequence); with no width, or
    // no room for a single character, the word stays whole.
    static QStringList breakFirstWord(const QStringList& words, const QFontMetrics& metrics, int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutText();
    QString paragraph(const QColor& colour, const QString& text) const;

    QLabel* m_label = nullptr;
    QString m_text;
    QString m_subText;
    int m_lines = 2;
    QColor m_textColor = Qt::black;
    QColor m_subColor = QColor(QStringLiteral("#949ca8"));
    QString m_documentTemplate;
    QString m_paragraphTemplate;
};

// The plain holder of the analysis window's show-all-formats button; its
// look comes from its style sheet and children.
class CPaintLine : public QWidget
{
    Q_OBJECT
public:
    explicit CPaintLine(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
