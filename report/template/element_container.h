#pragma once
// Where elements sit: the page, or a child report's main area. Elements
// keep their creation order, which is the order they are written in.

#include "report/template/element_model.h"

#include <memory>
#include <vector>

namespace ky {

struct ElementContainer {
    std::vector<std::unique_ptr<ElementModel>> elements;
    bool deleted = false;  // a main area whose child report was deleted

    template <class Model>
    Model& add(std::unique_ptr<Model> element) {
        Model& added = *element;
        elements.push_back(std::move(element));
        return added;
    }
};

}  // namespace ky
