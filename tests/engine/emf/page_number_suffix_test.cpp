// Page-number suffixes of the virtual printer's page files.

#include "report/engine/emf/page_number_suffix.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace ky {
namespace {

struct NamingCase {
    const char* name;
    QString base;
    QString suffix;
    int page;
    QString expected;
};

class PageFileNamingTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(PageFileNamingTest, NamesThePageFile) {
    const auto suffix = PageNumberSuffix::parse(GetParam().suffix);
    ASSERT_TRUE(suffix) << suffix.error().toStdString();
    EXPECT_EQ(suffix->pageFile(GetParam().base, GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageFileNamingTest,
    ::testing::Values(
        // r.emf with an empty key becomes the base r_.emf; the report object writes "_%03d".
        NamingCase{"report_object_first_page", u"C:\\out\\r_.emf"_s, u"_%03d"_s, 1, u"C:\\out\\r__001.emf"_s},
        NamingCase{"report_object_last_of_three", u"C:\\out\\r_.emf"_s, u"_%03d"_s, 3, u"C:\\out\\r__003.emf"_s},
        // "At least three digits": page 1000 is not cut.
        NamingCase{"wider_than_the_width", u"/tmp/r.emf"_s, u"_%03d"_s, 1000, u"/tmp/r_1000.emf"_s},
        // The suffix the report object restores after a job.
        NamingCase{"restored_suffix", u"/tmp/r.emf"_s, u"%04d"_s, 12, u"/tmp/r0012.emf"_s},
        NamingCase{"extension_in_capitals", u"/tmp/R.EMF"_s, u"_%03d"_s, 2, u"/tmp/R_002.emf"_s},
        NamingCase{"base_without_extension", u"/tmp/r"_s, u"-%d"_s, 7, u"/tmp/r-7.emf"_s},
        NamingCase{"literal_percent", u"/tmp/r.emf"_s, u"%%_%02i"_s, 5, u"/tmp/r%_05.emf"_s},
        NamingCase{"text_after_the_number", u"/tmp/r.emf"_s, u"_p%dof"_s, 3, u"/tmp/r_p3of.emf"_s}),
    [](const auto& test) { return std::string(test.param.name); });

class RefusedSuffixTest : public ::testing::TestWithParam<QString> {};

TEST_P(RefusedSuffixTest, IsRefusedWithTheReason) {
    const auto suffix = PageNumberSuffix::parse(GetParam());
    ASSERT_FALSE(suffix);
    EXPECT_TRUE(suffix.error().contains(GetParam())) << suffix.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedSuffixTest,
                         ::testing::Values(u"%s%n"_s,       // conversions that read or write memory under printf
                                           u"%x"_s,         // not a decimal page number
                                           u"_%03d_%d"_s,   // two numbers
                                           u""_s,           // no number: every page would overwrite the last
                                           u"_"_s,          //
                                           u"%-5d"_s,       // flags other than zero
                                           u"%999d"_s,      // a width that fills the disk
                                           u"%"_s,          // a lone percent at the end
                                           u"/../%d"_s));   // a folder

}  // namespace
}  // namespace ky
