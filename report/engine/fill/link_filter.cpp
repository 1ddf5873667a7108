#include "report/engine/fill/link_filter.h"

#include "report/engine/fill/element_record.h"

namespace ky {

namespace {

// No child row carries this key: a parent past its last row shows none.
const QString kNoRow = QStringLiteral("-23212132312");

QString linkValue(const RpdRecordSetPtr& parent, const QString& parentKey, bool quoted, bool parentAtEnd) {
    if (parentAtEnd) return kNoRow;
    const Value value = currentValue(*parent->recordSet(), parentKey);
    if (value.isNullOrEmpty()) return quoted ? QString() : QStringLiteral("0");
    QString text = value.toText();
    // A quote inside the key is doubled, so that the filter stays one text.
    if (quoted) text.replace(u'\'', QStringLiteral("''"));
    return text;
}

}  // namespace

RpdRecordSetPtr applyLinkFilter(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node node, LinkUse use) {
    const ElementRecord report(node);
    const RpdRecordSetPtr child =
        context.data.FindRecordSet(report.text("ChildRecordSetIndex", use == LinkUse::Drawing ? QStringLiteral("0") : QString()));
    if (!child || !child->recordSet()) return nullptr;
    RecordSet& rows = *child->recordSet();
    const QString extra = report.text("ChildRecordSetFilter");
    const QString parentKey = child->LinkParentKey(), childKey = child->LinkChildKey();
    const bool parentKnown = parent && parent->recordSet();
    bool linked = !parentKey.isEmpty() && !childKey.isEmpty() && parentKnown;
    if (use != LinkUse::NestedCounting) linked = linked && child->HasField(childKey) && parent->HasField(parentKey);
    QString filter = extra;
    if (linked) {
        const int field = rows.fieldIndex(childKey);
        const bool quoted = field < 0 || !isNumericFieldType(rows.field(field).type);
        const QString q = quoted ? QStringLiteral("'") : QString();
        const bool parentAtEnd = use == LinkUse::Drawing && atEnd(parent);
        filter = childKey + QStringLiteral(" = ") + q + linkValue(parent, parentKey, quoted, parentAtEnd) + q + QStringLiteral("  ");
        if (!extra.trimmed().isEmpty()) filter += QStringLiteral(" and ") + extra;
    }
    applyView(rows, filter, use == LinkUse::Drawing ? std::optional<QString>(report.text("OrderBy")) : std::nullopt);
    return child;
}

void applyView(RecordSet& rows, const QString& filter, const std::optional<QString>& sort) {
    // Every copy of a page filters again: the same filter keeps its view
    // (a long child report would otherwise rebuild it for every copy).
    if (rows.filter() != filter) {
        // A filter that cannot be read shows no row rather than the last parent's rows.
        if (!rows.setFilter(filter) && rows.fieldCount() > 0) {
            const QString field = u'[' + rows.field(0).name + u']';
            static_cast<void>(rows.setFilter(field + QStringLiteral(" IS NULL AND ") + field + QStringLiteral(" IS NOT NULL")));
        }
    }
    if (sort && rows.sort() != *sort) static_cast<void>(rows.setSort(*sort));  // a sort that fails is ignored
    rows.moveFirst();
}

}  // namespace ky
