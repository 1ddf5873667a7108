#include "platform/byte_stream.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

TEST(ByteStream, WriteOverwritesAtThePositionAndExtends) {
    ByteStream s;
    s.write("hello world");
    s.setPosition(6);
    s.write("there!!");  // overwrites "world" and grows by two
    EXPECT_EQ(s.bytes(), QByteArray("hello there!!"));
    EXPECT_EQ(s.position(), 13);
}

TEST(ByteStream, ReadAllReadsFromThePositionSoConsumersRewind) {
    ByteStream s(QByteArray("abcdef"));
    EXPECT_EQ(s.readAll(), QByteArray("abcdef"));
    EXPECT_EQ(s.readAll(), QByteArray());  // at the end now
    s.setPosition(0);
    EXPECT_EQ(s.readAll(), QByteArray("abcdef"));
}

TEST(ByteStream, PositionIsClampedToTheContent) {
    ByteStream s(QByteArray("abc"));
    s.setPosition(99);
    EXPECT_EQ(s.position(), 3);
    s.setPosition(-5);
    EXPECT_EQ(s.position(), 0);
}

TEST(ByteStream, SavesOverwritingAndLoadsAtPositionZero) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.bin"));
    ASSERT_TRUE(ByteStream(QByteArray("a much longer first content")).saveToFile(path));
    ASSERT_TRUE(ByteStream(QByteArray("short")).saveToFile(path));

    ByteStream loaded(QByteArray("old"));
    loaded.setPosition(2);
    ASSERT_TRUE(loaded.loadFromFile(path));
    EXPECT_EQ(loaded.bytes(), QByteArray("short"));
    EXPECT_EQ(loaded.position(), 0);
}

TEST(ByteStream, FileErrorsNameThePathAndKeepTheContent) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nope/none.bin"));
    ByteStream s(QByteArray("kept"));
    const Status loaded = s.loadFromFile(missing);
    ASSERT_FALSE(loaded);
    EXPECT_TRUE(loaded.error().contains(missing));
    EXPECT_EQ(s.bytes(), QByteArray("kept"));
    EXPECT_FALSE(s.saveToFile(missing));
}

}  // namespace
}  // namespace ky
