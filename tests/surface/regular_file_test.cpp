// Files read on a user's word: regular files under a cap, nothing else, and
// never a wait on a pipe.
#include "regular_file.h"
#include "kwpnd/error.h"
#include "kwpnd/picture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>

namespace kwpnd::test {
namespace {

// The error a call throws, with its message.
std::pair<int, QString> failureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return {e.number(), e.message()};
    }
    return {0, {}};
}

QString fifoIn(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("pipe"));
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

// A file of `bytes` bytes that takes no room on the disk.
QString sparseFile(const QTemporaryDir& dir, qint64 bytes)
{
    const QString path = dir.filePath(QStringLiteral("sparse.png"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(file.resize(bytes));
    return path;
}

TEST(RegularFile, ReadsARegularFileUpToItsCap)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("a.txt"), "12345");
    EXPECT_EQ(readRegularFile(path, 5), QByteArray("12345"));
    EXPECT_EQ(openRegularFile(path, 5)->readAll(), QByteArray("12345"));

    const auto [number, text] = failureOf([&] { readRegularFile(path, 4); });
    EXPECT_EQ(number, ErrorNumber::PathFileAccess);
    EXPECT_TRUE(text.contains(path) && text.contains(QStringLiteral("4 bytes"))) << text.toStdString();
}

TEST(RegularFile, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QString path;
        int number;
    } cases[] = {
        {"fifo", fifoIn(dir), ErrorNumber::PathFileAccess},
        {"device", QStringLiteral("/dev/zero"), ErrorNumber::PathFileAccess},
        {"folder", dir.path(), ErrorNumber::PathFileAccess},
        {"missing", dir.filePath(QStringLiteral("none")), ErrorNumber::FileNotFound},
        {"empty path", QString(), ErrorNumber::FileNotFound},
    };
    for (const Case& c : cases) {
        for (const auto& call : {std::function<void()>([&] { readRegularFile(c.path, 1 << 20); }),
                                 std::function<void()>([&] { openRegularFile(c.path, 1 << 20); })}) {
            const auto [number, text] = failureOf(call);
            EXPECT_EQ(number, c.number) << c.name;
            if (number == ErrorNumber::PathFileAccess)
                EXPECT_TRUE(text.contains(c.path)) << c.name << ": " << text.toStdString();
        }
    }
}

TEST(RegularFile, LoadPictureRefusesPipesDevicesAndHugeFiles)
{
    QTemporaryDir dir;
    const QString fifo = fifoIn(dir);
    const QString huge = sparseFile(dir, kMaxPictureFileBytes + 1);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), huge}) {
        const auto [number, text] = failureOf([&] { LoadPicture(path); });
        EXPECT_EQ(number, ErrorNumber::PathFileAccess) << path.toStdString();
        EXPECT_TRUE(text.contains(path)) << text.toStdString();
    }
    EXPECT_TRUE(failureOf([&] { LoadPicture(huge); }).second.contains(QStringLiteral("256 MB")));
}

}  // namespace
}  // namespace kwpnd::test
