#pragma once

#include <QDate>
#include <QString>

// A version number of this program: the running one, or one that the update
// service announces. A text is read into its first two numbers only, so
// versions compare by major and minor.
class ProgramVersion
{
public:
    ProgramVersion();

    // The running program's version, made once per process.
    static ProgramVersion current();

    // Tests: make current() answer the given text (read with fromString)
    // instead of the compiled-in version; an empty text restores it.
    static void overrideCurrentForTesting(const QString& text);

    bool fromString(const QString& text);
    QString toString() const;

    bool operator<(const ProgramVersion& other) const;
    bool operator>(const ProgramVersion& other) const;

    int major = -1;
    int minor = -1;
    int build = -1;
    int revision = -1;
    QDate buildDate;

    // The version text and build date compiled into this program.
    static QString compiledVersionText();
    static QDate compiledBuildDate();
};

// 1 when text names a newer version than the running program, -1 when older,
// 0 when equal (compared by the first two numbers).
int compareWithProgramVersion(const QString& text);
ProgramVersion runningProgramVersion();
