#pragma once
// Which picture file a run of bytes is, told from its first bytes. Images and
// page backgrounds hold whole picture files of five kinds; anything else is
// not a picture the element can show, so a template carrying it fails to load.

#include <QByteArrayView>

namespace ky {

enum class PictureFormat {
    None,          // none of the kinds below, or cut off before its header ends
    Bmp,           // "BM" file header and a known bitmap information header
    Jpeg,          // start-of-image marker followed by another marker
    Gif,           // "GIF87a" or "GIF89a" and the logical screen descriptor
    Emf,           // enhanced metafile: an EMR_HEADER record with the " EMF" signature
    PlaceableWmf,  // Windows metafile behind the 22-byte placeable header
    Wmf,           // Windows metafile starting with its own header
};

// Reads only inside `bytes`; any input gives an answer.
PictureFormat sniffPictureFormat(QByteArrayView bytes);

inline bool isPicture(QByteArrayView bytes) { return sniffPictureFormat(bytes) != PictureFormat::None; }

}  // namespace ky
