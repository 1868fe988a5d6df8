#include "host/output/NearestName.h"

#include <algorithm>

#include "com/TextRules.h"

namespace host {

namespace {

// Edits between a and b, a swap of neighbours counting as one.
size_t Distance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::optional<std::string> NearestName(std::string_view word,
                                       const std::vector<std::string>& candidates) {
  const std::string typed = qcom::text::Lower(word);
  std::optional<std::string> best;
  size_t bestDistance = 0;
  for (const std::string& candidate : candidates) {
    size_t distance = Distance(typed, qcom::text::Lower(candidate));
    size_t allowed = std::max<size_t>(1, candidate.size() / 3);
    if (distance <= allowed && (!best || distance < bestDistance)) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace host
