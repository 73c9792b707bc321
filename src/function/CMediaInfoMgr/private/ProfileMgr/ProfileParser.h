#pragma once

#include "function/CMediaInfoMgr/private/ProfileMgr/Profile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

class ProfileData;

// Reads a module's two main files and every profile file they name into a
// ProfileData store. Runs on the profile manager's thread; a tree that cannot
// be read raises the fatal report (shell/MessageHook), which reaches the
// GUI thread by itself.
class ProfileParser
{
public:
    enum ProfileParseError { NoParseError = 0, FullProfileError = 1, QuickProfileError = 2 };

    ProfileParser() = default;

    ProfileParseError parseProfile(ProfileData* data);
    void parseMainProfile(Profile::ProfileType type);
    void parseCategory(const QJsonObject& subCategories, const QJsonObject& category, Profile* node,
                       Profile::ProfileType type);
    bool loadProfileFile(Profile* entry);
    // With a null entry only tells whether the text is a complete profile.
    bool parseProfileFile(const QByteArray& bytes, Profile* entry);

    // Extension -> format name, one constant table shared by every parser.
    static const QMap<QString, QString>& formatNames();
    // The program's folder, holding "profile/" with the shipped files.
    // Tests point it elsewhere; empty restores the default.
    static QString programFolder();
    static void setProgramFolder(const QString& folder);
    // Where the file of an entry named `name` lies; empty for a name that
    // could leave its folder ("/", "\" or "..").
    static QString profileFilePath(const QString& name);

private:
    bool readMainFile(const QString& path, QJsonObject* document, bool quiet);
    bool isAncestorOrSelf(const Profile* candidate, const Profile* category, Profile::ProfileType type) const;

    ProfileData* m_data = nullptr;
};
