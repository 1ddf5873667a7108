#pragma once
// A recording surface with the fixed text metrics, and the drawing calls it
// kept. The picture surface has 15 twips per pixel (a screen at 100 %), the
// printer 2.4 (600 dots per inch).

#include "report/engine/surface/recording_surface.h"

#include <vector>

namespace ky {

class RecordingFixture {
public:
    explicit RecordingFixture(RecordingSurface::Mode mode = RecordingSurface::Mode::Picture,
                              RecordingSurface::PictureSizer sizer = {})
        : surface(metrics, mode, std::move(sizer)) {}

    std::vector<DrawOp> ops() const { return surface.pages().empty() ? std::vector<DrawOp>{} : surface.pages().back().ops; }

    std::vector<DrawOp> ops(DrawOp::Kind kind) const {
        std::vector<DrawOp> found;
        for (const DrawOp& op : ops())
            if (op.kind == kind) found.push_back(op);
        return found;
    }

    FixedTextMetrics metrics;
    RecordingSurface surface;
};

}  // namespace ky
