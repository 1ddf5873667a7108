#include "report/engine/format/chinese_amount.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct AmountCase {
    double amount;
    const char16_t* expected;
};

class ChineseAmountTest : public testing::TestWithParam<AmountCase> {};

TEST_P(ChineseAmountTest, WritesCapitalNumerals) {
    EXPECT_EQ(ChineseAmount(GetParam().amount), QString::fromUtf16(GetParam().expected)) << GetParam().amount;
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, ChineseAmountTest,
    testing::Values(AmountCase{10005.07, u"壹万零伍元零柒分"}, AmountCase{1200.5, u"壹仟贰佰元零伍角整"},
                    AmountCase{0.5, u"伍角整"}, AmountCase{100000, u"壹拾万元整"}, AmountCase{0, u"零"},
                    AmountCase{0.07, u"柒分"}, AmountCase{0.57, u"伍角柒分"}, AmountCase{1, u"壹元整"},
                    AmountCase{10, u"壹拾元整"}, AmountCase{1001, u"壹仟零壹元整"},
                    AmountCase{100010, u"壹拾万零壹拾元整"},
                    AmountCase{123456789.12, u"壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分"},
                    AmountCase{100000000, u"壹亿元整"}, AmountCase{100000001, u"壹亿零壹元整"},
                    AmountCase{999999999999.0, u"玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
                    // The sign is kept rather than dropped; beyond twelve digits the number stays whole.
                    AmountCase{-12.3, u"负壹拾贰元叁角整"}, AmountCase{-0.001, u"零"},
                    AmountCase{1e12, u"1000000000000"}));

}  // namespace
}  // namespace ky
