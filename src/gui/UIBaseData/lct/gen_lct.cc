// Writes the language table resource "lct" (native language names by
// lower-case language and language-region code) from Qt's locale data.
//
// Not part of the build (the library globs .cpp files only). To regenerate:
//   g++ -std=c++17 -fPIC gen_lct.cc $(pkg-config --cflags --libs Qt5Core) -o /tmp/gen_lct
//   /tmp/gen_lct > lct
//
// Format: UTF-8 with a byte-order mark; entries "{ code , name }" separated
// by ";" CR LF TAB, the last one without ";".
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTextStream>

static QString clean(QString s)
{
    // The reader splits at ',' ';' and drops braces.
    s.replace(QLatin1Char(','), QLatin1Char(' '));
    s.remove(QLatin1Char(';'));
    s.remove(QLatin1Char('{'));
    s.remove(QLatin1Char('}'));
    return s.simplified();
}

static QString twoLetter(const QLocale& l)
{
    // "af_ZA" -> "af"; skip three-letter languages to keep to common codes.
    const QString lang = l.name().section(QLatin1Char('_'), 0, 0);
    return lang.size() == 2 ? lang : QString();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QMap<QString, QString> table;
    const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyCountry);
    for (const QLocale& l : all) {
        if (l.language() == QLocale::C)
            continue;
        const QString lang = twoLetter(l);
        const QString language = clean(l.nativeLanguageName());
        if (lang.isEmpty() || language.isEmpty())
            continue;
        if (!table.contains(lang))
            table.insert(lang, language);
        const QString country = clean(l.nativeCountryName());
        const QString region = l.name().section(QLatin1Char('_'), 1, 1).toLower();
        const bool letters = region.size() == 2 && region.at(0).isLetter() && region.at(1).isLetter();
        if (letters && !country.isEmpty())
            table.insert(lang + QLatin1Char('-') + region, language + QStringLiteral(" (") + country + QLatin1Char(')'));
    }
    // Plain language codes name the language itself, not its first region's variant.
    table.insert(QStringLiteral("en"), QStringLiteral("English"));
    table.insert(QStringLiteral("es"), QStringLiteral("español"));
    table.insert(QStringLiteral("pt"), QStringLiteral("português"));
    // The program's own interface languages use script codes for Chinese.
    table.insert(QStringLiteral("zh-hans"), QStringLiteral("简体中文"));
    table.insert(QStringLiteral("zh-hant"), QStringLiteral("繁體中文"));
    table.insert(QStringLiteral("zh"), QStringLiteral("中文"));

    QStringList entries;
    for (auto it = table.constBegin(); it != table.constEnd(); ++it)
        entries << QStringLiteral("{ %1 , %2 }").arg(it.key(), it.value());
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write("\xEF\xBB\xBF");
    out.write(entries.join(QStringLiteral(";\r\n\t")).toUtf8());
    return 0;
}
