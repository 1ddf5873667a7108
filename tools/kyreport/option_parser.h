#pragma once
// Command lines of the form POSITIONAL... [--name VALUE]...: the options a
// command takes each carry one value; anything else starting with "--" is
// an error.

#include <QHash>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace ky::cli {

class OptionParser {
public:
    OptionParser(const QStringList& args, std::initializer_list<const char*> valueOptions) {
        QStringList known;
        for (const char* name : valueOptions) known << QString::fromLatin1(name);
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QString& arg = args[i];
            if (!arg.startsWith(u"--"_qs)) {
                positional_ << arg;
            } else if (!known.contains(arg)) {
                error_ = QStringLiteral("unknown option %1").arg(arg);
            } else if (i + 1 >= args.size()) {
                error_ = QStringLiteral("%1 needs a value").arg(arg);
            } else {
                values_.insert(arg, args[++i]);
            }
        }
    }

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }
    const QStringList& positional() const { return positional_; }
    bool has(const char* name) const { return values_.contains(QString::fromLatin1(name)); }
    QString value(const char* name, const QString& fallback = {}) const {
        return values_.value(QString::fromLatin1(name), fallback);
    }

private:
    QStringList positional_;
    QHash<QString, QString> values_;
    QString error_;
};

}  // namespace ky::cli
