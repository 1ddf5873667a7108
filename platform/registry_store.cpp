#include "platform/registry_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <array>
#include <functional>
#include <unordered_map>
#include <vector>

namespace ky {

namespace {

struct HiveNames {
    Hive hive;
    QStringView longName;
    QStringView shortName;
};

constexpr std::array<HiveNames, 4> kHiveNames{{
    {Hive::ClassesRoot, u"HKEY_CLASSES_ROOT", u"HKCR"},
    {Hive::CurrentUser, u"HKEY_CURRENT_USER", u"HKCU"},
    {Hive::LocalMachine, u"HKEY_LOCAL_MACHINE", u"HKLM"},
    {Hive::Users, u"HKEY_USERS", u"HKU"},
}};

// The text reader refuses larger files; one byte more lets it say so
// without reading an arbitrarily large file into memory.
constexpr qint64 kReadLimit = 1024 * 1024 + 1;

using NodeId = qsizetype;
constexpr NodeId kNoNode = -1;

struct NamedValue {
    QString name;
    RegistryValue value;
};

struct Node {
    QString name;  // as created
    NodeId parent = kNoNode;
    std::vector<NodeId> children;
    std::vector<NamedValue> values;
};

// A name below a node: a subkey's name under its parent, or a value's name
// in its key. Names hash and compare case-folded; a lookup takes a view into
// the caller's path instead of a folded copy of each part.
struct NameKey {
    NodeId node;
    QString name;
};

struct NameProbe {
    NodeId node;
    QStringView name;
};

struct NameHash {
    using is_transparent = void;
    size_t operator()(const NameKey& key) const { return hash(key.node, key.name); }
    size_t operator()(const NameProbe& key) const { return hash(key.node, key.name); }

    static size_t hash(NodeId node, QStringView name) {
        // Folds whole code points, as the case-insensitive comparison does.
        size_t h = std::hash<NodeId>{}(node);
        for (qsizetype i = 0; i < name.size(); ++i) {
            char32_t c = name[i].unicode();
            if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(name[i], name[i + 1]);
                ++i;
            }
            h = (h ^ QChar::toCaseFolded(c)) * 1099511628211u;
        }
        return h;
    }
};

struct NameEqual {
    using is_transparent = void;
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
        return a.node == b.node && QStringView(a.name).compare(QStringView(b.name), Qt::CaseInsensitive) == 0;
    }
};

template <class T>
using NameIndex = std::unordered_map<NameKey, T, NameHash, NameEqual>;

QList<QStringView> pathParts(const QString& path) { return QStringView(path).split(u'\\', Qt::SkipEmptyParts); }

// A string value carries no number and a DWORD no text, so that equal
// values compare equal however the caller built them.
RegistryValue normalized(RegistryValue value) {
    if (value.kind == RegistryValue::Kind::String)
        value.dword = 0;
    else
        value.text.clear();
    return value;
}

}  // namespace

std::optional<Hive> hiveFromName(QStringView name) {
    for (const HiveNames& names : kHiveNames) {
        if (name.compare(names.longName, Qt::CaseInsensitive) == 0 ||
            name.compare(names.shortName, Qt::CaseInsensitive) == 0)
            return names.hive;
    }
    return std::nullopt;
}

QString hiveLongName(Hive hive) { return kHiveNames[static_cast<size_t>(hive)].longName.toString(); }

// Nodes live in one vector and refer to each other by index, so copying a
// tree is a plain copy and no operation recurses on the depth of the keys.
// The first four nodes are the hive roots, in the order of `Hive`.
struct RegistryTree::Data {
    std::vector<Node> nodes = std::vector<Node>(kHiveNames.size());
    std::vector<NodeId> freeNodes;
    NameIndex<NodeId> childIndex;
    NameIndex<size_t> valueIndex;

    static NodeId root(Hive hive) { return static_cast<NodeId>(hive); }

    NodeId child(NodeId parent, QStringView name) const {
        const auto found = childIndex.find(NameProbe{parent, name});
        return found == childIndex.end() ? kNoNode : found->second;
    }

    NodeId addChild(NodeId parent, QString name) {
        NodeId id;
        if (freeNodes.empty()) {
            id = static_cast<NodeId>(nodes.size());
            nodes.emplace_back();
        } else {
            id = freeNodes.back();
            freeNodes.pop_back();
        }
        childIndex.emplace(NameKey{parent, name}, id);
        nodes[parent].children.push_back(id);
        nodes[id].name = std::move(name);
        nodes[id].parent = parent;
        return id;
    }

    NodeId find(Hive hive, const QString& path) const {
        NodeId id = root(hive);
        for (QStringView part : pathParts(path)) {
            id = child(id, part);
            if (id == kNoNode) break;
        }
        return id;
    }

    NodeId ensure(Hive hive, const QString& path) {
        NodeId id = root(hive);
        for (QStringView part : pathParts(path)) {
            const NodeId next = child(id, part);
            id = next != kNoNode ? next : addChild(id, part.toString());
        }
        return id;
    }

    void remove(NodeId id) {
        std::erase(nodes[nodes[id].parent].children, id);
        std::vector<NodeId> pending{id};
        while (!pending.empty()) {
            const NodeId next = pending.back();
            pending.pop_back();
            Node& node = nodes[next];
            pending.insert(pending.end(), node.children.begin(), node.children.end());
            childIndex.erase(childIndex.find(NameProbe{node.parent, node.name}));
            for (const NamedValue& entry : node.values) valueIndex.erase(valueIndex.find(NameProbe{next, entry.name}));
            node = Node{};
            freeNodes.push_back(next);
        }
    }

    const NamedValue* findValue(NodeId id, const QString& name) const {
        const auto found = valueIndex.find(NameProbe{id, name});
        return found == valueIndex.end() ? nullptr : &nodes[id].values[found->second];
    }
};

RegistryTree::RegistryTree() : d(std::make_unique<Data>()) {}
RegistryTree::~RegistryTree() = default;
RegistryTree::RegistryTree(const RegistryTree& other) : d(std::make_unique<Data>(*other.d)) {}
RegistryTree& RegistryTree::operator=(const RegistryTree& other) {
    if (this != &other) d = std::make_unique<Data>(*other.d);
    return *this;
}
RegistryTree::RegistryTree(RegistryTree&&) noexcept = default;
RegistryTree& RegistryTree::operator=(RegistryTree&&) noexcept = default;

bool RegistryTree::keyExists(Hive hive, const QString& path) const { return d->find(hive, path) != kNoNode; }

void RegistryTree::createKey(Hive hive, const QString& path) { d->ensure(hive, path); }

bool RegistryTree::deleteKey(Hive hive, const QString& path) {
    const NodeId id = d->find(hive, path);
    // A hive's root cannot go; an empty path here is more likely a mistake
    // than a wish to empty the hive.
    if (id == kNoNode || id == Data::root(hive)) return false;
    d->remove(id);
    return true;
}

QStringList RegistryTree::subkeys(Hive hive, const QString& path) const {
    QStringList names;
    const NodeId id = d->find(hive, path);
    if (id == kNoNode) return names;
    for (NodeId child : d->nodes[id].children) names.append(d->nodes[child].name);
    return names;
}

std::optional<RegistryValue> RegistryTree::value(Hive hive, const QString& path, const QString& name) const {
    const NodeId id = d->find(hive, path);
    if (id == kNoNode) return std::nullopt;
    const NamedValue* found = d->findValue(id, name);
    if (!found) return std::nullopt;
    return found->value;
}

void RegistryTree::setValue(Hive hive, const QString& path, const QString& name, RegistryValue value) {
    const NodeId id = d->ensure(hive, path);
    std::vector<NamedValue>& values = d->nodes[id].values;
    const auto found = d->valueIndex.find(NameProbe{id, name});
    if (found != d->valueIndex.end()) {
        values[found->second].value = normalized(std::move(value));
        return;
    }
    d->valueIndex.emplace(NameKey{id, name}, values.size());
    values.push_back({name, normalized(std::move(value))});
}

bool RegistryTree::deleteValue(Hive hive, const QString& path, const QString& name) {
    const NodeId id = d->find(hive, path);
    if (id == kNoNode) return false;
    const auto found = d->valueIndex.find(NameProbe{id, name});
    if (found == d->valueIndex.end()) return false;
    std::vector<NamedValue>& values = d->nodes[id].values;
    const size_t index = found->second;
    d->valueIndex.erase(found);
    values.erase(values.begin() + static_cast<qsizetype>(index));
    for (size_t i = index; i < values.size(); ++i) d->valueIndex.find(NameProbe{id, values[i].name})->second = i;
    return true;
}

QStringList RegistryTree::valueNames(Hive hive, const QString& path) const {
    QStringList names;
    const NodeId id = d->find(hive, path);
    if (id == kNoNode) return names;
    for (const NamedValue& entry : d->nodes[id].values) names.append(entry.name);
    return names;
}

QString RegistryStore::defaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("KY_REGISTRY");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kyreport/registry.reg");
}

Result<RegistryTree> RegistryStore::read() const {
    QFile file(path_);
    if (!file.exists()) return RegistryTree{};
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path_, file.errorString()));
    const QByteArray bytes = file.read(kReadLimit);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read %1: %2").arg(path_, file.errorString()));
    auto tree = RegistryTree::fromRegText(bytes);
    if (!tree) return fail(QStringLiteral("%1: %2").arg(path_, tree.error()));
    return tree;
}

namespace {

QString lockErrorText(QLockFile::LockError error, int timeoutMs) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another writer has held it for more than %1 ms").arg(timeoutMs);
    case QLockFile::PermissionError:
        return QStringLiteral("permission denied");
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("unknown error");
}

}  // namespace

Status RegistryStore::update(const std::function<void(RegistryTree&)>& change) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("cannot create folder %1").arg(folder));
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeoutMs_))
        return fail(QStringLiteral("cannot lock %1: %2").arg(path_, lockErrorText(lock.error(), lockTimeoutMs_)));

    auto current = read();
    // A file we cannot parse may hold someone's settings: leave it alone.
    if (!current) return fail(current.error());
    RegistryTree tree = std::move(current).value();
    change(tree);
    const QByteArray text = tree.toRegText();
    // Never write a file that the next read would refuse (a line break in a
    // name, a path over the limits): that would lock every reader out.
    if (auto check = RegistryTree::fromRegText(text); !check)
        return fail(QStringLiteral("cannot write %1: the changed registry would not read back (%2)")
                        .arg(path_, check.error()));

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(path_, file.errorString()));
    if (file.write(text) != text.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path_, file.errorString()));
    return {};
}

}  // namespace ky
