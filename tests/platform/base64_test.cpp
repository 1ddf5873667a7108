#include "platform/base64.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct DecodeCase {
    const char* name;
    const char16_t* text;
    QByteArray expected;
};

TEST(Base64, DecodesAfterRemovingLineBreaksAndPrefixes) {
    const DecodeCase cases[] = {
        {"plain", u"aGVsbG8=", "hello"},
        // The server prefixes binary values with "base64:" and the DOM breaks lines.
        {"prefix", u"base64:aGVsbG8=", "hello"},
        {"crlf inside", u"aGVs\r\nbG8=", "hello"},
        {"prefix repeated after a break", u"base64:aGVs\r\nbase64:bG8=", "hello"},
        {"lone line feeds skipped", u"aGVs\nbG8=\n", "hello"},
        {"no padding", u"aGk", "hi"},
        {"empty", u"", ""},
    };
    for (const auto& c : cases) {
        const auto decoded = decodeBase64(QString::fromUtf16(c.text));
        ASSERT_TRUE(decoded) << c.name << ": " << decoded.error().toStdString();
        EXPECT_EQ(decoded.value(), c.expected) << c.name;
    }
}

TEST(Base64, RefusesCharactersOutsideTheAlphabet) {
    for (const char16_t* bad : {u"aGV*bG8=", u"aGVsbG8=x", u"a", u"中文"}) {
        const auto decoded = decodeBase64(QString::fromUtf16(bad));
        EXPECT_FALSE(decoded) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(Base64, RoundTripsEveryByteValue) {
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(static_cast<char>(i));
    const QString text = encodeBase64(all);
    EXPECT_FALSE(text.contains(u'\n'));
    const auto back = decodeBase64(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.value(), all);
}

}  // namespace
}  // namespace ky
