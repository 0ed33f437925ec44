#include "ui/view_fields.h"

#include <map>

namespace fief {

namespace {
std::map<std::string, ViewField>& registry() {
  static std::map<std::string, ViewField> r;
  return r;
}
}  // namespace

void registerViewField(const std::string& name, ViewField f) { registry()[name] = std::move(f); }

const ViewField* viewField(const std::string& name) {
  auto it = registry().find(name);
  return it == registry().end() ? nullptr : &it->second;
}

ViewField byteViewField(std::function<uint8_t*(Game&, bool create)> slot, int absent) {
  ViewField f;
  f.get = [slot, absent](Game& g) -> nlohmann::json {
    const uint8_t* v = slot(g, false);
    return v ? static_cast<int>(*v) : absent;
  };
  f.set = [slot](Game& g, const nlohmann::json& v, std::string& err) {
    if (!v.is_number_integer() || v.get<int64_t>() < 0 || v.get<int64_t>() > 255) {
      err = "a view field holds a whole number 0..255, not " + v.dump();
      return false;
    }
    *slot(g, true) = static_cast<uint8_t>(v.get<int>());
    return true;
  };
  return f;
}

}  // namespace fief
