#pragma once
// Deterministic laboratory report data of any size, as the server sends it:
// patients as the main record set, each with about 20 results as a child
// array, Chinese and Latin text, numbers, booleans and empty values.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace ky::bench {

inline QByteArray generateLabData(qsizetype targetBytes, std::uint32_t startState = 20261210) {
    std::uint32_t state = startState;
    auto next = [&state](std::uint32_t bound) {
        state = state * 1664525u + 1013904223u;  // a plain LCG: the same bytes on every machine
        return (state >> 8) % bound;
    };
    static const QStringList surnames = {QString::fromUtf16(u"李"), QString::fromUtf16(u"王"), QString::fromUtf16(u"张"), QString::fromUtf16(u"刘"), QString::fromUtf16(u"陈"), QString::fromUtf16(u"杨"), QString::fromUtf16(u"赵"), QString::fromUtf16(u"黄")};
    static const QStringList given = {QString::fromUtf16(u"明"), QString::fromUtf16(u"芳"), QString::fromUtf16(u"伟"), QString::fromUtf16(u"娜"), QString::fromUtf16(u"强"), QString::fromUtf16(u"静"), QString::fromUtf16(u"磊"), QString::fromUtf16(u"敏")};
    static const QStringList tests = {QString::fromUtf16(u"白细胞计数 WBC"), QString::fromUtf16(u"红细胞计数 RBC"), QString::fromUtf16(u"血红蛋白 HGB"), QString::fromUtf16(u"红细胞压积 HCT"),
                                      QString::fromUtf16(u"平均红细胞体积 MCV"), QString::fromUtf16(u"血小板计数 PLT"), QString::fromUtf16(u"中性粒细胞 NEUT%"),
                                      QString::fromUtf16(u"淋巴细胞 LYMPH%"), QString::fromUtf16(u"单核细胞 MONO%"), QString::fromUtf16(u"嗜酸性粒细胞 EO%")};
    static const QStringList units = {QString::fromUtf16(u"10^9/L"), QString::fromUtf16(u"10^12/L"), QString::fromUtf16(u"g/L"), QString::fromUtf16(u"%"), QString::fromUtf16(u"fL")};

    // Plain JSON, so that a strict parser reads the same bytes.
    QByteArray out = QStringLiteral("[{\"K\":\"main\",\"P\":\"\",\"D\":\"病人\",\"U\":\"\",\"L\":\"\",\"F\":\"\",\"R\":[").toUtf8();
    out.reserve(targetBytes + 4096);
    for (int patient = 1; out.size() < targetBytes; ++patient) {
        if (patient > 1) out += ',';
        const QString name = surnames[next(8)] + given[next(8)] + given[next(8)];
        out += QStringLiteral("{\"PatientID\":%1,\"Name\":\"%2\",\"Sex\":\"%3\",\"Age\":%4,\"Urgent\":%5,"
                              "\"Ward\":\"%6\",\"Note\":\"\",\"Items\":[")
                   .arg(patient)
                   .arg(name, next(2) ? QString::fromUtf16(u"男") : QString::fromUtf16(u"女"))
                   .arg(18 + next(70))
                   .arg(next(10) == 0 ? QString::fromUtf16(u"true") : QString::fromUtf16(u"false"))
                   .arg(QStringLiteral("Ward %1").arg(next(30)))
                   .toUtf8();
        const int results = 15 + static_cast<int>(next(11));
        for (int r = 0; r < results; ++r) {
            if (r > 0) out += ',';
            out += QStringLiteral("{\"Test\":\"%1\",\"Result\":%2,\"Unit\":\"%3\",\"Flag\":\"%4\",\"Abnormal\":%5}")
                       .arg(tests[next(10)])
                       .arg(QString::number(next(100000) / 100.0, 'f', 2))
                       .arg(units[next(5)], next(5) == 0 ? QString::fromUtf16(u"H") : QString::fromUtf16(u""))
                       .arg(next(6) == 0 ? QString::fromUtf16(u"true") : QString::fromUtf16(u"false"))
                       .toUtf8();
        }
        out += "]}";
    }
    out += "]}]";
    return out;
}

}  // namespace ky::bench
