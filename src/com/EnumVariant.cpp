#include "com/EnumVariant.h"

#include <memory>

#include "com/Boundary.h"
#include "com/ComObject.h"

namespace qcom {

namespace {

class VariantEnumerator final : public ComObject<IEnumVARIANT> {
 public:
  VariantEnumerator(std::shared_ptr<const std::vector<Variant>> items, size_t pos)
      : items_(std::move(items)), pos_(pos) {}

  HRESULT Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (!out && count) return E_POINTER;
    ULONG n = 0;
    while (n < count && pos_ < items_->size()) {
      (*items_)[pos_++].CopyTo(&out[n]);
      ++n;
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(ULONG count) override {
    size_t left = items_->size() - pos_;
    pos_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    pos_ = 0;
    return S_OK;
  }
  HRESULT Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    return Guarded([&] { *copy = Make<VariantEnumerator>(items_, pos_).detach(); });
  }

 private:
  std::shared_ptr<const std::vector<Variant>> items_;
  size_t pos_;
};

}  // namespace

ComPtr<IEnumVARIANT> MakeVariantEnumerator(std::vector<Variant> items) {
  auto shared = std::make_shared<const std::vector<Variant>>(std::move(items));
  return Make<VariantEnumerator>(std::move(shared), 0);
}

}  // namespace qcom
