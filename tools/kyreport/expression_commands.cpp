// kyreport eval EXPRESSION: the value of an expression, as CStr writes it.
// kyreport format VALUE [options]: the text FormatValue gives for a value.

#include "tools/kyreport/command.h"

#include "report/engine/expression/expression_evaluator.h"
#include "report/engine/format/format_value.h"

#include <optional>

namespace ky::cli {

namespace {

int eval(const QStringList& args, const Output& io) {
    if (args.isEmpty()) {
        io.error(QStringLiteral("usage: kyreport eval EXPRESSION"));
        return exitUsage;
    }
    // The shell may have split the expression; every argument belongs to it,
    // including ones that start with "-".
    const ExpressionEvaluator evaluator;
    const auto value = evaluator.evaluate(args.join(u' '));
    if (!value) {
        io.print(expressionErrorText() + u'\n');
        return exitFailed;
    }
    // Null has no text of its own; it is shown by name.
    io.print((value->isNull() ? QStringLiteral("Null") : value->toText()) + u'\n');
    return exitOk;
}

struct FormatRequest {
    std::optional<QString> value;
    FormatOptions options;
};

// Options are known by name; anything else is the value, so "-2.35" is a value.
std::optional<FormatRequest> readFormatArgs(const QStringList& args) {
    FormatRequest r;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasNext = i + 1 < args.size();
        bool ok = true;
        if (a == QStringLiteral("--zero-is-null")) {
            r.options.ZeroIsNull = true;
        } else if (a == QStringLiteral("--xsws") && hasNext) {
            r.options.XSWS = args[++i].toInt(&ok);
        } else if (a == QStringLiteral("--xyjg") && hasNext) {
            r.options.XYJG = args[++i].toDouble(&ok);
        } else if (a == QStringLiteral("--format") && hasNext) {
            r.options.Format = args[++i].toInt(&ok);
        } else if (a == QStringLiteral("--rpzero") && hasNext) {
            r.options.RPZero = args[++i];
        } else if (a == QStringLiteral("--cusformat") && hasNext) {
            r.options.CusFormat = args[++i];
        } else if (a == QStringLiteral("--suffix") && hasNext) {
            r.options.suffix = args[++i];
        } else if (!r.value) {
            r.value = a;
        } else {
            ok = false;
        }
        if (!ok) return std::nullopt;
    }
    if (!r.value) return std::nullopt;
    return r;
}

int format(const QStringList& args, const Output& io) {
    const auto request = readFormatArgs(args);
    if (!request) {
        io.error(QStringLiteral("usage: kyreport format VALUE [--xsws N] [--xyjg X] [--zero-is-null] [--rpzero TEXT] "
                                "[--format N] [--cusformat PATTERN] [--suffix TEXT]"));
        return exitUsage;
    }
    const auto number = parseNumber(*request->value);
    const Value value = number ? Value(*number) : Value(*request->value);
    io.print(FormatValue(value, request->options).text + u'\n');
    return exitOk;
}

}  // namespace

std::vector<Command> expressionCommands() {
    return {
        {QStringLiteral("eval"), QStringLiteral("eval EXPRESSION"),
         QStringLiteral("print the value of an expression (without the leading \"=\"), or 表达式错误"), eval},
        {QStringLiteral("format"),
         QStringLiteral("format VALUE [--xsws N] [--xyjg X] [--zero-is-null] [--rpzero TEXT] [--format N] [--cusformat PATTERN] [--suffix TEXT]"),
         QStringLiteral("print the display text of a value (a number when it reads as one) under the text-box format settings"), format},
    };
}

}  // namespace ky::cli
