// The table of element kinds and their template records.

#include "report/template/element_tree.h"
#include "report/template/elements/box_model.h"
#include "report/template/elements/check_box_model.h"
#include "report/template/elements/image_model.h"
#include "report/template/elements/label_model.h"
#include "report/template/elements/line_model.h"
#include "report/template/elements/text_box_model.h"

namespace ky {

namespace {

template <class Model>
std::unique_ptr<ElementModel> create() {
    return std::make_unique<Model>();
}

}  // namespace

const std::vector<RecordKind>& elementRecordKinds() {
    static const std::vector<RecordKind> kinds = {
        {ElementKind::Label, "Labels", "Label", create<LabelModel>},
        {ElementKind::Check, "Checks", "Check", create<CheckBoxModel>},
        {ElementKind::TextBox, "TextBoxs", "Textbox", create<TextBoxModel>},
        {ElementKind::Line, "Lines", "Line", create<LineModel>},
        {ElementKind::Box, "Boxs", "Box", create<BoxModel>},
        {ElementKind::Image, "Images", "Image", create<ImageModel>},
    };
    return kinds;
}

}  // namespace ky
