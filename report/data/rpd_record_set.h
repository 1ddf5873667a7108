#pragma once
// One record set of a report (the creatable RPD_RecordSet class): the wrapped
// record set, its place among the report's record sets (key, parent, link
// fields) and the catalogue of its fields sorted by kind.

#include "report/data/record_set.h"
#include "platform/com_object.h"
#include "platform/result.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace ky {

using RecordSetPtr = std::shared_ptr<RecordSet>;

// Lower-cased field name to type code, in field order.
class FieldCatalogue {
public:
    // Fails when the lower-cased name is already there.
    Status add(const QString& lowerName, int type);
    bool contains(const QString& lowerName) const { return types_.contains(lowerName); }
    int typeOf(const QString& lowerName) const { return types_.value(lowerName, -1); }
    const std::vector<std::pair<QString, int>>& entries() const { return entries_; }

private:
    std::vector<std::pair<QString, int>> entries_;
    QHash<QString, int> types_;
};

// The public interface of RPD_RecordSet. Property getters carry the
// property's name; `recordSet` stands for the RecordSet property, whose name
// is taken by the record-set type.
class IRPD_RecordSet {
public:
    static constexpr Guid iid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x02}};
    virtual ~IRPD_RecordSet() = default;

    virtual QString key() const = 0;
    virtual void setKey(const QString& value) = 0;
    virtual QString Description() const = 0;
    virtual void setDescription(const QString& value) = 0;
    virtual QString ParentRecordsetKey() const = 0;
    virtual void setParentRecordsetKey(const QString& value) = 0;
    virtual QString LinkParentKey() const = 0;
    virtual void setLinkParentKey(const QString& value) = 0;
    virtual QString LinkChildKey() const = 0;
    virtual void setLinkChildKey(const QString& value) = 0;
    virtual QString LinkFriendKey() const = 0;
    virtual void setLinkFriendKey(const QString& value) = 0;
    virtual QString MainRsTextNumFiledNames() const = 0;
    virtual void setMainRsTextNumFiledNames(const QString& value) = 0;
    virtual QString MainRsBoolFiledNames() const = 0;
    virtual void setMainRsBoolFiledNames(const QString& value) = 0;
    virtual QString MainRsBinFiledNames() const = 0;
    virtual void setMainRsBinFiledNames(const QString& value) = 0;
    virtual RecordSetPtr recordSet() const = 0;
    virtual void setRecordSet(RecordSetPtr value) = 0;

    // Nothing until Ready has run.
    virtual std::optional<FieldCatalogue> Fields() const = 0;
    virtual QStringList FieldNameArray() const = 0;
    virtual QStringList TextNumFiledNameArray() const = 0;
    virtual QStringList BoolFiledNameArray() const = 0;
    virtual QStringList BinFiledNameArray() const = 0;
    virtual bool IsMain() const = 0;
    virtual bool HasField(const QString& fieldName) const = 0;
    // Builds the catalogue; throws ComError without a record set or when two
    // field names differ only in case.
    virtual void Ready() = 0;
};

class RPD_RecordSet final : public com::Object, public IRPD_RecordSet {
public:
    static constexpr Guid clsid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x01}};

    void* queryInterface(const Guid& interfaceId) noexcept override { return com::interfaceOf<IRPD_RecordSet>(this, interfaceId); }

    QString key() const override { return key_; }
    void setKey(const QString& value) override { key_ = value; }
    QString Description() const override { return description_; }
    void setDescription(const QString& value) override { description_ = value; }
    QString ParentRecordsetKey() const override { return parentKey_; }
    void setParentRecordsetKey(const QString& value) override { parentKey_ = value; }
    QString LinkParentKey() const override { return linkParentKey_; }
    void setLinkParentKey(const QString& value) override { linkParentKey_ = value; }
    QString LinkChildKey() const override { return linkChildKey_; }
    void setLinkChildKey(const QString& value) override { linkChildKey_ = value; }
    QString LinkFriendKey() const override { return linkFriendKey_; }
    void setLinkFriendKey(const QString& value) override { linkFriendKey_ = value; }
    QString MainRsTextNumFiledNames() const override { return mainTextNumNames_; }
    void setMainRsTextNumFiledNames(const QString& value) override { mainTextNumNames_ = value; }
    QString MainRsBoolFiledNames() const override { return mainBoolNames_; }
    void setMainRsBoolFiledNames(const QString& value) override { mainBoolNames_ = value; }
    QString MainRsBinFiledNames() const override { return mainBinNames_; }
    void setMainRsBinFiledNames(const QString& value) override { mainBinNames_ = value; }
    RecordSetPtr recordSet() const override { return records_; }
    void setRecordSet(RecordSetPtr value) override { records_ = std::move(value); }

    std::optional<FieldCatalogue> Fields() const override { return catalogue_; }
    QStringList FieldNameArray() const override { return allNames_; }
    QStringList TextNumFiledNameArray() const override { return textNumNames_; }
    QStringList BoolFiledNameArray() const override { return boolNames_; }
    QStringList BinFiledNameArray() const override { return binNames_; }
    bool IsMain() const override;
    // False while there is no catalogue.
    bool HasField(const QString& fieldName) const override;
    void Ready() override;

    // The catalogue as Ready would build it; a failure leaves this wrapper unchanged.
    Status buildCatalogue();

private:
    QString key_, description_, parentKey_, linkParentKey_, linkChildKey_, linkFriendKey_;
    QString mainTextNumNames_, mainBoolNames_, mainBinNames_;
    RecordSetPtr records_;
    std::optional<FieldCatalogue> catalogue_;
    QStringList allNames_, textNumNames_, boolNames_, binNames_;
};

using RpdRecordSetPtr = std::shared_ptr<RPD_RecordSet>;

}  // namespace ky
