#include "engine/fill/fill_fixture.h"

#include <gtest/gtest.h>

namespace ky::test {
namespace {

struct CheckCase {
    const char* why;
    const char16_t* dataField;
    const char16_t* value;  // the element's own Value
    bool checked;
};

class CheckBoxState : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckBoxState, TickedOrNot) {
    const CheckCase& c = GetParam();
    SCOPED_TRACE(c.why);
    ReportFixture fixture;
    fixture.loadJson(uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[
        {"Name":"李明","Urgent":true,"Count":2,"Zero":0,"Code":"1"}]}])"_qs);
    const QString check = tag(u"Check"_qs, geometry(0, 0, 2000, 300) + tag(u"Caption"_qs, u"急诊"_qs) +
                                               tag(u"DataField"_qs, QString::fromUtf16(c.dataField).toHtmlEscaped()) +
                                               tag(u"Value"_qs, QString::fromUtf16(c.value)) + tag(u"DataSourceID"_qs, u"0"_qs));
    const QString xml = report({tag(u"Page"_qs, tag(u"PageNo"_qs, u"1"_qs) + tag(u"Controls"_qs, tag(u"Checks"_qs, check)))});
    const FilledReport filled = fixture.print(xml);
    ASSERT_EQ(filled.pages.size(), 1u);
    EXPECT_EQ(textsOf(filled.pages[0]).contains(u"√"_qs), c.checked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckBoxState,
    testing::Values(CheckCase{"a numeric field that is not 0", u"Count", u"0", true}, CheckCase{"a numeric field of 0", u"Zero", u"1", false},
                    // Booleans and texts are not numbers: only an expression reads them.
                    CheckCase{"a boolean field", u"Urgent", u"1", false}, CheckCase{"a text field", u"Code", u"1", false},
                    CheckCase{"an expression of a boolean", u"=[Urgent]", u"0", true},
                    CheckCase{"an expression that is false", u"=[Count] > 5", u"1", false},
                    CheckCase{"no data field: the element's own value", u"", u"1", true},
                    CheckCase{"a field no record set has", u"Nothing", u"1", false}));

}  // namespace
}  // namespace ky::test
