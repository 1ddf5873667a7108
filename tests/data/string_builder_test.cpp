#include "report/data/string_builder.h"

#include "platform/com_error.h"

#include <gtest/gtest.h>

#include <functional>

namespace ky {
namespace {

HResult errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ComError& error) {
        return error.code();
    }
    return hresult::ok;
}

TEST(StringBuilder, GrowsByWholeChunks) {
    StringBuilder b;
    EXPECT_EQ(b.ChunkSize(), 8192);
    b.setChunkSize(4);
    b.Append(QStringLiteral("abcde"));  // 5 characters need two chunks
    EXPECT_EQ(b.Length(), 5);
    EXPECT_EQ(b.Capacity(), 8);
    b.Append(QStringLiteral("fgh"));  // exactly full: no growth
    EXPECT_EQ(b.Capacity(), 8);
    b.AppendNL(QStringLiteral("血"));
    EXPECT_EQ(b.toString(), QStringLiteral("abcdefgh血\r\n"));
    EXPECT_EQ(b.Capacity(), 12);
}

TEST(StringBuilder, TheStringReplacesAndEmptyClears) {
    StringBuilder b;
    b.setChunkSize(10);
    b.Append(QStringLiteral("a long first text"));
    b.setTheString(QStringLiteral("short"));
    EXPECT_EQ(b.toString(), QStringLiteral("short"));
    EXPECT_EQ(b.Capacity(), 20);  // capacity is kept
    b.setTheString(QString());
    EXPECT_EQ(b.Length(), 0);
    EXPECT_EQ(b.Capacity(), 0);
    EXPECT_EQ(b.toString(), QString());
}

TEST(StringBuilder, InsertAndRemoveCheckTheirRange) {
    StringBuilder b;
    b.Append(QStringLiteral("ACE"));
    b.Insert(1, QStringLiteral("B"));
    b.InsertByVal(3, QStringLiteral("D"));
    b.Insert(5, QStringLiteral("F"));  // at the used length: appends
    EXPECT_EQ(b.toString(), QStringLiteral("ABCDEF"));
    b.Remove(1, 2);
    EXPECT_EQ(b.toString(), QStringLiteral("ADEF"));
    b.Remove(4, 0);  // nothing, at the end
    EXPECT_EQ(b.toString(), QStringLiteral("ADEF"));

    EXPECT_EQ(errorOf([&] { b.Insert(5, QStringLiteral("x")); }), hresult::subscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { b.Insert(-1, QStringLiteral("x")); }), hresult::subscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { b.Remove(2, 3); }), hresult::subscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { b.Remove(5, 0); }), hresult::subscriptOutOfRange);
    EXPECT_EQ(b.toString(), QStringLiteral("ADEF"));  // failures change nothing
}

TEST(StringBuilder, FindIsOneBasedWithTextOrBinaryComparison) {
    StringBuilder b;
    b.setChunkSize(100);  // blanks beyond the used length must not match
    b.Append(QStringLiteral("abcABCabc"));
    struct Case {
        const char* why;
        const char16_t* needle;
        std::int32_t start;
        IStringBuilder::Compare compare;
        std::int32_t expected;
    };
    using C = IStringBuilder::Compare;
    const Case cases[] = {
        {"text comparison ignores case", u"ABC", 1, C::Text, 1},
        {"binary comparison does not", u"ABC", 1, C::Binary, 4},
        {"from a later start", u"abc", 2, C::Binary, 7},
        {"a start below 1 searches from the first", u"abc", -5, C::Text, 1},
        {"a start past the used length finds nothing", u"abc", 10, C::Text, 0},
        {"missing text", u"xyz", 1, C::Text, 0},
        {"blanks of the spare capacity are not text", u" ", 1, C::Text, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(b.Find(QString::fromUtf16(c.needle), c.start, c.compare), c.expected) << c.why;
}

TEST(StringBuilder, ChunkSizesThatCannotWorkAreRefused) {
    StringBuilder b;
    EXPECT_EQ(errorOf([&] { b.setChunkSize(1 << 30); }), hresult::overflow);
    EXPECT_EQ(errorOf([&] { b.setChunkSize(0); }), hresult::overflow);  // growth would never end
    EXPECT_EQ(b.ChunkSize(), 8192);
    b.setChunkSize((1 << 30) - 1);
    EXPECT_EQ(b.ChunkSize(), (1 << 30) - 1);
}

TEST(StringBuilder, HeapMinimizeGivesBackWholeChunks) {
    StringBuilder b;
    b.setChunkSize(4);
    b.Append(QString(20, u'x'));
    b.Remove(0, 15);  // 5 used of 20
    b.HeapMinimize();
    EXPECT_EQ(b.Capacity(), 8);  // free space of at most one chunk stays
    EXPECT_EQ(b.toString(), QStringLiteral("xxxxx"));
}

}  // namespace
}  // namespace ky
