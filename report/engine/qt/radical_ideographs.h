#pragma once
// CJK radicals and strokes and the unified ideographs they stand for.

namespace ky {

// The unified ideograph a radical or stroke (U+2E80..U+31EF) is equivalent
// to, or 0 when `code` is none of them (or its ideograph needs more than 16 bits).
char16_t equivalentIdeograph(char16_t code);

}  // namespace ky
