#pragma once
// Reading a Controls element into a container of element models, and
// writing a container back, child reports recursively.

#include "report/template/element_container.h"
#include "report/template/element_model.h"
#include "platform/result.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include <pugixml.hpp>

namespace ky {

class ChildReportModel;

// Where the progress texts of loading go (the window's status bar).
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void showStatus(const QString& text) = 0;
};

// One element kind other than the child report: its collection and record tags.
struct RecordKind {
    ElementKind kind;
    const char* collection;
    const char* record;
    std::function<std::unique_ptr<ElementModel>()> create;
};

// Labels, Checks, TextBoxs, Lines, Boxs, Images: the order records are read in.
const std::vector<RecordKind>& elementRecordKinds();

// Child reports nest to any depth in the format; deeper than this is a load
// error, which keeps reading and writing off the end of the stack.
inline constexpr int kMaxChildReportDepth = 64;

// The seven empty collections of a Controls element, in written order.
void appendEmptyCollections(pugi::xml_node controls);

class ElementTreeReader {
public:
    // `status` may be null. Child reports get indexes above `highestIndex`.
    explicit ElementTreeReader(StatusSink* status, int highestIndex = 0) : status_(status), highest_(highestIndex) {}

    // Reads every record of `controls` into `container`; nothing when
    // `controls` is absent. Stops at the first record that fails to load.
    Status read(pugi::xml_node controls, ElementContainer& container, const Placement& placement = {});
    int highestIndex() const { return highest_; }

private:
    Status readLevel(pugi::xml_node controls, ElementContainer& container, const Placement& placement, int depth);
    Status readChildReports(pugi::xml_node collection, ElementContainer& container, const Placement& placement, int depth);
    void status(const QString& text);

    StatusSink* status_;
    int highest_;
};

// Writes the elements of `container` that are not marked deleted into the
// collections of `controls` (which appendEmptyCollections made), in creation
// order. `parentListName` is "Pic_Page" for the page, or the enclosing child
// report's short name.
void writeElementTree(pugi::xml_node controls, const ElementContainer& container, const QString& parentListName,
                      double dx = 0, double dy = 0);

inline const QString kPageSurfaceName = QStringLiteral("Pic_Page");

}  // namespace ky
