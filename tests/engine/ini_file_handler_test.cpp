#include "ini_lookup.h"

#include "kwpnd/error.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

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

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// While it lives, file permissions bind: a process running as root acts as
// the unprivileged user 65534 (group 65534). `active` is false when the tests
// run as another user, who is bound anyway.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser()
    {
        if (::geteuid() != 0)
            return;
        groupChanged_ = ::setegid(kNoGroup) == 0;
        active = groupChanged_ && ::seteuid(kNobody) == 0;
    }
    ~AsUnprivilegedUser()
    {
        if (active)
            EXPECT_EQ(::seteuid(0), 0);
        if (groupChanged_)
            EXPECT_EQ(::setegid(0), 0);
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;
    bool active = false;

private:
    bool groupChanged_ = false;
};

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
        {"Heading", "XLeft", "2.5"},        // blanks around name, '=' and value trimmed
        {"heading", "XLEFT", "2.5"},        // names without regard to case; first key wins
        {" Heading ", " XLeft ", "2.5"},    // selected names are trimmed too
        {"Heading", "Data", "Total  due"},  // inner blanks kept
        {"Heading", "Empty", ""},
        {"Heading", "Second", ""},           // keys of a repeated section are not seen
        {"Heading", "Hidden", ""},           // comment
        {"Heading", "just some words", ""},  // line without '='
        {"Heading", "Orphan", ""},           // key before the first section
        {"Logo", "Type", "Logo"},
        {"Total", "Format", "#,##0.00"},
        {"Missing", "Type", ""},
        {"Logo", "Missing", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read(path, c.section, c.key), QString::fromUtf8(c.expected)) << "[" << c.section << "] " << c.key;
}

// A section of `count` keys K0, K1 ... with the keys the one-pass table
// names among them: early, late and repeated.
QByteArray crowdedSection(int count)
{
    QByteArray text = "[Crowd]\n";
    for (int i = 0; i < count; ++i) {
        text += "K" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        if (i == 3)
            text += "XLeft=early\n";
        if (i == count - 2)
            text += "YTop=late\nxleft=repeat\n";
    }
    return text;
}

// The one-pass read of a section gives, slot by slot, what Value() gives with
// each key named in turn, and leaves the handler naming what it named.
TEST_F(IniFileHandlerTest, OnePassReadGivesWhatValueGivesKeyByKey)
{
    // Names as callers prepare them: repeats in other spellings share a slot.
    const QStringList names{QStringLiteral("Enabled"), QStringLiteral("Type"),   QStringLiteral("XLeft"),
                            QStringLiteral("YTop"),    QStringLiteral("xleft"),  QStringLiteral(" Data "),
                            QStringLiteral("Empty"),   QStringLiteral("Word"),   QStringLiteral("Second"),
                            QStringLiteral("Hidden"),  QStringLiteral("Orphan"), QStringLiteral("K0"),
                            QStringLiteral("k2999"),   QStringLiteral("ÄRGER"),  QStringLiteral("Missing")};
    IniKeyTable table;
    std::vector<int> slotOf;
    for (const QString& name : names)
        slotOf.push_back(table.add(IniName(name)));
    EXPECT_EQ(slotOf[4], slotOf[2]) << "XLeft and xleft share one slot";

    struct Case {
        const char* what;
        QByteArray text;
        const char* section;
        int sample;  // a name of the table, and what it reads
        const char* sampleValue;
    } const cases[] = {
        {"blanks, case, repeated key and section, comments", kMixedFile, "heading", 4, "2.5"},
        {"section named with blanks", kMixedFile, " Logo ", 1, "Logo"},
        {"repeated key: the first line counts", "[F]\nXLeft=1\nxleft=2\nXLEFT = 3\nType=t\n", "F", 2, "1"},
        {"repeated section: its keys are not seen", "[F]\nXLeft=1\n[G]\nYTop=9\n[f]\nYTop=2\nType=t\n", "f", 3, ""},
        {"empty values and a name without '='", "[F]\nType=\nEmpty=   \nXLeft\nEnabled = 1\n", "F", 0, "1"},
        {"only keys of another kind", "[F]\nWord=hello\nBarHeight=3\n", "F", 7, "hello"},
        {"missing section", "[G]\nXLeft=1\n", "F", 2, ""},
        {"non-ASCII names without regard to case", "[Ü]\närger = viel \n", "ü", 13, "viel"},
        {"thousands of keys", crowdedSection(3000), "crowd", 12, "2999"},
        {"thousands of keys, the first line counts", crowdedSection(3000), "crowd", 4, "early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = writeFile(dir, QStringLiteral("one-pass.ini"), c.text);
        IniFileHandler ini;
        ini.Path(path);
        ini.section(QString::fromUtf8(c.section));
        ini.Key(QStringLiteral("Other"));

        IniKeyValues values;
        EXPECT_NE(readIniKeys(ini, table, values), 0u);
        EXPECT_EQ(ini.Key(), QStringLiteral("Other"));
        EXPECT_EQ(ini.section(), QString::fromUtf8(c.section));
        EXPECT_EQ(values[slotOf[c.sample]], QString::fromUtf8(c.sampleValue));
        for (qsizetype i = 0; i < names.size(); ++i) {
            ini.Key(names[i]);
            EXPECT_EQ(values[slotOf[i]], ini.Value()) << names[i].toStdString();
        }
    }
}

TEST_F(IniFileHandlerTest, OnePassReadOfNoFileOrAnUnreadableFileHoldsNoValue)
{
    IniKeyTable table;
    const int x = table.add(IniName(QStringLiteral("X")));
    IniKeyValues values;
    IniFileHandler ini;
    ini.section(QStringLiteral("A"));
    EXPECT_EQ(readIniKeys(ini, table, values), 0u);
    EXPECT_EQ(values[x], QString());

    // A value of an earlier read does not survive a failed one.
    ini.Path(writeFile(dir, QStringLiteral("good.ini"), "[A]\nX=1\n"));
    ini.section(QStringLiteral("A"));
    readIniKeys(ini, table, values);
    ASSERT_EQ(values[x], QStringLiteral("1"));
    ini.Path(writeFile(dir, QStringLiteral("binary.ini"), QByteArray("[A]\nX=1\n\0\0\0", 11)));
    ini.section(QStringLiteral("A"));
    try {
        readIniKeys(ini, table, values);
        ADD_FAILURE() << "a file that is not text is read";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 75);
    }
    EXPECT_EQ(values[x], QString());
}

TEST_F(IniFileHandlerTest, OnePassReadSeesTheDiskOncePerPassAndWritesAtOnce)
{
    const QString path = writeFile(dir, QStringLiteral("fresh.ini"), "[A]\nX=1\nY=1\n");
    IniKeyTable table;
    const int x = table.add(IniName(QStringLiteral("X")));
    const int y = table.add(IniName(QStringLiteral("Y")));
    IniKeyValues values;
    IniFileHandler reader, writer;
    reader.Path(path);
    reader.section(QStringLiteral("A"));
    {
        const IniLookupPass pass;
        const std::uint64_t first = readIniKeys(reader, table, values);
        ASSERT_EQ(values[x], QStringLiteral("1"));
        writeFile(dir, QStringLiteral("fresh.ini"), "[A]\nX=2\nY=2\n");
        EXPECT_EQ(readIniKeys(reader, table, values), first);
        EXPECT_EQ(values[x], QStringLiteral("1")) << "the pass keeps the file as it found it";

        writer.Path(path);
        writer.section(QStringLiteral("a"));
        writer.Key(QStringLiteral("y"));
        writer.Value(QStringLiteral("3"));
        EXPECT_NE(loadedIniSerial(reader), first) << "a write replaces the document of every handler";
        EXPECT_EQ(readIniKeys(reader, table, values), loadedIniSerial(reader));
        EXPECT_EQ(values[x], QStringLiteral("2")) << "the write starts from the file on disk";
        EXPECT_EQ(values[y], QStringLiteral("3"));
    }
    writeFile(dir, QStringLiteral("fresh.ini"), "[A]\nY=4\n");
    const IniLookupPass next;
    readIniKeys(reader, table, values);
    EXPECT_EQ(values[x], QString());
    EXPECT_EQ(values[y], QStringLiteral("4"));
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
        {"existing key keeps its layout and CRLF", "; layout\r\n[A]\r\nXLeft = 2 \r\nYTop=1\r\n", "a", "xleft", "3.25",
         "; layout\r\n[A]\r\nXLeft = 3.25\r\nYTop=1\r\n"},
        {"empty value is filled in", "[A]\nKey=\nNext=1\n", "A", "Key", "v", "[A]\nKey=v\nNext=1\n"},
        {"first of duplicate keys and sections is changed", "[A]\nK=1\nK=2\n[A]\nK=3\n", "A", "K", "9",
         "[A]\nK=9\nK=2\n[A]\nK=3\n"},
        {"new key after the last key line of its section", "[A]\r\nX=1\r\n; about B\r\n\r\n[B]\r\nY=2\r\n", "A", "New",
         "n", "[A]\r\nX=1\r\nNew=n\r\n; about B\r\n\r\n[B]\r\nY=2\r\n"},
        {"new key of a section without keys goes under its header", "[A]\n; nothing yet\n[B]\n", "a", "K", "v",
         "[A]\nK=v\n; nothing yet\n[B]\n"},
        {"new key when the last line has no line break", "[A]\r\nX=1", "A", "Y", "2", "[A]\r\nX=1\r\nY=2"},
        {"new section at the end with the file's line break", "[A]\r\nX=1\r\n; trailing comment", "New Field", "XLeft",
         "4", "[A]\r\nX=1\r\n; trailing comment\r\n[New Field]\r\nXLeft=4\r\n"},
        {"new file", "", "Field", "Data", "hello", "[Field]\nData=hello\n"},
        {"CR alone ends lines: existing key", "[A]\rX=1\r[B]\rY=2", "b", "y", "5", "[A]\rX=1\r[B]\rY=5"},
        {"CR alone ends lines: new key keeps the CR", "[A]\rX=1\r[B]\rY=2", "A", "Z", "3", "[A]\rX=1\rZ=3\r[B]\rY=2"},
        {"CR alone ends lines: new section", "[A]\rX=1\r", "C", "K", "v", "[A]\rX=1\r[C]\rK=v\r"},
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

TEST_F(IniFileHandlerTest, LookUpPassChecksTheDiskOnceAndSeesWritesAtOnce)
{
    const QString path = writeFile(dir, QStringLiteral("pass.ini"), "[A]\nX=1\n[B]\nX=2\n");
    IniFileHandler reader, writer;
    reader.Path(path);
    reader.section(QStringLiteral("A"));
    reader.Key(QStringLiteral("X"));
    {
        const IniLookupPass pass;
        ASSERT_EQ(reader.Value(), QStringLiteral("1"));
        // Changed on disk by someone else: this pass keeps the file as it
        // found it ...
        writeFile(dir, QStringLiteral("pass.ini"), "[A]\nX=11\n[B]\nX=22\n");
        EXPECT_EQ(reader.Value(), QStringLiteral("1"));
        // ... but a write through another handler is seen at once, and is
        // made on the file as it is on disk now.
        writer.Path(path);
        writer.section(QStringLiteral("B"));
        writer.Key(QStringLiteral("Y"));
        writer.Value(QStringLiteral("3"));
        reader.section(QStringLiteral("B"));
        EXPECT_EQ(reader.Value(), QStringLiteral("22"));
        reader.Key(QStringLiteral("Y"));
        EXPECT_EQ(reader.Value(), QStringLiteral("3"));
    }
    writeFile(dir, QStringLiteral("pass.ini"), "[A]\nX=111\n");
    const IniLookupPass next;
    reader.section(QStringLiteral("A"));
    reader.Key(QStringLiteral("X"));
    EXPECT_EQ(reader.Value(), QStringLiteral("111"));
}

TEST_F(IniFileHandlerTest, FileNamedBeforeItExistsIsFoundByTheNextPass)
{
    const QString path = dir.filePath(QStringLiteral("soon.ini"));
    IniFileHandler ini;
    ini.Path(path);
    ini.section(QStringLiteral("S"));
    ini.Key(QStringLiteral("K"));
    {
        const IniLookupPass pass;
        EXPECT_EQ(ini.Value(), QString());
    }
    writeFile(dir, QStringLiteral("soon.ini"), "[S]\nK=here\n");
    const IniLookupPass pass;
    EXPECT_EQ(ini.Value(), QStringLiteral("here"));
}

TEST_F(IniFileHandlerTest, EnumeratedNamesReadTheirOwnSectionsAfterTheFileChanges)
{
    const QString path = writeFile(dir, QStringLiteral("names.ini"), "[One]\nX=1\n[Two]\nX=2\n[Three]\nX=3\n");
    IniFileHandler ini;
    ini.Path(path);
    QStringList names;
    std::int32_t count = 0;
    ini.EnumerateAllSections(names, count);
    ASSERT_EQ(count, 3);
    auto readAll = [&](const QStringList& sections) {
        QStringList values;
        for (const QString& name : sections) {
            ini.section(name);
            ini.Key(QStringLiteral("x"));
            values.append(ini.Value());
        }
        return values;
    };
    EXPECT_EQ(readAll(names), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(readAll({"two", " THREE ", "Four"}), (QStringList{"2", "3", ""}));

    // Reordered on disk: the names of the old enumeration find the sections
    // of the new file by name, not by where they used to be.
    writeFile(dir, QStringLiteral("names.ini"), "[Three]\nX=30\n[One]\nX=10\n");
    EXPECT_EQ(readAll(names), (QStringList{"10", "", "30"}));
    // A value read before and after a write through the same handler.
    ini.section(names[0]);
    ini.Key(QStringLiteral("X"));
    ini.Value(QStringLiteral("100"));
    EXPECT_EQ(readAll(names), (QStringList{"100", "", "30"}));
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

TEST_F(IniFileHandlerTest, FailedWriteInReadOnlyFolderNamesTheFolderAndLeavesNoPartialFile)
{
    const QString path = writeFile(dir, QStringLiteral("locked.ini"), "[A]\nX=1\n");
    const QString added = dir.filePath(QStringLiteral("added.ini"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    {
        const AsUnprivilegedUser user;
        ASSERT_TRUE(user.active || ::geteuid() != 0);
        for (const QString& target : {path, added}) {
            try {
                write(target, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
                ADD_FAILURE() << "write succeeded in a read-only folder";
            } catch (const Error& e) {
                EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
                EXPECT_TRUE(e.message().contains(target)) << e.message().toStdString();
                EXPECT_TRUE(e.message().contains(QStringLiteral("folder ") + dir.path())) << e.message().toStdString();
            }
        }
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0700), 0);
    EXPECT_EQ(fileBytes(path), QByteArray("[A]\nX=1\n"));
    EXPECT_EQ(folderEntries(), QStringList{"locked.ini"});
    EXPECT_EQ(read(path, QStringLiteral("A"), QStringLiteral("X")), QStringLiteral("1"));
}

TEST_F(IniFileHandlerTest, WriteToAReadOnlyFileNamesTheFile)
{
    const QString path = writeFile(dir, QStringLiteral("readonly.ini"), "[A]\nX=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    {
        const AsUnprivilegedUser user;
        ASSERT_TRUE(user.active || ::geteuid() != 0);
        try {
            write(path, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
            ADD_FAILURE() << "write succeeded to a read-only file";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
            EXPECT_TRUE(e.message().contains(path + QStringLiteral(" cannot be written: the file is read-only")))
                << e.message().toStdString();
        }
    }
    EXPECT_EQ(fileBytes(path), QByteArray("[A]\nX=1\n"));
    EXPECT_EQ(folderEntries(), QStringList{"readonly.ini"});
}

TEST_F(IniFileHandlerTest, WriteKeepsHardLinksAndMode)
{
    const QString path = writeFile(dir, QStringLiteral("linked.ini"), "[A]\nX=1\n");
    const QString other = dir.filePath(QStringLiteral("other-name.ini"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const struct stat before = statOf(path);
    write(path, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("22"));
    const struct stat after = statOf(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(fileBytes(other), QByteArray("[A]\nX=22\n"));
    EXPECT_EQ(read(other, QStringLiteral("A"), QStringLiteral("X")), QStringLiteral("22"));
    EXPECT_EQ(folderEntries(), (QStringList{"linked.ini", "other-name.ini"}));

    // A file of one name is replaced by a new one of the same mode.
    const QString single = writeFile(dir, QStringLiteral("single.ini"), "[A]\nX=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(single).constData(), 0604), 0);
    write(single, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
    EXPECT_EQ(statOf(single).st_mode & 07777, 0604u);
    EXPECT_EQ(fileBytes(single), QByteArray("[A]\nX=2\n"));
}

TEST_F(IniFileHandlerTest, WriteKeepsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    // Root writes another user's file: the new file goes back to that user.
    const QString owned = writeFile(dir, QStringLiteral("owned.ini"), "[A]\nX=1\n");
    ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), kNobody, kNoGroup), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(owned).constData(), 0640), 0);
    write(owned, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2"));
    struct stat st = statOf(owned);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNoGroup);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(fileBytes(owned), QByteArray("[A]\nX=2\n"));

    // A second user of the file's group writes a shared file: the file stays
    // its owner's, written in place, since the writer cannot give a new file
    // to the owner.
    const QString shared = writeFile(dir, QStringLiteral("shared.ini"), "[A]\nX=1\n");
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 0, kNoGroup), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0664), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const ino_t inode = statOf(shared).st_ino;
    {
        const AsUnprivilegedUser user;
        ASSERT_TRUE(user.active);
        write(shared, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("from the group"));
    }
    st = statOf(shared);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, kNoGroup);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(st.st_ino, inode);
    EXPECT_EQ(fileBytes(shared), QByteArray("[A]\nX=from the group\n"));
    EXPECT_EQ(folderEntries(), (QStringList{"owned.ini", "shared.ini"}));
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
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
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
        {"", "X", "1"},   {"A", " ", "1"},          {"A", "X=Y", "1"},
        {"A", ";X", "1"}, {"A", "X", "two\nlines"}, {"A\r\nB", "X", "1"},
    };
    for (const Case& c : cases) {
        try {
            write(path, c.section, c.key, c.value);
            ADD_FAILURE() << "accepted [" << c.section << "] " << c.key << "=" << c.value;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
        }
    }
    // A NUL character in a name or a value would make the file unreadable.
    const QString nul(QChar(u'\0'));
    const QString withNul[][3] = {
        {"A" + nul, "X", "1"}, {"A", "X" + nul + "Y", "1"}, {"A", "X", "a" + nul + "b"}, {"A", "New", nul}};
    for (const auto& [section, key, value] : withNul) {
        try {
            write(path, section, key, value);
            ADD_FAILURE() << "accepted a NUL character";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
            EXPECT_TRUE(e.message().contains(QLatin1String("NUL"))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(read(path, QStringLiteral("A"), QStringLiteral("X")), QStringLiteral("1"));
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

// The bytes of `text` in UTF-16 with its byte-order mark.
QByteArray utf16(const char16_t* text, bool littleEndian)
{
    QByteArray bytes;
    const std::u16string withMark = std::u16string(u"\uFEFF") + text;
    for (const char16_t unit : withMark) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

TEST_F(IniFileHandlerTest, EncodingAndByteOrderMarkSurviveWrites)
{
    struct Case {
        const char* what;
        QByteArray before;
        const char* value;
        QByteArray after;
    } const cases[] = {
        {"Latin-1 stays Latin-1", "[S]\nName=M\xFCller\n", "K\xC3\xB6ln", "[S]\nName=M\xFCller\nCity=K\xF6ln\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[S]\nName=M\xC3\xBCller\n", "K\xC3\xB6ln",
         "\xEF\xBB\xBF[S]\nName=M\xC3\xBCller\nCity=K\xC3\xB6ln\n"},
        {"Windows-1252 keeps its euro sign, dash and quotes", "[S]\nName=M\xFCller\nNote=\x80 \x96 \x93q\x94\n",
         "\xE2\x82\xAC\xE2\x80\x93", "[S]\nName=M\xFCller\nNote=\x80 \x96 \x93q\x94\nCity=\x80\x96\n"},
        {"Windows-1252 that meets a character it cannot hold becomes UTF-8", "[S]\nName=M\xFCller\nNote=\x80\n",
         "\xCE\xA9", "[S]\nName=M\xC3\xBCller\nNote=\xE2\x82\xAC\nCity=\xCE\xA9\n"},
        {"UTF-16 little endian with its mark", utf16(u"[S]\r\nName=M\u00FCller\r\n", true), "\xCE\xA9",
         utf16(u"[S]\r\nName=M\u00FCller\r\nCity=\u03A9\r\n", true)},
        {"UTF-16 big endian with its mark", utf16(u"[S]\nName=M\u00FCller\n", false), "K\xC3\xB6ln",
         utf16(u"[S]\nName=M\u00FCller\nCity=K\u00F6ln\n", false)},
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

    // Opening a pipe would wait for a writer for ever; a device is no file.
    const QString pipePath = dir.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipePath).constData(), 0600), 0);

    const QString utf16Nul = writeFile(dir, QStringLiteral("utf16.ini"), QByteArray("\xFF\xFE[\0A\0]\0\0\0", 10));

    const std::pair<QString, const char*> files[] = {{binaryPath, "is not a text file"},
                                                     {hugePath, "is larger than 32 MB"},
                                                     {pipePath, "is not a regular file"},
                                                     {QStringLiteral("/dev/null"), "is not a regular file"},
                                                     {utf16Nul, "is not a text file"}};
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
                EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
                EXPECT_TRUE(e.message().contains(QLatin1String(reason))) << e.message().toStdString();
            }
        }
    }
    EXPECT_EQ(fileBytes(binaryPath), binary);
}

}  // namespace
}  // namespace kwpnd
