#include "report/data/record_set_stream.h"

#include <QtEndian>

#include <cstring>

namespace ky {

namespace {

constexpr char kMagic[4] = {'K', 'Y', 'R', 'S'};
constexpr quint16 kVersion = 1;
// Far beyond any report's needs; bounds the work a corrupt header can cause.
constexpr quint32 kMaxFields = 4096;

class Writer {
public:
    template <class T>
    void put(T value) {
        char raw[sizeof(T)];
        qToLittleEndian(value, raw);
        out.append(raw, sizeof(T));
    }
    void putText(const QString& text) {
        put<quint32>(static_cast<quint32>(text.size()));
        for (QChar c : text) put<quint16>(c.unicode());
    }
    void putBytes(const QByteArray& bytes) {
        put<quint32>(static_cast<quint32>(bytes.size()));
        out.append(bytes);
    }
    QByteArray out;
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : in_(bytes) {}

    template <class T>
    bool get(T& value) {
        if (remaining() < static_cast<qsizetype>(sizeof(T))) return false;
        value = qFromLittleEndian<T>(in_.data() + pos_);
        pos_ += sizeof(T);
        return true;
    }
    bool getText(QString& text) {
        quint32 length = 0;
        if (!get(length) || remaining() / 2 < length) return false;
        text.resize(length);
        for (quint32 i = 0; i < length; ++i) {
            quint16 unit = 0;
            get(unit);
            text[i] = QChar(unit);
        }
        return true;
    }
    bool getBytes(QByteArray& bytes) {
        quint32 length = 0;
        if (!get(length) || remaining() < length) return false;
        bytes = QByteArray(in_.data() + pos_, length);
        pos_ += length;
        return true;
    }
    qsizetype remaining() const { return in_.size() - pos_; }
    qsizetype position() const { return pos_; }

private:
    QByteArrayView in_;
    qsizetype pos_ = 0;
};

void putValue(Writer& w, const Value& v) {
    w.put<quint8>(static_cast<quint8>(v.kind()));
    switch (v.kind()) {
    case Value::Kind::Empty: case Value::Kind::Null: break;
    case Value::Kind::Bool: w.put<quint8>(*v.get<bool>() ? 1 : 0); break;
    case Value::Kind::Int16: w.put<qint16>(*v.get<std::int16_t>()); break;
    case Value::Kind::Int32: w.put<qint32>(*v.get<std::int32_t>()); break;
    case Value::Kind::Int64: w.put<qint64>(*v.get<std::int64_t>()); break;
    case Value::Kind::Single: w.put<float>(*v.get<float>()); break;
    case Value::Kind::Double: w.put<double>(*v.get<double>()); break;
    case Value::Kind::Currency: w.put<qint64>(v.get<Currency>()->scaled); break;
    case Value::Kind::Decimal: w.putText(v.get<Decimal>()->toString()); break;
    case Value::Kind::Date: w.put<double>(v.get<OleDate>()->days); break;
    case Value::Kind::Text: w.putText(*v.get<QString>()); break;
    case Value::Kind::Bytes: w.putBytes(*v.get<QByteArray>()); break;
    }
}

template <class T>
bool getAs(Reader& r, Value& v) {
    T x{};
    if (!r.get(x)) return false;
    v = Value(x);
    return true;
}

bool getValue(Reader& r, Value& v) {
    quint8 kind = 0;
    if (!r.get(kind)) return false;
    switch (static_cast<Value::Kind>(kind)) {
    case Value::Kind::Empty: v = Value(); return true;
    case Value::Kind::Null: v = Value::null(); return true;
    case Value::Kind::Bool: {
        quint8 b = 0;
        if (!r.get(b) || b > 1) return false;
        v = Value(b == 1);
        return true;
    }
    case Value::Kind::Int16: return getAs<std::int16_t>(r, v);
    case Value::Kind::Int32: return getAs<std::int32_t>(r, v);
    case Value::Kind::Int64: return getAs<long long>(r, v);
    case Value::Kind::Single: return getAs<float>(r, v);
    case Value::Kind::Double: return getAs<double>(r, v);
    case Value::Kind::Currency: {
        qint64 scaled = 0;
        if (!r.get(scaled)) return false;
        v = Value(Currency{scaled});
        return true;
    }
    case Value::Kind::Decimal: {
        QString text;
        if (!r.getText(text)) return false;
        const auto d = Decimal::parse(text);
        if (!d) return false;
        v = Value(*d);
        return true;
    }
    case Value::Kind::Date: {
        double days = 0;
        if (!r.get(days)) return false;
        v = Value(OleDate{days});
        return true;
    }
    case Value::Kind::Text: {
        QString text;
        if (!r.getText(text)) return false;
        v = Value(std::move(text));
        return true;
    }
    case Value::Kind::Bytes: {
        QByteArray bytes;
        if (!r.getBytes(bytes)) return false;
        v = Value(std::move(bytes));
        return true;
    }
    }
    return false;
}

}  // namespace

QByteArray saveRecordSet(const RecordSet& records) {
    Writer w;
    w.out.append(kMagic, sizeof kMagic);
    w.put<quint16>(kVersion);
    w.put<quint32>(static_cast<quint32>(records.fieldCount()));
    for (int f = 0; f < records.fieldCount(); ++f) {
        const FieldInfo& info = records.field(f);
        w.putText(info.name);
        w.put<qint32>(info.type);
        w.put<qint32>(info.definedSize);
        w.put<quint8>(info.nullable ? 1 : 0);
    }
    w.put<quint32>(static_cast<quint32>(records.totalRowCount()));
    for (qsizetype row = 0; row < records.totalRowCount(); ++row)
        for (int f = 0; f < records.fieldCount(); ++f) putValue(w, records.cell(row, f));
    return w.out;
}

Result<RecordSet> loadRecordSet(QByteArrayView bytes) {
    Reader r(bytes);
    auto broken = [&](const char* what) {
        return fail(QStringLiteral("not a saved record set: %1 at byte %2").arg(QString::fromLatin1(what)).arg(r.position()));
    };
    if (bytes.size() < 6 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return broken("unknown format");
    char magic[4];
    for (char& c : magic) r.get(c);
    quint16 version = 0;
    r.get(version);
    if (version != kVersion) return broken("unsupported version");

    RecordSet records;
    quint32 fieldCount = 0;
    if (!r.get(fieldCount)) return broken("truncated field count");
    if (fieldCount > kMaxFields) return broken("too many fields");
    for (quint32 f = 0; f < fieldCount; ++f) {
        FieldInfo info;
        qint32 type = 0, size = 0;
        quint8 nullable = 0;
        if (!r.getText(info.name) || !r.get(type) || !r.get(size) || !r.get(nullable) || nullable > 1)
            return broken("truncated field description");
        info.type = type;
        info.definedSize = size;
        info.nullable = nullable == 1;
        if (Status s = records.appendField(std::move(info)); !s) return fail(QStringLiteral("not a saved record set: %1").arg(s.error()));
    }
    quint32 rowCount = 0;
    if (!r.get(rowCount)) return broken("truncated row count");
    // Every value takes at least one byte: a count the bytes cannot hold is a lie.
    if (rowCount > 0 && (fieldCount == 0 || static_cast<quint64>(rowCount) * fieldCount > static_cast<quint64>(r.remaining())))
        return broken("row count larger than the data");
    records.open();
    for (auto& column : records.columns_) column.values.reserve(rowCount);
    for (quint32 row = 0; row < rowCount; ++row) {
        for (auto& column : records.columns_) {
            Value v;
            if (!getValue(r, v)) return broken("malformed value");
            column.values.push_back(std::move(v));
        }
    }
    if (r.remaining() != 0) return broken("trailing bytes");
    records.rowCount_ = rowCount;
    records.position_ = 0;
    return records;
}

}  // namespace ky
