#include "values/MMain.h"

namespace values {

MMain& Shared() {
  static MMain state;
  return state;
}

}  // namespace values
