#include "unsetup/pending_deletions.h"

#include <QByteArray>

namespace ky::unsetup {

namespace {

const QString kSessionManagerKey = QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Session Manager");
const QString kPendingValue = QStringLiteral("PendingFileRenameOperations");

bool needsEscape(QChar c) { return c == u'%' || c == u';' || c.unicode() < 0x20; }

QString escaped(const QString& path) {
    QString out;
    for (QChar c : path) {
        if (needsEscape(c))
            out += u'%' + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

QString unescaped(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool ok = false;
        const int code = text[i] == u'%' && i + 2 < text.size() ? text.sliced(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            out += QChar(code);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString pendingText(const RegistryTree& registry) {
    const auto value = registry.value(Hive::LocalMachine, kSessionManagerKey, kPendingValue);
    return value && value->kind == RegistryValue::Kind::String ? value->text : QString();
}

}  // namespace

Status scheduleDeletionAtRestart(RegistryStore& registry, const QString& path) {
    return registry.update([&](RegistryTree& tree) {
        QString text = pendingText(tree);
        if (!text.isEmpty()) text += u';';
        text += escaped(path);
        tree.setValue(Hive::LocalMachine, kSessionManagerKey, kPendingValue, RegistryValue::string(text));
    });
}

QStringList pendingDeletions(const RegistryTree& registry) {
    QStringList paths;
    const QString text = pendingText(registry);
    for (QStringView part : QStringView(text).split(u';', Qt::SkipEmptyParts)) paths.append(unescaped(part));
    return paths;
}

}  // namespace ky::unsetup
