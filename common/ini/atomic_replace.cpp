#include "common/ini/atomic_replace.h"

namespace zel::ini {

bool replace_atomically(ReplaceSteps& steps, const std::string& target, std::string_view bytes) {
  ReplaceSteps::Temp temp;
  if (!steps.create_temp_beside(target, temp)) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    const std::size_t n = steps.write_some(temp, bytes);
    if (n == 0 || n > bytes.size()) {
      ok = false;
    } else {
      bytes.remove_prefix(n);
    }
  }
  ok = ok && steps.flush(temp) && steps.close(temp) && steps.rename_over(temp, target);
  if (!ok) steps.discard(temp);
  return ok;
}

}  // namespace zel::ini
