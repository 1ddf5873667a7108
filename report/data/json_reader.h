#pragma once
// The lenient JSON reader of report data: comments, single quotes, unquoted
// keys and missing commas are accepted, and it never fails towards its
// caller; problems are collected in an error text, one line each.

#include "report/data/value.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace ky {

struct JsonMember;

class JsonNode {
public:
    enum class Kind { Scalar, Object, Array };

    Kind kind = Kind::Scalar;
    Value scalar;  // Empty, Null, Bool, Decimal or Text
    std::vector<JsonMember> members;                     // objects, in insertion order
    std::vector<JsonNode> items;                         // arrays

    bool isObject() const { return kind == Kind::Object; }
    bool isArray() const { return kind == Kind::Array; }
    // The member with exactly this name (case matters), or nothing.
    const JsonNode* member(QStringView name) const;
    JsonNode* member(QStringView name) { return const_cast<JsonNode*>(std::as_const(*this).member(name)); }
};

struct JsonMember {
    QString name;
    JsonNode node;
};

struct JsonParse {
    std::optional<JsonNode> root;  // an object or array; nothing for "Invalid JSON"
    // JsonParseErrors: one line (CR LF) per problem. Quotes of the text are
    // cut at 200 characters ("…") and lines after the 99th are left out.
    QString errors;
};

// Objects and arrays nested deeper than this end with an error line, so that
// hostile input cannot exhaust the stack.
inline constexpr int kMaxJsonDepth = 512;

JsonParse ParseJson(QStringView text);

// Lets a caller take what it reads as soon as it is read, instead of the
// whole tree at the end: the items of the top-level array, and the items of
// the arrays that are members of those items (the rows of report data).
// Whatever is taken is left out of the tree.
class JsonItemHook {
public:
    virtual ~JsonItemHook() = default;
    // An item of the top-level array, complete.
    virtual bool takeElement(JsonNode& element) = 0;
    // An item of the array `member` of `owner`, an element as read so far.
    virtual bool takeItem(const JsonNode& owner, const QString& member, JsonNode& item) = 0;
};

JsonParse ParseJson(QStringView text, JsonItemHook& hook);

}  // namespace ky
