// The profile store: nodes by key and name, the removal rules of the quick
// tree with real user files, the chosen profile and the summaries.
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"

#include "ProfileTreeFixture.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestProfileStore : public QObject
{
    Q_OBJECT
private slots:
    void createNodeGivesTheExistingNode();
    void destroyNodeLeavesNoIndex();
    void oneNodeForEveryParent();
    void removalRules();
    void removalDeletesOnlyOwnFiles_data();
    void removalDeletesOnlyOwnFiles();
    void chosenEntryStaysInItsCategory();
    void setChosen();
    void collectCustomProfiles();
    void summaryTitlesByLanguage_data();
    void summaryTitlesByLanguage();
    void summaryRows();
    void summaryOfNothing();

private:
    // A quick tree "Recently" [r], "Frequently" [f], "Common" [c, d] and a
    // full tree Video [d] over user files.
    std::unique_ptr<ProfileData> customTree(ProfileTreeFixture& fx);
};

std::unique_ptr<ProfileData> TestProfileStore::customTree(ProfileTreeFixture& fx)
{
    fx.write(fx.shipped("converter_full.json"),
             fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category({"customProfile_save_3.json"})}}));
    fx.write(fx.shipped("converter_quick.json"),
             fx.mainFile({"Recently", "Frequently", "Common"},
                         QJsonObject{{"Recently", fx.category({"customProfile_convert_0.json"})},
                                     {"Frequently", fx.category({"f.json"})},
                                     {"Common", fx.category({"customProfile_save_2.json", "customProfile_save_3.json"})}}));
    QJsonObject saved = fx.profile("saved");
    saved["CustomProfile"] = 1;
    QJsonObject converted = fx.profile("converted");
    converted["CustomProfile"] = 2;
    fx.write(fx.own("customProfile_convert_0.json"), converted);
    fx.write(fx.own("customProfile_save_2.json"), saved);
    fx.write(fx.own("customProfile_save_3.json"), saved);
    fx.write(fx.shipped("f.json"), fx.profile("f"));
    auto data = std::make_unique<ProfileData>();
    data->setModule(0);
    ProfileParser parser;
    if (parser.parseProfile(data.get()) != ProfileParser::NoParseError)
        return nullptr;
    return data;
}

void TestProfileStore::createNodeGivesTheExistingNode()
{
    ProfileData data;
    bool created = false;
    Profile* a = data.createNode(Profile::Quick, "A", &created);
    QVERIFY(created);
    QCOMPARE(a->key, 0);
    Profile* again = data.createNode(Profile::Quick, "A", &created);
    QVERIFY(!created);
    QCOMPARE(again, a);
    // A full category of the same name is another node; the counter moves only for new nodes.
    Profile* full = data.createNode(Profile::Full, "A", &created);
    QVERIFY(created);
    QCOMPARE(full->key, 1);
    Profile* other = data.createNode(Profile::ProfileType(7), "x", &created);
    QCOMPARE(other->key, 2);
    QCOMPARE(data.node(2), other);
    QCOMPARE(data.nodeCount(), 3);
}

void TestProfileStore::destroyNodeLeavesNoIndex()
{
    ProfileData data;
    Profile* category = data.createNode(Profile::Full, "Video");
    Profile* quick = data.createNode(Profile::Quick, "Common");
    Profile* entry = data.createNode(Profile::File, "customProfile_save_0.json");
    category->entries.append(entry);
    quick->entries.append(entry);
    entry->fullParents.append("Video");
    entry->quickParents.append("Common");
    entry->customKind = 1;
    data.collectCustomProfiles();
    QCOMPARE(data.customProfiles().size(), 1);
    QVERIFY(data.setChosen(entry->key, quick->key));
    data.destroyNode(entry);
    QVERIFY(!data.file("customProfile_save_0.json"));
    QVERIFY(data.customProfiles().isEmpty());
    QVERIFY(category->entries.isEmpty());
    QVERIFY(quick->entries.isEmpty());
    QVERIFY(!data.chosenProfile());
    // A category leaves its name index too.
    const int key = quick->key;
    data.destroyNode(quick);
    QVERIFY(!data.quickCategory("Common"));
    QVERIFY(!data.node(key));
}

void TestProfileStore::oneNodeForEveryParent()
{
    ProfileTreeFixture fx;
    fx.write(fx.shipped("converter_full.json"), fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category({"a.json"})}}));
    fx.write(fx.shipped("converter_quick.json"),
             fx.mainFile({"One", "Two"}, QJsonObject{{"One", fx.category({"a.json"})}, {"Two", fx.category({"a.json"})}}));
    fx.write(fx.shipped("a.json"), fx.profile("A"));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    Profile* a = data.file("a.json");
    QVERIFY(a);
    QCOMPARE(a->quickParents, (QStringList{"One", "Two"}));
    QCOMPARE(a->fullParents, QStringList{"Video"});
    QCOMPARE(data.quickCategory("One")->entries.first(), a);
    QCOMPARE(data.quickCategory("Two")->entries.first(), a);
}

void TestProfileStore::removalRules()
{
    ProfileTreeFixture fx;
    auto data = customTree(fx);
    QVERIFY(data);
    Profile* common = data->quickCategory("Common");
    Profile* recently = data->recentlyCategory();
    QVERIFY(common && recently);
    QCOMPARE(recently->name, QStringLiteral("Recently"));
    Profile* save2 = data->file("customProfile_save_2.json");
    Profile* save3 = data->file("customProfile_save_3.json");
    Profile* conv0 = data->file("customProfile_convert_0.json");
    QVERIFY(save2 && save3 && conv0);

    // An entry a full category still lists stays, with its file.
    data->removeQuickItem(save3->key, common->key);
    QCOMPARE(data->file("customProfile_save_3.json"), save3);
    QCOMPARE(save3->quickParents, QStringList());
    QVERIFY(QFile::exists(fx.own("customProfile_save_3.json")));
    QCOMPARE(common->entries.size(), 1);

    // The last entry of a normal quick category is never removed.
    data->removeQuickItem(save2->key, common->key);
    QCOMPARE(common->entries.size(), 1);
    QVERIFY(data->file("customProfile_save_2.json"));

    // "Recently" may be emptied; parent -1 names it. The dropped entry's file goes.
    const int key = conv0->key;
    data->removeQuickItem(key, -1);
    QVERIFY(recently->entries.isEmpty());
    QVERIFY(!data->node(key));
    QVERIFY(!data->file("customProfile_convert_0.json"));
    QVERIFY(!QFile::exists(fx.own("customProfile_convert_0.json")));

    // The quick tree was written back to the user copy.
    const QJsonObject quick = fx.read(fx.own("converter_quick.json"));
    QCOMPARE(quick["SubCategories"].toObject()["Recently"].toObject()["Profiles"].toArray(), QJsonArray());
    QCOMPARE(quick["SubCategories"].toObject()["Common"].toObject()["Profiles"].toArray(),
             QJsonArray{"customProfile_save_2.json"});

    // Requests that name no entry or no quick category change nothing.
    const int before = data->nodeCount();
    data->removeQuickItem(12345, common->key);
    data->removeQuickItem(save2->key, data->fullCategory("Video")->key);
    data->removeQuickItem(common->key, recently->key);
    QCOMPARE(data->nodeCount(), before);
}

void TestProfileStore::removalDeletesOnlyOwnFiles_data()
{
    QTest::addColumn<bool>("inside");
    QTest::newRow("in the user's folder") << true;
    QTest::newRow("outside it") << false;
}

void TestProfileStore::removalDeletesOnlyOwnFiles()
{
    QFETCH(bool, inside);
    ProfileTreeFixture fx;
    QTemporaryDir elsewhere;
    const QString path = inside ? fx.own("customProfile_save_9.json") : elsewhere.filePath("precious.json");
    QVERIFY(fx.write(path, QByteArray("{}")));
    ProfileData data;
    data.setModule(0);
    Profile* root = data.createNode(Profile::Quick, "quick");
    data.setRoot(Profile::Quick, root);
    Profile* recently = data.createNode(Profile::Quick, "Recently");
    recently->recently = true;
    root->entries.append(recently);
    Profile* entry = data.createNode(Profile::File, "customProfile_save_9.json");
    entry->customKind = 1;
    entry->path = path;
    entry->quickParents.append("Recently");
    recently->entries.append(entry);
    data.removeQuickItem(entry->key, recently->key);
    QVERIFY(!data.file("customProfile_save_9.json"));
    QCOMPARE(QFile::exists(path), !inside);
}

void TestProfileStore::chosenEntryStaysInItsCategory()
{
    ProfileTreeFixture fx;
    auto data = customTree(fx);
    QVERIFY(data);
    Profile* recently = data->recentlyCategory();
    Profile* conv0 = data->file("customProfile_convert_0.json");
    QVERIFY(data->setChosen(conv0->key, recently->key));
    // Asked with -1 for "Recently": the protection still holds.
    data->removeQuickItem(conv0->key, -1);
    data->removeQuickItem(conv0->key, recently->key);
    QCOMPARE(recently->entries.size(), 1);
    QVERIFY(QFile::exists(fx.own("customProfile_convert_0.json")));
    // Chosen elsewhere, it can go.
    QVERIFY(data->setChosen(conv0->key, data->quickCategory("Common")->key));
    data->removeQuickItem(conv0->key, -1);
    QVERIFY(recently->entries.isEmpty());
    QVERIFY(!data->chosenProfile());
}

void TestProfileStore::setChosen()
{
    ProfileData data;
    Profile* category = data.createNode(Profile::Quick, "Common");
    Profile* entry = data.createNode(Profile::File, "a.json");
    QSignalSpy spy(&data, &ProfileData::doChosenProfileChanged);
    QVERIFY(!data.setChosen(category->key, -1));    // a category is no profile
    QVERIFY(!data.setChosen(99, -1));
    QVERIFY(!data.setChosen(entry->key, entry->key));
    QCOMPARE(spy.count(), 0);
    QVERIFY(data.setChosen(entry->key, category->key));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(data.chosenProfile(), entry);
    QCOMPARE(data.chosenParentKey(), category->key);
    QVERIFY(data.setChosen(entry->key, category->key));
    QCOMPARE(spy.count(), 1);
    QVERIFY(data.setChosen(-1, -1));
    QVERIFY(!data.chosenProfile());
    QCOMPARE(spy.count(), 2);
}

void TestProfileStore::collectCustomProfiles()
{
    ProfileTreeFixture fx;
    auto data = customTree(fx);
    QVERIFY(data);
    data->collectCustomProfiles();
    QCOMPARE(data->customProfiles().size(), 2);
    QCOMPARE(data->customProfiles()[0]->name, QStringLiteral("customProfile_save_3.json"));   // key order
    QCOMPARE(data->customProfiles()[1]->name, QStringLiteral("customProfile_save_2.json"));
}

void TestProfileStore::summaryTitlesByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("titleLanguage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English only, interface de") << "de" << "en" << "Title";
    QTest::newRow("German only, interface fr") << "fr" << "de" << "";
    QTest::newRow("German only, interface de") << "de" << "de" << "Title";
}

void TestProfileStore::summaryTitlesByLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, titleLanguage);
    SettingsStore::instance()->setValue("base/language", language);
    Profile node;
    node.titles.insert(titleLanguage, "Title");
    node.shortTitles.insert(titleLanguage, "Title");
    const ProfileInfo info = ProfileInfo::fromProfile(&node);
    QFETCH(QString, expected);
    QCOMPARE(info.title, expected);
    QCOMPARE(info.shortTitle, expected);
    SettingsStore::instance()->setValue("base/language", "en");
}

void TestProfileStore::summaryRows()
{
    Profile node;
    node.key = 4;
    node.name = "Video";
    node.icon = "mp4";
    node.titles.insert("en", "MPEG-4 Video");
    node.shortTitles.insert("en", "MP4");
    node.descriptions.insert("en", "For every player");
    node.formatText = "MPEG-4(.mp4)";
    node.videoCodec = "H.264";
    node.audioCodec = "AAC";
    node.frameRate = "keep original";
    node.sampleRate = "44100 Hz";
    node.bitRate = "128 KiB";
    node.customKind = 2;
    ProfileInfo info = ProfileInfo::fromProfile(&node);
    QCOMPARE(info.iconPath, QStringLiteral(":/res/mp4.png"));
    QVERIFY(info.video && info.convertedCustom && !info.savedCustom);
    QVERIFY(!info.hardwareAccelerated);   // nothing fills the adapter list here
    QCOMPARE(info.quality, 3);
    const QList<QPair<QString, QString>> rows{
        {"", "MP4 - MPEG-4 Video"}, {"", ""}, {"File Format:", "MPEG-4(.mp4)"}, {"Video Codec:", "H.264"},
        {"Frame Rate:", "Same as Source"}, {"Audio Codec:", "AAC"}, {"Sample Rate:", "44100 Hz"},
        {"Audio BitRate:", "128 KiB"}};
    QCOMPARE(info.details, rows);

    node.resolution = "1280x720";
    node.formatText.clear();
    info = ProfileInfo::fromProfile(&node);
    QCOMPARE(info.details[2], (QPair<QString, QString>("File Format:", "MP4")));
    QCOMPARE(info.details[4], (QPair<QString, QString>("Resolution:", "1280x720")));

    node.music = true;
    info = ProfileInfo::fromProfile(&node);
    QCOMPARE(info.details.size(), 5);
    QCOMPARE(info.details[2].first, QStringLiteral("Audio Codec:"));

    node.tool = true;
    info = ProfileInfo::fromProfile(&node);
    QCOMPARE(info.details, (QList<QPair<QString, QString>>{{"", "For every player"}}));
}

void TestProfileStore::summaryOfNothing()
{
    const ProfileInfo info = ProfileInfo::fromProfile(nullptr);
    QCOMPARE(info.key, -1);
    QCOMPARE(info.quality, 3);
    ProfileData data;
    QVERIFY(!data.chosenProfile());
    QVERIFY(!data.recentlyCategory());
    QVERIFY(!data.frequentlyCategory());
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
