#pragma once
// The component library as a whole: its creatable classes, the session they
// share, and the registration of their ProgIDs.

#include "report/data/report_session.h"
#include "platform/com_object.h"
#include "platform/component_runtime.h"
#include "platform/printer_service.h"
#include "report/api/print_targets.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ky {

inline const QString kTypeLibrary = QStringLiteral("Ky_Qm_NEWRPD");

// One creatable class: its ProgID is the type library's name, a dot and the class name.
struct CreatableClass {
    QString name;
    Guid clsid;
    std::function<com::ObjectPtr()> create;
    QString progId() const { return kTypeLibrary + u'.' + name; }
};

class ComponentModule {
public:
    // `folder` is where the library lies: the default application and temporary path.
    ComponentModule(QString libraryPath, std::shared_ptr<PrinterService> printers);

    const std::vector<CreatableClass>& classes() const { return classes_; }
    const CreatableClass* findClass(const Guid& clsid) const;
    const std::shared_ptr<ReportSession>& session() const { return session_; }

    std::vector<com::ClassRegistration> registrations() const;
    Status registerClasses(RegistryStore& registry) const;
    Status unregisterClasses(RegistryStore& registry) const;

private:
    QString libraryPath_;
    std::shared_ptr<ReportSession> session_ = std::make_shared<ReportSession>();
    std::shared_ptr<PrinterService> printers_;
    std::shared_ptr<PrintTargets> targets_;
    std::vector<CreatableClass> classes_;
};

// A class factory that creates objects of one creatable class.
class ClassFactory final : public com::IClassFactory {
public:
    explicit ClassFactory(const CreatableClass& type) : type_(type) {}
    com::ObjectPtr createInstance() override { return type_.create(); }

private:
    const CreatableClass& type_;
};

}  // namespace ky
