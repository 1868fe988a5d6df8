#include "plugin/Dimensions.h"

namespace plugin {

namespace {

// 32-bit signed arithmetic that reports overflow instead of wrapping.
class Checked {
 public:
  explicit Checked(int32_t v) : v_(v) {}
  Checked& Add(int32_t x) {
    ok_ = ok_ && !__builtin_add_overflow(v_, x, &v_);
    return *this;
  }
  Checked& AddTimes(int32_t factor, int32_t x) {
    int32_t product = 0;
    ok_ = ok_ && !__builtin_mul_overflow(factor, x, &product);
    return Add(product);
  }
  std::optional<int32_t> Result() const { return ok_ ? std::optional<int32_t>(v_) : std::nullopt; }

 private:
  int32_t v_;
  bool ok_ = true;
};

struct Totals {
  Checked ai{0}, ao{0}, di{0}, dO{0}, counters{0};
};

Totals Sum(const std::vector<ModuleCounts>& modules) {
  Totals t;
  for (const ModuleCounts& m : modules) {
    t.ai.Add(m.ai);
    t.ao.Add(m.ao);
    t.di.Add(m.di);
    t.dO.Add(m.dO);
    t.counters.Add(m.counters);
  }
  return t;
}

}  // namespace

std::optional<int32_t> CdbDimension(const std::vector<ModuleCounts>& modules) {
  Totals t = Sum(modules);
  auto nai = t.ai.Result(), nao = t.ao.Result(), ndi = t.di.Result(), ndo = t.dO.Result(),
       nc = t.counters.Result();
  if (!nai || !nao || !ndi || !ndo || !nc) return std::nullopt;

  int32_t base = 25;
  if (*ndi > 0) {
    ++base;
    for (const ModuleCounts& m : modules) {
      if (m.slot == 2 && m.hasDICollection) {
        ++base;
        break;
      }
    }
  }
  if (*ndo > 0) {
    ++base;
    for (const ModuleCounts& m : modules) {
      if (m.slot == 2) {
        if (m.hasDOCollection) ++base;
        break;
      }
    }
  }
  return Checked(base).Add(*nc).AddTimes(4, *nao).AddTimes(2, *ndo).AddTimes(14, *nai).Result();
}

std::optional<int32_t> DdbDimension(int32_t fixedDDB, int32_t fixedSHDB,
                                    const std::vector<ModuleCounts>& modules) {
  Totals t = Sum(modules);
  auto nai = t.ai.Result(), nao = t.ao.Result(), ndi = t.di.Result(), nc = t.counters.Result();
  if (!nai || !nao || !ndi || !nc) return std::nullopt;
  Checked d(fixedDDB);
  d.Add(fixedSHDB).AddTimes(3, *ndi).AddTimes(10, *nc).AddTimes(2, *nao);
  if (*nai > 0) d.AddTimes(8, *nai).Add(4);
  return d.Result();
}

}  // namespace plugin
