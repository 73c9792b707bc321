#pragma once

#include <QImage>
#include <QRunnable>
#include <QString>

// Makes a title usable as a file name, in place: drops control characters,
// replaces each of < > / \ | : " * ? by the replacement (which may be empty
// or longer than one character), trims white space at both ends, cuts the
// name to kMaxFileNameBytes of UTF-8 on a character boundary, and turns a
// name that ends up empty or made only of dots into "_".
QString& toValidFileName(QString& name, const QString& replacement);

// Room for the endings added to a name ("_part1_2", an extension) under the
// 255-byte limit of a file name.
constexpr int kMaxFileNameBytes = 200;

// Multiplies every number written right before "px" by factor, cutting the
// fraction off; a factor within 0.000001 of 1 returns the text unchanged.
QString scaleStyleSheetPx(const QString& styleSheet, float factor);

// Removes what killed atomic saves of filePath left beside it: files named
// "<name>.XXXXXX" (six letters or digits), and nothing else. Returns how many
// were removed. Only safe while no other instance can be saving.
int removeSaveLeftovers(const QString& filePath);

// Writes an image with an opacity as a PNG, as a job for the global thread
// pool (auto-deleted). Jobs for one path may overlap: each writes through a
// QSaveFile, so the file is never half written, and a job whose path a newer
// job also targets gives way, so the file ends as the latest request. A null
// image writes nothing.
class TransImageAlpha : public QRunnable
{
public:
    TransImageAlpha(const QImage& image, const QString& path, int alpha);
    void run() override;

    // An ARGB32 copy of source painted with opacity alpha / 255 over a
    // transparent fill: 255 gives a plain copy, 0 a fully transparent image.
    static QImage applyAlpha(const QImage& source, int alpha);

private:
    QImage m_image;
    QString m_path;
    int m_alpha;
    quint64 m_serial;
};
