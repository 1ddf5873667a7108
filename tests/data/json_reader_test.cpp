#include "report/data/json_reader.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace ky {
namespace {

JsonParse parse(const char16_t* text) { return ParseJson(QString::fromUtf16(text)); }

Value decimal(const char16_t* text) { return Value(*Decimal::parse(QString::fromUtf16(text))); }

TEST(JsonReader, ReadsTheLenientGrammar) {
    // Unquoted and single-quoted keys, a missing comma, a long comment.
    const JsonParse r = parse(u"{a:1 'b':\"x\" /*c*/ \"d\":[true,null]}");
    ASSERT_TRUE(r.root && r.root->isObject());
    EXPECT_EQ(r.errors, QString());
    ASSERT_EQ(r.root->members.size(), 3u);
    EXPECT_EQ(r.root->members[0].name, QStringLiteral("a"));
    EXPECT_EQ(r.root->member(u"a")->scalar, decimal(u"1"));
    EXPECT_EQ(r.root->member(u"b")->scalar, Value(QStringLiteral("x")));
    const JsonNode* d = r.root->member(u"d");
    ASSERT_TRUE(d && d->isArray());
    ASSERT_EQ(d->items.size(), 2u);
    EXPECT_EQ(d->items[0].scalar, Value(true));
    EXPECT_TRUE(d->items[1].scalar.isNull());
    EXPECT_EQ(r.root->member(u"A"), nullptr);  // names are case-sensitive
}

TEST(JsonReader, KeysDropBlanksEvenInsideQuotesAndKeepQuotedColons) {
    const JsonParse r = parse(u"{\"first name\":1, 'a:b' : 2, \"tab\tbed\": 3}");
    ASSERT_TRUE(r.root);
    EXPECT_TRUE(r.root->member(u"firstname"));
    EXPECT_TRUE(r.root->member(u"a:b"));
    EXPECT_TRUE(r.root->member(u"tabbed"));
    EXPECT_EQ(r.errors, QString());
}

TEST(JsonReader, StringsAndEscapes) {
    struct Case {
        const char16_t* json;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"[\"\\u4e2d\"]", u"中"},
        {u"[\"a\\\"b\\\\c\\/d\\'e\"]", u"a\"b\\c/d'e"},
        {u"['it\"s']", u"it\"s"},  // single quotes close single-quoted strings only
        {u"[\"\\b\\f\\n\\r\\t\"]", u"\b\f\n\r\t"},
        {u"[\"\\q\"]", u"q"},          // an unknown escape loses its backslash
        {u"[\"\\u4eZZ\"]", u"N"},       // hexadecimal digits end early: 0x4e
        {u"[\"no end", u"no end"},     // an unclosed string keeps what it collected
    };
    for (const auto& c : cases) {
        const JsonParse r = parse(c.json);
        ASSERT_TRUE(r.root && !r.root->items.empty()) << QString::fromUtf16(c.json).toStdString();
        EXPECT_EQ(r.root->items[0].scalar, Value(QString::fromUtf16(c.text))) << QString::fromUtf16(c.json).toStdString();
    }
}

TEST(JsonReader, NumbersAreDecimals) {
    const JsonParse r = parse(u"[1, -2.50, 1e3, 0.1234567890123456789012345678 ]");
    ASSERT_TRUE(r.root);
    ASSERT_EQ(r.root->items.size(), 4u);
    EXPECT_EQ(r.root->items[0].scalar, decimal(u"1"));
    EXPECT_EQ(r.root->items[1].scalar, decimal(u"-2.5"));
    EXPECT_EQ(r.root->items[2].scalar, decimal(u"1000"));
    EXPECT_EQ(r.root->items[3].scalar.toText(), QStringLiteral("0.1234567890123456789012345678"));
}

TEST(JsonReader, CommentsFollowTheirOwnRules) {
    // "/* ... **/" does not end at "**/": the second asterisk opens again.
    const JsonParse unended = parse(u"[1 /* a **/ 2]");
    ASSERT_TRUE(unended.root);
    EXPECT_EQ(unended.root->items.size(), 1u);
    const JsonParse ended = parse(u"[1 /* a *x/ 2]");
    ASSERT_TRUE(ended.root);
    EXPECT_EQ(ended.root->items.size(), 2u);
    const JsonParse line = parse(u"[1 // two\n 3]");
    ASSERT_TRUE(line.root);
    ASSERT_EQ(line.root->items.size(), 2u);
    EXPECT_EQ(line.root->items[1].scalar, decimal(u"3"));
}

TEST(JsonReader, ErrorLinesAndWhatIsKept) {
    struct Case {
        const char* why;
        const char16_t* json;
        const char16_t* errors;
        int items;  // top-level members or items kept; -1 for no result
    };
    const Case cases[] = {
        {"not an object or array", u"\"text\"", u"Invalid JSON", -1},
        {"a number first", u"12", u"Invalid JSON", -1},
        {"true first", u"true", u"Invalid JSON", -1},
        {"unclosed array: the last number ends with the text", u"[1,2", u"Missing ']': [1,2\r\n", 2},
        {"unclosed object", u"{a:1", u"Missing '}': {a:1\r\n", 1},
        {"duplicate key keeps the first and ends the object", u"{a:1,a:2,b:3}",
         u"This key is already associated with an element of this collection: a\r\n", 1},
        {"a number that does not convert", u"[1,-,3]", u"Type mismatch: ,3]\r\n", 1},
        {"an invalid word in an array ends it", u"[1,negative,2]", u"Invalid null value at position 4 : negative,2]\r\n", 1},
        // "true" reads; "ish" then is a number that does not convert.
        {"a word that starts like true", u"[trueish]", u"Type mismatch: ish]\r\n", 1},
        {"an invalid boolean word", u"[fals]", u"Invalid Boolean at position 2 : fals]\r\n", 0},
        {"an invalid word in an object ends it", u"{a:nope,b:1}", u"Invalid null value at position 4 : nope,b:1}\r\n", 0},
        // The key is reported and kept; its value is read from where the key stopped.
        {"a quoted key needs a colon", u"{\"a\" 1}", u"Invalid Key at position 6 : a\r\n", 1},
    };
    for (const auto& c : cases) {
        const JsonParse r = parse(c.json);
        EXPECT_EQ(r.errors, QString::fromUtf16(c.errors)) << c.why;
        if (c.items < 0) {
            EXPECT_FALSE(r.root) << c.why;
            continue;
        }
        ASSERT_TRUE(r.root) << c.why;
        const size_t kept = r.root->isObject() ? r.root->members.size() : r.root->items.size();
        EXPECT_EQ(kept, static_cast<size_t>(c.items)) << c.why;
    }
}

TEST(JsonReader, ManyProblemsInBigTextKeepTheErrorTextSmall) {
    // An unknown word deep down ends every level above it, and each level
    // reports the rest of the text: here 300 lines, each quoting 1 MB.
    const QString text = QString(300, u'[') + QStringLiteral("nix") + QString(1 << 20, u' ') + QString(300, u']');
    const JsonParse r = ParseJson(text);
    ASSERT_TRUE(r.root);
    const QStringList lines = r.errors.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 100);
    EXPECT_EQ(lines.back(), QStringLiteral("(further errors omitted)"));
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("Invalid null value at position 301 : nix "))) << lines.front().left(60).toStdString();
    EXPECT_TRUE(lines.front().endsWith(QStringLiteral("…")));
    EXPECT_LT(r.errors.size(), 100 * 260);
}

TEST(JsonReader, DeepNestingEndsWithAnErrorInsteadOfExhaustingTheStack) {
    const QString deep = QString(100000, u'[') + QString(100000, u']');
    const JsonParse r = ParseJson(deep);
    ASSERT_TRUE(r.root);
    // 512 levels are read; the 513th bracket is reported, once, and reading ends.
    EXPECT_EQ(r.errors, QStringLiteral("Nesting deeper than 512 levels at position 513\r\n"));

    const QString fine = QString(100, u'[') + QString(100, u']');
    EXPECT_EQ(ParseJson(fine).errors, QString());
}

}  // namespace
}  // namespace ky
