#pragma once
// The lenient JSON reader of report data: comments, single quotes, unquoted
// keys and missing commas are accepted, and it never fails towards its
// caller; problems are collected in an error text, one line each.

#include "report/data/value.h"

#include <QString>
#include <QStringView>

#include <optional>
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

}  // namespace ky
