#pragma once
// Helpers the template tests share.

#include <QString>
#include <QStringList>

#include <pugixml.hpp>

namespace ky::test {

// The names of a node's children, in document order: a record's field order.
inline QStringList childNames(pugi::xml_node node) {
    QStringList names;
    for (pugi::xml_node child : node.children()) names.append(QString::fromUtf8(child.name()));
    return names;
}

}  // namespace ky::test
