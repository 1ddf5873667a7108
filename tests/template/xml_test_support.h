#pragma once
// Helpers the template tests share.

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace ky::test {

// The names of a node's children, in document order: a record's field order.
inline QStringList childNames(pugi::xml_node node) {
    QStringList names;
    for (pugi::xml_node child : node.children()) names.append(QString::fromUtf8(child.name()));
    return names;
}

// Checks a table of property rows (each with a name, a reader of the value as
// text, and the three default columns) against a freshly placed element, one
// built from stored-property defaults, and one read from a record.
template <class Rows, class Model>
void expectDefaultColumns(const Rows& rows, const Model& fresh, const Model& stored, const Model& read) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.property);
        EXPECT_EQ(row.value(fresh), QString::fromUtf16(row.newElement));
        EXPECT_EQ(row.value(stored), QString::fromUtf16(row.stored));
        EXPECT_EQ(row.value(read), QString::fromUtf16(row.reading));
    }
}

}  // namespace ky::test
