#include "platform/guid.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace ky {
namespace {

const Guid kKnown{0x0123ABCD, 0x00EF, 0x4A5B, {0x8C, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x0F}};

TEST(Guid, TextFormsAreZeroPaddedUpperCase) {
    // Fields zero-padded to 8, 4 and 4 digits, then the eight bytes in order.
    EXPECT_EQ(kKnown.toCompactString(), QStringLiteral("0123ABCD00EF4A5B8C0102030405060F"));
    EXPECT_EQ(kKnown.toString(), QStringLiteral("0123ABCD-00EF-4A5B-8C01-02030405060F"));
    EXPECT_EQ(kKnown.toBracedString(), QStringLiteral("{0123ABCD-00EF-4A5B-8C01-02030405060F}"));
}

TEST(Guid, ParsesBothRegistryForms) {
    EXPECT_EQ(Guid::parse(u"{0123abcd-00ef-4a5b-8c01-02030405060f}"), kKnown);
    EXPECT_EQ(Guid::parse(u"0123ABCD-00EF-4A5B-8C01-02030405060F"), kKnown);
    for (const char16_t* bad : {u"", u"0123ABCD00EF4A5B8C0102030405060F", u"{0123ABCD-00EF-4A5B-8C01-02030405060G}",
                                u"0123ABCD-00EF-4A5B-8C01_02030405060F", u"{0123ABCD-00EF-4A5B-8C01-02030405060F"})
        EXPECT_FALSE(Guid::parse(QStringView(bad))) << QString::fromUtf16(bad).toStdString();
}

TEST(Guid, CreatedGuidsAreFreshVersionFour) {
    const Guid a = Guid::create(), b = Guid::create();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.data3 >> 12, 4);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(a.toCompactString()).hasMatch());
    EXPECT_EQ(Guid::parse(a.toString()), a);
}

}  // namespace
}  // namespace ky
