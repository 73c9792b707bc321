#pragma once

// What a window's texts are measured against when the interface is meant to
// be in another language: the English source texts of en.ts, and the names,
// formats and addresses that read the same in every language. Header only:
// used by window tests and by the whole-program driver's test alike.

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTextDocument>
#include <QXmlStreamReader>

namespace InterfaceTexts {

inline QString simplified(const QString& text)
{
    QString t = text;
    if (Qt::mightBeRichText(t)) {
        QTextDocument doc;
        doc.setHtml(t);
        t = doc.toPlainText();
    }
    return t.simplified();
}

inline bool hasLetters(const QString& text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// The English source texts, from en.ts; a text with %1.. arguments matches
// whatever was put in their place.
struct EnglishTexts
{
    QSet<QString> plain;
    QList<QRegularExpression> patterns;

    bool load(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QXmlStreamReader xml(&file);
        static const QRegularExpression argument(QStringLiteral("%L?\\d"));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("source"))
                continue;
            const QString source = simplified(xml.readElementText());
            QString letters = source;
            letters.remove(argument);
            if (!hasLetters(letters))
                continue;
            if (!source.contains(argument)) {
                plain.insert(source);
                continue;
            }
            QStringList pieces = source.split(argument);
            for (QString& piece : pieces)
                piece = QRegularExpression::escape(piece);
            patterns << QRegularExpression(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))));
        }
        return !xml.hasError() && !plain.isEmpty();
    }

    bool contains(const QString& text) const
    {
        if (plain.contains(text))
            return true;
        for (const QRegularExpression& re : patterns)
            if (re.match(text).hasMatch())
                return true;
        return false;
    }
};

// Names, formats and addresses read the same in every language.
inline bool sameEverywhere(const QString& text)
{
    static const QRegularExpression address(QStringLiteral("^\\S+@\\S+$|://|^www\\."));
    static const QSet<QString> names{QStringLiteral("Tarnwick"), QStringLiteral("MP4"), QStringLiteral("URL"),
                                     QStringLiteral("YouTube"), QStringLiteral("Vimeo"),
                                     QStringLiteral("Dailymotion"), QStringLiteral("Marbleton"),
                                     QStringLiteral("Marbleto:"), QStringLiteral("Drovik:"), QStringLiteral("S"),
                                     QStringLiteral("H"), QStringLiteral("Quenmark - Downloader")};
    return names.contains(text) || address.match(text).hasMatch();
}

}
