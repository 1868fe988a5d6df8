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

}  // namespace

std::optional<ChannelTotals> TotalChannels(const std::vector<ModuleCounts>& modules) {
  Checked ai{0}, ao{0}, di{0}, dO{0}, counters{0};
  for (const ModuleCounts& m : modules) {
    ai.Add(m.ai);
    ao.Add(m.ao);
    di.Add(m.di);
    dO.Add(m.dO);
    counters.Add(m.counters);
  }
  auto nai = ai.Result(), nao = ao.Result(), ndi = di.Result(), ndo = dO.Result(),
       nc = counters.Result();
  if (!nai || !nao || !ndi || !ndo || !nc) return std::nullopt;
  return ChannelTotals{.ai = *nai, .ao = *nao, .di = *ndi, .dO = *ndo, .counters = *nc};
}

std::optional<int32_t> CdbDimension(const std::vector<ModuleCounts>& modules) {
  auto t = TotalChannels(modules);
  if (!t) return std::nullopt;

  int32_t base = 25;
  if (t->di > 0) {
    ++base;
    for (const ModuleCounts& m : modules) {
      if (m.slot == 2 && m.hasDICollection) {
        ++base;
        break;
      }
    }
  }
  if (t->dO > 0) {
    ++base;
    for (const ModuleCounts& m : modules) {
      if (m.slot == 2) {
        if (m.hasDOCollection) ++base;
        break;
      }
    }
  }
  return Checked(base)
      .Add(t->counters)
      .AddTimes(4, t->ao)
      .AddTimes(2, t->dO)
      .AddTimes(14, t->ai)
      .Result();
}

std::optional<int32_t> DdbDimension(int32_t fixedDDB, int32_t fixedSHDB,
                                    const std::vector<ModuleCounts>& modules) {
  auto t = TotalChannels(modules);
  if (!t) return std::nullopt;
  Checked d(fixedDDB);
  d.Add(fixedSHDB).AddTimes(3, t->di).AddTimes(10, t->counters).AddTimes(2, t->ao);
  if (t->ai > 0) d.AddTimes(8, t->ai).Add(4);
  return d.Result();
}

}  // namespace plugin
