#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <cmath>

namespace {

QFont wordsFont()
{
    QFont font;
    font.setFamily(UIBaseData::instance()->fontFamily());
    font.setPixelSize(UIBaseData::scaled(12));
    return font;
}

// The largest grapheme boundary at or before pos.
int graphemeFloor(const QString& word, int pos)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    finder.setPosition(pos);
    if (finder.isAtBoundary())
        return pos;
    const int before = finder.toPreviousBoundary();
    return before < 0 ? 0 : before;
}

// A tooltip that shows the text as it is, also when it looks like markup.
QString plainToolTip(const QString& text)
{
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

} // namespace

CYtbLinkWords::CYtbLinkWords(QWidget* parent) : QWidget(parent)
{
    m_documentTemplate = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
        "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
        "p, li { white-space: pre-wrap; }\n"
        "</style></head><body style=\" font-family:'%1'; font-size:%2px; font-weight:400; font-style:normal;\">\n"
        "%3</body></html>");
    m_paragraphTemplate = QStringLiteral(
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
        "text-indent:0px;\"><span style=\" color:%1;\">%2</span></p>");
    setProperty("baseFontSize", 12);
    setFont(wordsFont());
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setTextFormat(Qt::RichText);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setFont(wordsFont());
    m_label->setGeometry(rect());
    m_label->installEventFilter(this);
}

CYtbLinkWords::~CYtbLinkWords() = default;

void CYtbLinkWords::setText(const QString& text)
{
    m_text = text;
    layoutText();
}

void CYtbLinkWords::setSubText(const QString& text)
{
    m_subText = text;
    layoutText();
}

void CYtbLinkWords::setTextColor(const QColor& colour)
{
    m_textColor = colour;
    layoutText();
}

void CYtbLinkWords::setSubColor(const QColor& colour)
{
    m_subColor = colour;
    layoutText();
}

void CYtbLinkWords::setAlignment(Qt::Alignment alignment)
{
    m_label->setAlignment(alignment);
}

QStringList CYtbLinkWords::breakFirstWord(const QStringList& words, const QFontMetrics& metrics, int width)
{
    if (words.isEmpty() || width <= 0)
        return words;
    const QString first = words.first();
    if (metrics.horizontalAdvance(first) <= width)
        return words;
    const QString elided = metrics.elidedText(first, Qt::ElideRight, width);
    // The elided form ends with the ellipsis; two letters more make room
    // for the hyphen.
    int cut = elided.length() - 3;
    if (cut > first.length())
        cut = first.length();
    cut = cut > 0 ? graphemeFloor(first, cut) : 0;
    if (cut <= 0)
        return words;
    QStringList out = words;
    out[0] = first.left(cut) + QLatin1Char('-');
    out.insert(1, first.mid(cut));
    return out;
}

QString CYtbLinkWords::paragraph(const QColor& colour, const QString& text) const
{
    return m_paragraphTemplate.arg(colour.name(QColor::HexArgb), text.toHtmlEscaped());
}

void CYtbLinkWords::layoutText()
{
    const int width = m_label->width();
    const QFont font = wordsFont();
    const QFontMetrics metrics(font);
    const QStringList words = breakFirstWord(m_text.split(QLatin1Char(' '), Qt::KeepEmptyParts), metrics, width);
    const QString joined = words.join(QLatin1Char(' '));
    m_label->setFont(font);
    const int room = int(std::trunc((m_lines - 0.5) * width));
    QString paragraphs = paragraph(m_textColor, metrics.elidedText(joined, Qt::ElideRight, room));
    if (!m_subText.isEmpty())
        paragraphs += paragraph(m_subColor, metrics.elidedText(m_subText, Qt::ElideRight, width));
    m_label->setText(m_documentTemplate.arg(UIBaseData::instance()->fontFamily(),
                                            QString::number(UIBaseData::scaled(12)), paragraphs));
    m_label->setToolTip(plainToolTip(m_text));
}

bool CYtbLinkWords::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label) {
        if (event->type() == QEvent::Resize) {
            layoutText();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // Not the label's: unaccepted, the release goes on to the row or
            // tile beneath, whose click handling selects or opens it.
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CYtbLinkWords::resizeEvent(QResizeEvent* event)
{
    m_label->setGeometry(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

void CYtbLinkWords::showEvent(QShowEvent* event)
{
    m_label->setGeometry(0, 0, width(), height());
    QWidget::showEvent(event);
}

CPaintLine::CPaintLine(QWidget* parent) : QWidget(parent)
{
}

void CPaintLine::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
}
