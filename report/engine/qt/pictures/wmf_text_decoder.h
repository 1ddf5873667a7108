#pragma once
// A WMF's strings and face names are bytes in the code page of the font's
// character set: GB2312 text (set 134) reads as GB18030, its superset, and
// sets without a code page of their own read as Windows-1252.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <string>

namespace ky {

class WmfTextDecoder {
public:
    QString decode(QByteArrayView bytes, int charset);

private:
    std::map<std::string, QStringDecoder> decoders_;  // by code page: opening one costs more than a string
};

}  // namespace ky
