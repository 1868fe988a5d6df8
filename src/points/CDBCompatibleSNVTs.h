#pragma once

#include <string>
#include <string_view>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/CompatibleSnvt.h"
#include "points/CDBCompatibleSNVT.h"
#include "values/KeyedCollection.h"

// Default interface of CDBCompatibleSNVTs: the list is used through
// ICompatibleSNVTs and IClonable.
struct _CDBCompatibleSNVTs : IDispatch {
  QCOM_IDENTITY(IDispatch, "8AEC79AC-CF48-4772-89FE-5561D83AE80F");

 protected:
  ~_CDBCompatibleSNVTs() = default;
};

// The SNVT numbers an input accepts, in the order they were added, keyed by
// number (without regard to letter case).
class CDBCompatibleSNVTs final
    : public qcom::ComObject<_CDBCompatibleSNVTs, ICompatibleSNVTs, IClonable> {
 public:
  // Adds the numbers of a ","-separated list, up to the first empty field;
  // numbers already present are skipped.
  void Add(std::string_view ids);
  bool Exists(std::string_view id) const { return items_.PositionOf(id) != 0; }
  // The numbers joined by ",".
  std::string ToText() const;
  size_t Count() const { return items_.Count(); }
  const values::KeyedCollection<CDBCompatibleSNVT>& Items() const { return items_; }

  // ICompatibleSNVTs
  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(LONG index, ICompatibleSNVT** item) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;
  HRESULT Add(BSTR ids) override;
  HRESULT Remove(BSTR id) override;
  HRESULT get_ToString(BSTR* text) override;
  HRESULT get_Exists(BSTR id, VARIANT_BOOL* exists) override;
  HRESULT get_Merge(ICompatibleSNVTs* other, ICompatibleSNVTs** merged) override;

  // IClonable
  HRESULT Clone(IDispatch** copy) override;

 private:
  void AddOne(std::string_view id);

  values::KeyedCollection<CDBCompatibleSNVT> items_;
};
