// The stationery component: where its folders are, the working copy, the
// settings reader, the random folder names and the clears.

#include "stationery_folders.h"
#include "working_copy.h"
#include "stationery_support.h"

#include "kwpnd/error.h"
#include "kwpnd/stationery.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <sys/stat.h>
#include <unistd.h>

namespace kwpnd::test {
namespace {

using stationery::RandomInRange;

QFileDevice::Permissions ownerOnly()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
           QFileDevice::WriteUser | QFileDevice::ExeUser;
}

TEST_F(StationeryTest, AssignmentMakesAWorkingCopyBelowWindir)
{
    clsKWPNDStationaryA s;
    EXPECT_EQ(s.TempFolder(), root() + "/Temp");
    EXPECT_EQ(s.TempPNDFolder(), root() + "/Temp/Pennard");
    EXPECT_TRUE(QFileInfo(s.TempPNDFolder()).isDir());

    s.StationaryPath(stationery());
    EXPECT_EQ(s.StationaryPath(), stationery());
    const QString work = s.WinPndTempFolder();
    EXPECT_TRUE(QRegularExpression("^" + QRegularExpression::escape(s.TempPNDFolder()) + "/[1-9][0-9]{8}$").match(work).hasMatch())
        << work.toStdString();
    EXPECT_EQ(treeOf(work), treeOf(stationery()));
    EXPECT_EQ(s.StationarySettingsFile(), work + "/settings.ini");
    EXPECT_EQ(s.StationaryStylesFile(), work + "/styles.css");
    EXPECT_EQ(s.SettingsFileObject()->GetStationaryTitle(), "Northwind Letters");
    // The copy is the user's to change, even of a read-only original.
    EXPECT_EQ(QFileInfo(work).permissions(), ownerOnly());
}

TEST_F(StationeryTest, EveryAssignmentMakesAnotherWorkingFolderAndTwoComponentsKeepApart)
{
    clsKWPNDStationaryA a, b;
    a.StationaryPath(stationery());
    const QString first = a.WinPndTempFolder();
    a.StationaryPath(stationery());
    b.StationaryPath(stationery());
    const QSet<QString> folders{first, a.WinPndTempFolder(), b.WinPndTempFolder()};
    EXPECT_EQ(folders.size(), 3);
    for (const QString& f : folders)
        EXPECT_EQ(treeOf(f), treeOf(stationery())) << f.toStdString();

    b.ClearWinPndTempFolder();
    EXPECT_FALSE(QFileInfo::exists(b.WinPndTempFolder()));
    EXPECT_TRUE(QFileInfo::exists(first + "/1.htm"));
    EXPECT_TRUE(QFileInfo::exists(a.WinPndTempFolder() + "/1.htm"));
}

TEST_F(StationeryTest, OneTrailingSeparatorIsRemoved)
{
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery() + "/");
    EXPECT_EQ(s.StationaryPath(), stationery());
    s.StationaryPath(stationery() + "//");
    EXPECT_EQ(s.StationaryPath(), stationery() + "/");
    EXPECT_EQ(treeOf(s.WinPndTempFolder()), treeOf(stationery()));
}

TEST_F(StationeryTest, AHostsFolderIsReplacedByTheDefaultBeforeTheWorkingFolderIsMade)
{
    clsKWPNDStationaryA s;
    QTemporaryDir elsewhere;
    s.TempPNDFolder(elsewhere.path());
    s.TempFolder(elsewhere.path());
    s.StationaryPath(stationery());
    EXPECT_EQ(s.TempPNDFolder(), root() + "/Temp/Pennard");
    EXPECT_EQ(s.TempFolder(), root() + "/Temp");
    EXPECT_TRUE(s.WinPndTempFolder().startsWith(root() + "/Temp/Pennard/"));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(StationeryTest, AMissingStationeryFolderFailsInTheCopyStep)
{
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    const QString settings = s.StationarySettingsFile();
    const QString styles = s.StationaryStylesFile();

    for (const QString& bad : {root() + "/no-such-folder", stationery() + "/1.htm"}) {
        EXPECT_EQ(errorOf([&] { s.StationaryPath(bad); }), 76) << bad.toStdString();
        EXPECT_EQ(s.StationaryPath(), bad);
        EXPECT_TRUE(QFileInfo(s.WinPndTempFolder()).isDir());
        EXPECT_TRUE(treeOf(s.WinPndTempFolder()).isEmpty());
        EXPECT_EQ(s.StationarySettingsFile(), settings);
        EXPECT_EQ(s.StationaryStylesFile(), styles);
    }
}

TEST_F(StationeryTest, AnExistingWorkingFolderIsReusedReplacingFilesOfTheSameName)
{
    QTemporaryDir work;
    writeAt(work.path() + "/1.htm", "old page");
    writeAt(work.path() + "/notes.txt", "the host's own file");
    stationery::copyStationery(stationery(), work.path());
    EXPECT_EQ(readAt(work.path() + "/1.htm"), page("First page"));
    EXPECT_EQ(readAt(work.path() + "/notes.txt"), "the host's own file");
}

// A stationery folder that must not be copied: refused before anything is
// written, so the working folder stays empty.
TEST_F(StationeryTest, UnsafeStationeryFoldersAreRefusedBeforeAnythingIsCopied)
{
    QTemporaryDir outside;
    writeAt(outside.path() + "/secret.txt", "not stationery");
    struct Case {
        const char* what;
        std::function<void(const QString& folder)> make;
    };
    const Case cases[] = {
        {"a link to /etc", [](const QString& f) { QFile::link("/etc", f + "/etc"); }},
        {"a link to a file outside",
         [&](const QString& f) { QFile::link(outside.path() + "/secret.txt", f + "/pictures/secret.txt"); }},
        {"a link out through a relative path", [](const QString& f) { QFile::link("../../..", f + "/up"); }},
        {"a link leading nowhere", [](const QString& f) { QFile::link(f + "/missing", f + "/dangling"); }},
        {"a link round to its own folder", [](const QString& f) { QFile::link(f, f + "/pictures/loop"); }},
        {"a named pipe", [](const QString& f) { ::mkfifo(QFile::encodeName(f + "/pipe").constData(), 0600); }},
        {"10,000 files",
         [](const QString& f) {
             for (int i = 0; i < 10000; ++i)
                 writeAt(f + "/many/" + QString::number(i), QByteArray());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir source;
        const QString folder = source.path() + "/stat";
        QDir().mkpath(folder + "/pictures");
        writeAt(folder + "/1.htm", page("One"));
        c.make(folder);
        clsKWPNDStationaryA s;
        EXPECT_EQ(errorOf([&] { s.StationaryPath(folder); }), 75);
        EXPECT_TRUE(treeOf(s.WinPndTempFolder()).isEmpty());
    }
}

TEST_F(StationeryTest, LinksInsideTheFolderAreCopiedAsWhatTheyLeadTo)
{
    QFile::link(stationery() + "/styles.css", stationery() + "/pictures/styles.css");
    QFile::link("pictures", stationery() + "/images");
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    const QString work = s.WinPndTempFolder();
    EXPECT_EQ(readAt(work + "/pictures/styles.css"), kStyles);
    EXPECT_EQ(readAt(work + "/images/logo.txt"), "logo");
    EXPECT_FALSE(QFileInfo(work + "/images").isSymLink());
}

TEST_F(StationeryTest, TheCopyNeverWritesThroughALinkInTheWorkingFolder)
{
    QTemporaryDir work, outside;
    writeAt(outside.path() + "/canary", "alive");
    QFile::link(outside.path() + "/canary", work.path() + "/1.htm");
    QFile::link(outside.path(), work.path() + "/pictures");
    EXPECT_EQ(errorOf([&] { stationery::copyStationery(stationery(), work.path()); }), 75);
    EXPECT_EQ(readAt(outside.path() + "/canary"), "alive");
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList{"canary"});
    // The link in the way of a file was replaced by the copy, not followed.
    EXPECT_FALSE(QFileInfo(work.path() + "/1.htm").isSymLink());
}

TEST_F(StationeryTest, StationeryCannotForgeTheLibrarysMarker)
{
    writeAt(stationery() + "/pictures/.kwpnd-made-this-folder", "forged");
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    EXPECT_FALSE(QFileInfo::exists(s.WinPndTempFolder() + "/pictures/.kwpnd-made-this-folder"));
    s.WinPndTempFolder(s.WinPndTempFolder() + "/pictures");
    EXPECT_EQ(errorOf([&] { s.ClearWinPndTempFolder(); }), 75);
    EXPECT_EQ(readAt(s.WinPndTempFolder() + "/logo.txt"), "logo");
}

TEST_F(StationeryTest, ClearsDeleteTheLibrarysFoldersAndKeepTheirProperties)
{
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    const QString work = s.WinPndTempFolder();
    s.ClearWinPndTempFolder();
    EXPECT_FALSE(QFileInfo::exists(work));
    EXPECT_NO_THROW(s.ClearWinPndTempFolder());  // the second time there is nothing to do
    EXPECT_EQ(s.WinPndTempFolder(), work);

    s.StationaryPath(stationery());
    s.ClearTempPNDFolder();
    EXPECT_FALSE(QFileInfo::exists(root() + "/Temp/Pennard"));
    s.ClearTempFolder();
    EXPECT_FALSE(QFileInfo::exists(root() + "/Temp"));
    EXPECT_TRUE(QFileInfo(root()).isDir());
    EXPECT_EQ(s.TempFolder(), root() + "/Temp");
}

TEST_F(StationeryTest, AFolderTheLibraryDidNotMakeIsNeverDeleted)
{
    QTemporaryDir unrelated;
    writeAt(unrelated.path() + "/canary", "alive");
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    QFile::link(s.WinPndTempFolder(), unrelated.path() + "/link");

    s.TempFolder(unrelated.path());
    EXPECT_EQ(errorOf([&] { s.ClearTempFolder(); }), 75);
    s.TempPNDFolder(unrelated.path() + "/canary");
    EXPECT_EQ(errorOf([&] { s.ClearTempPNDFolder(); }), 75);
    s.WinPndTempFolder(unrelated.path() + "/link");
    EXPECT_EQ(errorOf([&] { s.ClearWinPndTempFolder(); }), 75);
    EXPECT_EQ(readAt(unrelated.path() + "/canary"), "alive");
    EXPECT_TRUE(QFileInfo(unrelated.path() + "/link/1.htm").exists());

    // A Temp folder that was there before the library is not the library's.
    QTemporaryDir windows;
    writeAt(windows.path() + "/Temp/canary", "alive");
    ScopedEnv windir("windir", windows.path().toLocal8Bit());
    clsKWPNDStationaryA t;
    EXPECT_EQ(errorOf([&] { t.ClearTempFolder(); }), 75);
    EXPECT_EQ(readAt(windows.path() + "/Temp/canary"), "alive");
    EXPECT_NO_THROW(t.ClearTempPNDFolder());
}

// The home and the system's temporary folder (here stand-ins named by HOME
// and TMPDIR), and what holds them, are refused even when marked.
TEST_F(StationeryTest, TheHomeAndTheSystemTemporaryFolderAreNeverDeleted)
{
    QTemporaryDir outer, system;
    const QString home = outer.path() + "/home", tmp = system.path() + "/tmp";
    for (const QString& f : {outer.path(), home, tmp}) {
        writeAt(f + "/.kwpnd-made-this-folder", "marked");
        writeAt(f + "/canary", "alive");
    }
    ScopedEnv homeEnv("HOME", home.toLocal8Bit());
    ScopedEnv tmpEnv("TMPDIR", tmp.toLocal8Bit());
    clsKWPNDStationaryA s;
    for (const QString& f : {home, tmp, outer.path()}) {
        s.TempFolder(f);
        EXPECT_EQ(errorOf([&] { s.ClearTempFolder(); }), 75) << f.toStdString();
        EXPECT_EQ(readAt(f + "/canary"), "alive") << f.toStdString();
    }
    EXPECT_FALSE(stationery::whyNotDeletable("/").isEmpty());
}

TEST_F(StationeryTest, WithoutWindirTheFoldersAreBelowAPrivateRoot)
{
    QTemporaryDir cache;
    ScopedEnv noWindir("windir", QByteArray());
    ScopedEnv xdg("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    clsKWPNDStationaryA s;
    EXPECT_EQ(s.TempFolder(), cache.path() + "/kwpnd/Temp");
    EXPECT_EQ(s.TempPNDFolder(), cache.path() + "/kwpnd/Temp/Pennard");
    for (const QString& f : {cache.path() + "/kwpnd", s.TempFolder(), s.TempPNDFolder()})
        EXPECT_EQ(QFileInfo(f).permissions(), ownerOnly()) << f.toStdString();
    s.StationaryPath(stationery());
    EXPECT_TRUE(s.WinPndTempFolder().startsWith(s.TempPNDFolder() + "/"));
    s.ClearTempFolder();
    EXPECT_FALSE(QFileInfo::exists(s.TempFolder()));
}

TEST_F(StationeryTest, FoldersThatCannotBeMadeFailTheCreation)
{
    QTemporaryDir cache, elsewhere;
    {
        ScopedEnv windir("windir", (root() + "/nowhere").toLocal8Bit());
        EXPECT_EQ(errorOf([] { clsKWPNDStationaryA s; }), 76);
        EXPECT_FALSE(QFileInfo::exists(root() + "/nowhere"));
    }
    // The private root taken by a link to someone else's folder.
    ScopedEnv noWindir("windir", QByteArray());
    ScopedEnv xdg("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QFile::link(elsewhere.path(), cache.path() + "/kwpnd");
    EXPECT_EQ(errorOf([] { clsKWPNDStationaryA s; }), 75);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(StationeryTest, SettingsReaderReadsTheTitleOfItsFile)
{
    clsKWPNDStationaryA s;
    s.StationaryPath(stationery());
    std::unique_ptr<clsKWPNDSettingsFileA> reader = s.SettingsFileObject();
    EXPECT_NE(reader->goiniStationaryASettingsFileA(), s.SettingsFileObject()->goiniStationaryASettingsFileA());
    reader->CreateINIInstance(stationery() + "/styles.css");  // no section "Stationary"
    EXPECT_EQ(reader->GetStationaryTitle(), QString());
    reader->goiniStationaryASettingsFileA(nullptr);
    EXPECT_EQ(errorOf([&] { reader->GetStationaryTitle(); }), 91);
}

TEST(RandomInRange, GivesNumbersOfTheRangeFromARealSource)
{
    QSet<std::int32_t> seen;
    for (int i = 0; i < 200; ++i) {
        const std::int32_t n = RandomInRange(100000000, 999999999);
        EXPECT_GE(n, 100000000);
        EXPECT_LE(n, 999999999);
        seen.insert(n);
    }
    EXPECT_GT(seen.size(), 190);  // no timer seed: draws in the same instant differ
    struct Case {
        std::int64_t lower, upper;
        std::int32_t low, high;
    };
    const Case cases[] = {
        {5, 5, 5, 5},
        {-3, 3, -3, 3},
        {10, 6, 7, 10},  // a reversed range as the classic formula has it
        {0, std::int64_t(1) << 33, 0, 0},  // not a 32-bit range: the failing step gives 0
    };
    for (const Case& c : cases)
        for (int i = 0; i < 50; ++i) {
            const std::int32_t n = RandomInRange(c.lower, c.upper);
            EXPECT_TRUE(n >= c.low && n <= c.high) << c.lower << ".." << c.upper << " gave " << n;
        }
}

}  // namespace
}  // namespace kwpnd::test
