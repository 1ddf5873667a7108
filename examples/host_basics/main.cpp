// A host of the report component that links only the runtime and the data
// types: it creates the report object by ProgID, listens to its events,
// hands over two linked record sets and a template, and shows what the
// component made of them.

#include "report/api/ky_report.h"

#include <QCoreApplication>

#include <cstdio>

using namespace ky;

namespace {

void say(const QString& text) { std::printf("%s\n", text.toLocal8Bit().constData()); }

RecordSetPtr patients() {
    auto rs = std::make_shared<RecordSet>();
    (void)rs->appendField({QStringLiteral("PatientID"), fieldtype::Double, 0, true});
    (void)rs->appendField({QStringLiteral("Name"), fieldtype::VarWChar, 255, true});
    (void)rs->appendField({QStringLiteral("Urgent"), fieldtype::Boolean, 0, true});
    rs->open();
    const struct { double id; const char16_t* name; bool urgent; } rows[] = {{1, u"李明", false}, {2, u"王芳", true}};
    for (const auto& row : rows) {
        (void)rs->addNew();
        (void)rs->setValue(0, row.id);
        (void)rs->setValue(1, QString::fromUtf16(row.name));
        (void)rs->setValue(2, row.urgent);
    }
    return rs;
}

RecordSetPtr results() {
    auto rs = std::make_shared<RecordSet>();
    (void)rs->appendField({QStringLiteral("PatientID"), fieldtype::Double, 0, true});
    (void)rs->appendField({QStringLiteral("Test"), fieldtype::VarWChar, 255, true});
    (void)rs->appendField({QStringLiteral("Result"), fieldtype::Double, 0, true});
    rs->open();
    const struct { double id; const char16_t* test; double value; } rows[] = {
        {1, u"血红蛋白", 132}, {1, u"白细胞", 6.1}, {2, u"血红蛋白", 118}, {2, u"血小板", 250}, {2, u"白细胞", 11.4}};
    for (const auto& row : rows) {
        (void)rs->addNew();
        (void)rs->setValue(0, row.id);
        (void)rs->setValue(1, QString::fromUtf16(row.test));
        (void)rs->setValue(2, row.value);
    }
    return rs;
}

class PrintingSink : public IRPDEvents {
    void Quit() override { say(QStringLiteral("event: Quit")); }
    void FormOpenFinished() override { say(QStringLiteral("event: FormOpenFinished")); }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    com::ComponentRuntime runtime{RegistryStore(RegistryStore::defaultPath())};

    auto rpd = runtime.create<IRPD>(QStringLiteral("Ky_Qm_NEWRPD.RPD"));
    if (!rpd) {
        say(QStringLiteral("cannot create the report object: ") + rpd.error());
        return 1;
    }
    IRPD& report = *rpd.value();
    report.advise(std::make_shared<PrintingSink>());
    report.setAppName(QStringLiteral("检验报告"));
    report.setReportName(QStringLiteral("血常规"));
    report.setKeyName(QStringLiteral("  PatientID  "));
    say(QStringLiteral("created Ky_Qm_NEWRPD.RPD; report name %1, key name [%2]").arg(report.ReportName(), report.KeyName()));

    try {
        report.AddRecordset(patients(), QStringLiteral("main"), QString(), QStringLiteral("病人"), QString(), QString(), QString());
        auto prepared = runtime.create<IRPD_RecordSet>(QStringLiteral("Ky_Qm_NEWRPD.RPD_RecordSet"));
        if (!prepared) throw ComError(prepared.error());
        prepared.value()->setKey(QStringLiteral("results"));
        prepared.value()->setParentRecordsetKey(QStringLiteral("main"));
        prepared.value()->setLinkParentKey(QStringLiteral("PatientID"));
        prepared.value()->setLinkChildKey(QStringLiteral("PatientID"));
        prepared.value()->setRecordSet(results());
        std::shared_ptr<IRPD_RecordSet> handedOver = prepared.value();
        report.AddRPDData(handedOver);
        report.Ready();
        say(QStringLiteral("added the main record set and a linked child record set; Ready built the field lists"));
    } catch (const ComError& error) {
        say(QStringLiteral("failed: ") + error.message());
        return 1;
    }

    // The engine's link filter, as a child report asks for one patient's results.
    auto child = results();
    (void)child->setFilter(QStringLiteral("PatientID = 2  and Result > 100"));
    (void)child->setSort(QStringLiteral("Test DESC"));
    say(QStringLiteral("results of patient 2 above 100, by test descending:"));
    for (child->moveFirst(); !child->isEof(); child->moveNext())
        say(QStringLiteral("  %1 %2").arg(child->valueAt(1).toText(), child->valueAt(2).toText()));

    const bool parsed = report.SetXmlFormat(QStringLiteral("<Report><Name>A & B</Name></Report>"));
    say(QStringLiteral("SetXmlFormat with a bare ampersand: %1").arg(parsed ? QStringLiteral("parsed") : QStringLiteral("refused")));

    auto helper = runtime.create<IStaticClass>(QStringLiteral("Ky_Qm_NEWRPD.StaticClass"));
    if (helper) say(QStringLiteral("StaticClass.NewGUID: ") + helper.value()->NewGUID());
    say(QStringLiteral("CloseRPT with no window: %1").arg(report.CloseRPT() ? QStringLiteral("true") : QStringLiteral("false")));
    return 0;
}
