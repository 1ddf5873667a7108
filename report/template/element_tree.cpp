#include "report/template/element_tree.h"

#include "report/template/elements/child_report_model.h"

#include <algorithm>

namespace ky {

namespace {

const char* const kWrittenCollections[] = {"Labels", "TextBoxs", "Lines", "Images", "Boxs", "Checks", "ChildReports"};

const RecordKind* recordKindOf(ElementKind kind) {
    for (const RecordKind& k : elementRecordKinds())
        if (k.kind == kind) return &k;
    return nullptr;
}

// The status texts of each group of collections, as the window shows them.
struct LoadStep {
    const char16_t* text;
    std::vector<ElementKind> kinds;
};

const std::vector<LoadStep>& loadSteps() {
    static const std::vector<LoadStep> steps = {
        {u"加载标签....", {ElementKind::Label}},
        {u"加载复选框....", {ElementKind::Check}},
        {u"加载文本框....", {ElementKind::TextBox}},
        {u"加载其它内容....", {ElementKind::Line, ElementKind::Box, ElementKind::Image}},
    };
    return steps;
}

}  // namespace

void appendEmptyCollections(pugi::xml_node controls) {
    for (const char* name : kWrittenCollections) controls.append_child(name);
}

void ElementTreeReader::status(const QString& text) {
    if (status_) status_->showStatus(text);
}

Status ElementTreeReader::read(pugi::xml_node controls, ElementContainer& container, const Placement& placement) {
    return readLevel(controls, container, placement, 0);
}

Status ElementTreeReader::readLevel(pugi::xml_node controls, ElementContainer& container, const Placement& placement,
                                    int depth) {
    if (!controls) return {};
    for (const LoadStep& step : loadSteps()) {
        const QString text = QString::fromUtf16(step.text);
        status(text);
        for (ElementKind kind : step.kinds) {
            const RecordKind* recordKind = recordKindOf(kind);
            if (!recordKind) continue;
            for (pugi::xml_node record : controls.child(recordKind->collection).children(recordKind->record)) {
                if (!record.first_child()) continue;  // a record without fields creates nothing
                auto element = recordKind->create();
                RecordReader reader(record);
                element->read(reader, placement);
                if (!reader.ok()) return fail(reader.detail());
                container.add(std::move(element));
            }
        }
        status(text + QStringLiteral("完成!"));
    }
    status(QStringLiteral("加载列表...."));
    if (Status s = readChildReports(controls.child("ChildReports"), container, placement, depth); !s) return s;
    status(QStringLiteral("加载列表....完成!"));
    return {};
}

Status ElementTreeReader::readChildReports(pugi::xml_node collection, ElementContainer& container,
                                           const Placement& placement, int depth) {
    for (pugi::xml_node record : collection.children("ChildReport")) {
        const pugi::xml_node main = record.child("ChildMain");
        RecordReader reader(record);
        if (!main || reader.number("Width", 0) == 0) continue;  // skipped with everything inside
        if (depth >= kMaxChildReportDepth)
            return fail(QStringLiteral("child reports nest deeper than %1 levels").arg(kMaxChildReportDepth));
        auto frame = std::make_unique<ChildReportModel>();
        frame->index = ++highest_;
        frame->read(reader, placement);
        if (!reader.ok()) return fail(reader.detail());
        RecordReader mainReader(main);
        frame->mainWidth = mainReader.number("Width", 0);
        frame->mainHeight = mainReader.number("Height", 0);
        ChildReportModel& added = container.add(std::move(frame));
        // The main area's elements are relative to it: no offset inside.
        if (Status s = readLevel(main.child("Controls"), added.main, {}, depth + 1); !s) return s;
    }
    return {};
}

namespace {

void writeChildReport(pugi::xml_node collection, const ChildReportModel& frame, const QString& parentListName, double dx,
                      double dy, int depth);

void writeLevel(pugi::xml_node controls, const ElementContainer& container, const QString& parentListName, double dx,
                double dy, int depth) {
    if (container.deleted) return;
    for (const auto& element : container.elements) {
        if (element->deleted) continue;
        if (element->kind() == ElementKind::ChildReport) {
            writeChildReport(controls.child("ChildReports"), static_cast<const ChildReportModel&>(*element), parentListName,
                             dx, dy, depth);
            continue;
        }
        const RecordKind* kind = recordKindOf(element->kind());
        if (!kind) continue;
        auto writer = RecordWriter::fresh(controls.child(kind->collection).append_child(kind->record));
        element->write(writer, dx, dy);
    }
}

void writeChildReport(pugi::xml_node collection, const ChildReportModel& frame, const QString& parentListName, double dx,
                      double dy, int depth) {
    // Reading refuses deeper nesting, so a model this deep was built in memory; cut it off rather than overflow.
    if (depth >= kMaxChildReportDepth) return;
    auto writer = RecordWriter::fresh(collection.append_child("ChildReport"));
    writer.integer("ChildReportIndex", frame.index);
    frame.write(writer, dx, dy);
    writer.text("ListName", frame.shortName());
    writer.text("ParentListName", parentListName);
    pugi::xml_node main = writer.record().append_child("ChildMain");
    auto mainWriter = RecordWriter::fresh(main);
    mainWriter.number("Width", frame.mainWidth);
    mainWriter.number("Height", frame.mainHeight);
    pugi::xml_node controls = main.append_child("Controls");
    appendEmptyCollections(controls);
    writeLevel(controls, frame.main, frame.shortName(), 0, 0, depth + 1);
}

}  // namespace

void writeElementTree(pugi::xml_node controls, const ElementContainer& container, const QString& parentListName, double dx,
                      double dy) {
    writeLevel(controls, container, parentListName, dx, dy, 0);
}

}  // namespace ky
