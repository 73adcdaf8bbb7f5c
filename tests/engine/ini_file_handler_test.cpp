#include "engine/ini_file_handler.h"

#include "kwpnd/error.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace kwpnd {
namespace {

using test::writeFile;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint64_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

class IniFileHandlerTest : public ::testing::Test {
protected:
    QString read(const QString& path, const QString& section, const QString& key)
    {
        IniFileHandler ini;
        ini.Path(path);
        ini.section(section);
        ini.Key(key);
        return ini.Value();
    }
    void write(const QString& path, const QString& section, const QString& key, const QString& value)
    {
        IniFileHandler ini;
        ini.Path(path);
        ini.section(section);
        ini.Key(key);
        ini.Value(value);
    }
    QStringList sections(const QString& path)
    {
        IniFileHandler ini;
        ini.Path(path);
        QStringList names{QStringLiteral("stale")};
        std::int32_t count = -1;
        ini.EnumerateAllSections(names, count);
        EXPECT_EQ(count, names.size());
        return names;
    }
    QStringList keys(const QString& path, const QString& section)
    {
        IniFileHandler ini;
        ini.Path(path);
        ini.section(section);
        QStringList names{QStringLiteral("stale")};
        std::int32_t count = -1;
        ini.EnumerateCurrentSection(names, count);
        EXPECT_EQ(count, names.size());
        return names;
    }
    QStringList folderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

// A file with most of what the reader must cope with.
const QByteArray kMixedFile =
    "Orphan=before any section\r\n"
    "; comment = not a key\r\n"
    "[Heading]\r\n"
    "  XLeft  =  2.5  \r\n"
    "Data = Total  due \r\n"
    "just some words\r\n"
    "# Hidden=1\r\n"
    "xleft=9\r\n"
    "Empty=\r\n"
    "=no name\r\n"
    "[ Logo ]\r\n"
    "Type=Logo\r\n"
    "[]\r\n"
    "Lost=1\r\n"
    "[heading]\r\n"
    "Second=2\r\n"
    "[Total]\r\n"
    "Format=#,##0.00\r\n";

TEST_F(IniFileHandlerTest, EnumeratesDistinctNamesInFileOrder)
{
    const QString path = writeFile(dir, QStringLiteral("mixed.ini"), kMixedFile);
    EXPECT_EQ(sections(path), (QStringList{"Heading", "Logo", "Total"}));
    EXPECT_EQ(keys(path, QStringLiteral("HEADING")), (QStringList{"XLeft", "Data", "Empty"}));
    EXPECT_EQ(keys(path, QStringLiteral("logo")), QStringList{"Type"});
    EXPECT_EQ(keys(path, QStringLiteral("Missing")), QStringList());
}

TEST_F(IniFileHandlerTest, ReadsValuesByTheReadingRules)
{
    const QString path = writeFile(dir, QStringLiteral("mixed.ini"), kMixedFile);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } const cases[] = {
        {"Heading", "XLeft", "2.5"},            // blanks around name, '=' and value trimmed
        {"heading", "XLEFT", "2.5"},            // names without regard to case; first key wins
        {" Heading ", " XLeft ", "2.5"},        // selected names are trimmed too
        {"Heading", "Data", "Total  due"},      // inner blanks kept
        {"Heading", "Empty", ""},
        {"Heading", "Second", ""},              // keys of a repeated section are not seen
        {"Heading", "Hidden", ""},              // comment
        {"Heading", "just some words", ""},     // line without '='
        {"Heading", "Orphan", ""},              // key before the first section
        {"Logo", "Type", "Logo"},
        {"Total", "Format", "#,##0.00"},
        {"Missing", "Type", ""},
        {"Logo", "Missing", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read(path, c.section, c.key), QString::fromUtf8(c.expected))
            << "[" << c.section << "] " << c.key;
}

TEST_F(IniFileHandlerTest, MissingFileReadsEmptyAndIsNotCreated)
{
    const QString path = dir.filePath(QStringLiteral("absent.ini"));
    EXPECT_EQ(read(path, QStringLiteral("A"), QStringLiteral("B")), QString());
    EXPECT_EQ(sections(path), QStringList());
    EXPECT_EQ(keys(path, QStringLiteral("A")), QStringList());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniFileHandlerTest, WritesChangeOnlyWhatTheyMust)
{
    struct Case {
        const char* what;
        QByteArray before;
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    } const cases[] = {
        {"existing key keeps its layout and CRLF",
         "; layout\r\n[A]\r\nXLeft = 2 \r\nYTop=1\r\n",
         "a", "xleft", "3.25",
         "; layout\r\n[A]\r\nXLeft = 3.25\r\nYTop=1\r\n"},
        {"empty value is filled in",
         "[A]\nKey=\nNext=1\n", "A", "Key", "v", "[A]\nKey=v\nNext=1\n"},
        {"first of duplicate keys and sections is changed",
         "[A]\nK=1\nK=2\n[A]\nK=3\n", "A", "K", "9", "[A]\nK=9\nK=2\n[A]\nK=3\n"},
        {"new key after the last key line of its section",
         "[A]\r\nX=1\r\n; about B\r\n\r\n[B]\r\nY=2\r\n", "A", "New", "n",
         "[A]\r\nX=1\r\nNew=n\r\n; about B\r\n\r\n[B]\r\nY=2\r\n"},
        {"new key of a section without keys goes under its header",
         "[A]\n; nothing yet\n[B]\n", "a", "K", "v", "[A]\nK=v\n; nothing yet\n[B]\n"},
        {"new key when the last line has no line break",
         "[A]\r\nX=1", "A", "Y", "2", "[A]\r\nX=1\r\nY=2"},
        {"new section at the end with the file's line break",
         "[A]\r\nX=1\r\n; trailing comment", "New Field", "XLeft", "4",
         "[A]\r\nX=1\r\n; trailing comment\r\n[New Field]\r\nXLeft=4\r\n"},
        {"new file",
         "", "Field", "Data", "hello", "[Field]\nData=hello\n"},
    };
    for (const Case& c : cases) {
        const QString path = writeFile(dir, QStringLiteral("w.ini"), c.before);
        write(path, c.section, c.key, c.value);
        EXPECT_EQ(fileBytes(path), c.after) << c.what;
        EXPECT_EQ(read(path, c.section, c.key), QString::fromUtf8(c.value)) << c.what;
    }
}

TEST_F(IniFileHandlerTest, WriteCreatesAMissingFile)
{
    const QString path = dir.filePath(QStringLiteral("new.ini"));
    write(path, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    write(path, QStringLiteral("S"), QStringLiteral("L"), QStringLiteral("w"));
    EXPECT_EQ(fileBytes(path), QByteArray("[S]\nK=v\nL=w\n"));
}

TEST_F(IniFileHandlerTest, WriteThroughOneInstanceIsSeenByAnotherAtOnce)
{
    const QString path = writeFile(dir, QStringLiteral("shared.ini"), "[A]\nX=1\n");
    IniFileHandler reader, writer;
    reader.Path(path);
    reader.section(QStringLiteral("A"));
    reader.Key(QStringLiteral("X"));
    ASSERT_EQ(reader.Value(), QStringLiteral("1"));

    writer.Path(dir.path() + QStringLiteral("/./shared.ini"));  // same file, other spelling
    writer.section(QStringLiteral("A"));
    writer.Key(QStringLiteral("X"));
    writer.Value(QStringLiteral("2"));
    EXPECT_EQ(reader.Value(), QStringLiteral("2"));

    writer.section(QStringLiteral("B"));
    writer.Value(QStringLiteral("3"));
    QStringList names;
    std::int32_t count = 0;
    reader.EnumerateAllSections(names, count);
    EXPECT_EQ(names, (QStringList{"A", "B"}));
}

TEST_F(IniFileHandlerTest, FileNamedBeforeItExistsSeesItOnceWritten)
{
    const QString path = dir.filePath(QStringLiteral("later.ini"));
    IniFileHandler early;
    early.Path(path);
    early.section(QStringLiteral("S"));
    early.Key(QStringLiteral("K"));
    EXPECT_EQ(early.Value(), QString());
    write(path, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("made"));
    EXPECT_EQ(early.Value(), QStringLiteral("made"));
}

TEST_F(IniFileHandlerTest, ChangesByAnotherWriterAreSeen)
{
    const QString path = writeFile(dir, QStringLiteral("outside.ini"), "[A]\nX=1\n");
    IniFileHandler ini;
    ini.Path(path);
    ini.section(QStringLiteral("A"));
    ini.Key(QStringLiteral("X"));
    ASSERT_EQ(ini.Value(), QStringLiteral("1"));

    // Rewritten in place, with its modification time put back: only the size
    // (and the change time) tell.
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    writeFile(dir, QStringLiteral("outside.ini"), "[A]\nX=22\n");
    const struct timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    EXPECT_EQ(ini.Value(), QStringLiteral("22"));

    // Same size, new content.
    writeFile(dir, QStringLiteral("outside.ini"), "[A]\nX=33\n");
    EXPECT_EQ(ini.Value(), QStringLiteral("33"));

    QFile::remove(path);
    EXPECT_EQ(ini.Value(), QString());
}

TEST_F(IniFileHandlerTest, WriteReplacesTheFileAtomically)
{
    const QString path = writeFile(dir, QStringLiteral("atomic.ini"), "[A]\nX=1\n");
    const std::uint64_t before = inodeOf(path);
    write(path, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
    EXPECT_NE(inodeOf(path), before);  // a new file renamed over the old one
    EXPECT_EQ(folderEntries(), QStringList{"atomic.ini"});

    // Writing what is already there leaves the file alone.
    const std::uint64_t written = inodeOf(path);
    write(path, QStringLiteral("a"), QStringLiteral("x"), QStringLiteral(" 2 "));
    EXPECT_EQ(inodeOf(path), written);
}

TEST_F(IniFileHandlerTest, WriteThroughALinkReplacesTheTargetAndKeepsTheLink)
{
    const QString target = writeFile(dir, QStringLiteral("target.ini"), "[A]\nX=1\n");
    const QString link = dir.filePath(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(target, link));
    write(link, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(target), QByteArray("[A]\nX=2\n"));
}

TEST_F(IniFileHandlerTest, FailedWriteInReadOnlyFolderLeavesNoPartialFile)
{
    const QString path = writeFile(dir, QStringLiteral("locked.ini"), "[A]\nX=1\n");
    const auto writable = QFile::permissions(dir.path());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool folderIsLocked = !QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
    if (!folderIsLocked) {
        QFile::remove(dir.filePath(QStringLiteral("probe")));
        QFile::setPermissions(dir.path(), writable);
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    try {
        write(path, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
        ADD_FAILURE() << "write succeeded in a read-only folder";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
        EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
    }
    QFile::setPermissions(dir.path(), writable);
    EXPECT_EQ(fileBytes(path), QByteArray("[A]\nX=1\n"));
    EXPECT_EQ(folderEntries(), QStringList{"locked.ini"});
    EXPECT_EQ(read(path, QStringLiteral("A"), QStringLiteral("X")), QStringLiteral("1"));
}

TEST_F(IniFileHandlerTest, WriteToAnUnwritablePlaceIsError75NamingThePath)
{
    // A regular file in place of the folder stops every user, root included.
    writeFile(dir, QStringLiteral("plain"), "not a folder");
    const QString path = dir.filePath(QStringLiteral("plain/layout.ini"));
    try {
        write(path, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("1"));
        FAIL() << "write succeeded";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
        EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
    }
}

TEST_F(IniFileHandlerTest, WriteRejectsNamesAndTextsThatWouldNotReadBack)
{
    const QString path = writeFile(dir, QStringLiteral("names.ini"), "[A]\nX=1\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } const cases[] = {
        {"", "X", "1"}, {"A", " ", "1"}, {"A", "X=Y", "1"}, {"A", ";X", "1"},
        {"A", "X", "two\nlines"}, {"A\r\nB", "X", "1"},
    };
    for (const Case& c : cases) {
        try {
            write(path, c.section, c.key, c.value);
            ADD_FAILURE() << "accepted [" << c.section << "] " << c.key << "=" << c.value;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
        }
    }
    EXPECT_EQ(fileBytes(path), QByteArray("[A]\nX=1\n"));
}

TEST_F(IniFileHandlerTest, PathKeepsTheSectionOnlyForTheSameFile)
{
    const QString first = writeFile(dir, QStringLiteral("one.ini"), "[A]\nX=1\n");
    const QString second = writeFile(dir, QStringLiteral("two.ini"), "[A]\nX=2\n");
    IniFileHandler ini;
    ini.Path(first);
    ini.section(QStringLiteral("A"));
    ini.Key(QStringLiteral("X"));
    ini.Path(first);
    EXPECT_EQ(ini.Value(), QStringLiteral("1"));
    ini.Path(second);
    EXPECT_EQ(ini.section(), QString());
    EXPECT_EQ(ini.Value(), QString());
}

TEST_F(IniFileHandlerTest, EncodingAndByteOrderMarkSurviveWrites)
{
    struct Case {
        const char* what;
        QByteArray before;
        const char* value;
        QByteArray after;
    } const cases[] = {
        {"Latin-1 stays Latin-1", "[S]\nName=M\xFCller\n", "K\xC3\xB6ln",
         "[S]\nName=M\xFCller\nCity=K\xF6ln\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[S]\nName=M\xC3\xBCller\n", "K\xC3\xB6ln",
         "\xEF\xBB\xBF[S]\nName=M\xC3\xBCller\nCity=K\xC3\xB6ln\n"},
        {"Latin-1 that meets a character it cannot hold becomes UTF-8",
         "[S]\nName=M\xFCller\n", "\xE2\x82\xAC",
         "[S]\nName=M\xC3\xBCller\nCity=\xE2\x82\xAC\n"},
    };
    for (const Case& c : cases) {
        const QString path = writeFile(dir, QStringLiteral("enc.ini"), c.before);
        EXPECT_EQ(read(path, QStringLiteral("S"), QStringLiteral("Name")), QStringLiteral("Müller")) << c.what;
        write(path, QStringLiteral("S"), QStringLiteral("City"), QString::fromUtf8(c.value));
        EXPECT_EQ(fileBytes(path), c.after) << c.what;
        EXPECT_EQ(read(path, QStringLiteral("S"), QStringLiteral("City")), QString::fromUtf8(c.value)) << c.what;
    }
}

TEST_F(IniFileHandlerTest, FilesThatAreNotTextAreError75OnEveryAccess)
{
    QByteArray binary("[A]\nX=1\n");
    binary.append('\0').append(QByteArray(100, 'x'));
    const QString binaryPath = writeFile(dir, QStringLiteral("picture.ini"), binary);

    const QString hugePath = dir.filePath(QStringLiteral("huge.ini"));
    {
        QFile huge(hugePath);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("[A]\nX=1\n");
        ASSERT_TRUE(huge.resize(33 * 1024 * 1024));  // sparse: costs no disk
    }

    const std::pair<QString, const char*> files[] = {
        {binaryPath, "is not a text file"}, {hugePath, "is larger than 32 MB"}};
    for (const auto& [path, reason] : files) {
        IniFileHandler ini;
        ini.Path(path);
        ini.section(QStringLiteral("A"));
        ini.Key(QStringLiteral("X"));
        QStringList names;
        std::int32_t count = 0;
        const std::function<void()> accesses[] = {
            [&] { ini.Value(); },
            [&] { ini.EnumerateAllSections(names, count); },
            [&] { ini.EnumerateCurrentSection(names, count); },
            [&] { ini.Value(QStringLiteral("2")); },
        };
        for (const auto& access : accesses) {
            try {
                access();
                ADD_FAILURE() << "access to " << qPrintable(path) << " did not fail";
            } catch (const Error& e) {
                EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
                EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
                EXPECT_TRUE(e.description().contains(QLatin1String(reason))) << e.description().toStdString();
            }
        }
    }
    EXPECT_EQ(fileBytes(binaryPath), binary);
}

}  // namespace
}  // namespace kwpnd
