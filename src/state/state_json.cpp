#include "state/state_json.h"

#include <cmath>
#include <limits>
#include <type_traits>

#include "state/state_fields.h"

namespace fief {

using nlohmann::json;

const char* const kUnitNames[kUnitCount] = {"Monk",     "Archer",  "ClubMan",  "SwordMan", "Helebarder",
                                            "TwoHand",  "Cavalry", "HCavalry", "Champion", "Templar",
                                            "Paladin",  "LongBow", "Warlord",  "Enginer"};

namespace {

template <typename T> struct IsArray : std::false_type {};
template <typename T, size_t N> struct IsArray<std::array<T, N>> : std::true_type {};
template <typename T> struct IsComp : std::false_type {};
template <typename E> struct IsComp<Composition<E>> : std::true_type {};
template <typename T> struct IsRival : std::false_type {};
template <int A, int B> struct IsRival<RivalRecord<A, B>> : std::true_type {};

template <typename T>
json toJ(const T& v) {
  if constexpr (std::is_same_v<T, std::string>) return v;
  else if constexpr (std::is_arithmetic_v<T>) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<double>(v);
    else return static_cast<long long>(v);
  } else if constexpr (IsArray<T>::value) {
    json a = json::array();
    for (const auto& e : v) a.push_back(toJ(e));
    return a;
  } else if constexpr (IsComp<T>::value) {
    json a = json::array();
    for (int u = 0; u < kUnitCount; ++u) a.push_back(v.get(u));
    return a;
  } else if constexpr (IsRival<T>::value) {
    json o = json::object();
    visitRival(const_cast<T&>(v), [&](const char* n, const auto& f) { o[n] = toJ(f); });
    return o;
  } else if constexpr (std::is_same_v<T, AdvancedSettings>) {
    json o = json::object();
    visitAdvanced(const_cast<T&>(v), [&](const char* n, const auto& f) { o[n] = toJ(f); });
    return o;
  } else {
    static_assert(sizeof(T) == 0, "unhandled field type");
  }
}

// Store a JSON number into a whole-number or real field, refusing values that do not fit.
template <typename T>
bool fromJ(T& field, const json& v, std::string& err) {
  if constexpr (std::is_same_v<T, std::string>) {
    if (!v.is_string()) { err = "expected a text"; return false; }
    field = v.get<std::string>();
    return true;
  } else if constexpr (std::is_floating_point_v<T>) {
    if (!v.is_number()) { err = "expected a number"; return false; }
    const double d = v.get<double>();
    // A real beyond the field's width would turn infinite (or worse) when stored.
    if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(std::numeric_limits<T>::max())) {
      err = "value out of range for this field";
      return false;
    }
    field = static_cast<T>(d);
    return true;
  } else if constexpr (std::is_integral_v<T>) {
    if (!v.is_number()) { err = "expected a number"; return false; }
    double d = v.get<double>();
    if (d != std::floor(d)) { err = "expected a whole number"; return false; }
    if (d < static_cast<double>(std::numeric_limits<T>::min()) ||
        d > static_cast<double>(std::numeric_limits<T>::max())) {
      err = "value out of range for this field";
      return false;
    }
    field = static_cast<T>(d);
    return true;
  } else if constexpr (IsArray<T>::value) {
    if (!v.is_array() || v.size() != field.size()) { err = "expected a list of " + std::to_string(field.size()); return false; }
    for (size_t i = 0; i < field.size(); ++i)
      if (!fromJ(field[i], v[i], err)) return false;
    return true;
  } else if constexpr (IsComp<T>::value) {
    if (!v.is_array() || v.size() != kUnitCount) { err = "expected a list of 14 counts"; return false; }
    T tmp = field;
    for (int u = 0; u < kUnitCount; ++u) {
      long long lo = (u == Monk || u == Warlord || (u == Enginer && sizeof(tmp.Enginer) == 1)) ? 0 : -32768;
      long long hi = (u == Monk || u == Warlord || (u == Enginer && sizeof(tmp.Enginer) == 1)) ? 255 : 32767;
      if (!v[u].is_number_integer() || v[u].get<long long>() < lo || v[u].get<long long>() > hi) {
        err = std::string("count out of range for ") + kUnitNames[u];
        return false;
      }
      tmp.set(u, v[u].get<long long>());
    }
    field = tmp;
    return true;
  } else if constexpr (IsRival<T>::value || std::is_same_v<T, AdvancedSettings>) {
    if (!v.is_object()) { err = "expected an object"; return false; }
    T tmp = field;
    bool ok = true;
    auto each = [&](const char* n, auto& f) {
      if (ok && v.contains(n)) ok = fromJ(f, v[n], err);
    };
    if constexpr (IsRival<T>::value) visitRival(tmp, each);
    else visitAdvanced(tmp, each);
    if (ok) field = tmp;
    return ok;
  } else {
    static_assert(sizeof(T) == 0, "unhandled field type");
  }
}

// Turn "CampComposition[0][1]" / "Rival1.Gold" into a JSON pointer.
bool toPointer(const std::string& path, json::json_pointer& ptr, std::string& err) {
  std::string p;
  std::string tok;
  size_t i = 0;
  auto flush = [&]() {
    if (!tok.empty()) { p += "/" + tok; tok.clear(); }
  };
  while (i < path.size()) {
    char c = path[i];
    if (c == '.') { flush(); ++i; }
    else if (c == '[') {
      flush();
      size_t j = path.find(']', i);
      if (j == std::string::npos) { err = "unclosed [ in " + path; return false; }
      std::string idx = path.substr(i + 1, j - i - 1);
      if (idx.empty() || idx.find_first_not_of("0123456789") != std::string::npos) { err = "bad index in " + path; return false; }
      p += "/" + idx;
      i = j + 1;
    } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') { tok += c; ++i; }
    else { err = "bad character in field path " + path; return false; }
  }
  flush();
  if (p.empty()) { err = "empty field path"; return false; }
  ptr = json::json_pointer(p);
  return true;
}

}  // namespace

json stateToJson(const GameState& s) {
  json o = json::object();
  visitFields(const_cast<GameState&>(s), [&](const char* n, const auto& f) { o[n] = toJ(f); });
  return o;
}

json savedStateToJson(const GameState& s) {
  json o = stateToJson(s);
  // Everything from Difficulty on lives only for the run.
  bool live = false;
  json saved = json::object();
  visitFields(const_cast<GameState&>(s), [&](const char* n, const auto&) {
    if (std::string(n) == "Difficulty") live = true;
    if (!live) saved[n] = o[n];
  });
  return saved;
}

bool getField(const GameState& s, const std::string& path, json& out, std::string& err) {
  json::json_pointer ptr;
  if (!toPointer(path, ptr, err)) return false;
  json all = stateToJson(s);
  if (!all.contains(ptr)) { err = "unknown field " + path; return false; }
  out = all.at(ptr);
  return true;
}

bool setField(GameState& s, const std::string& path, const json& value, std::string& err) {
  json::json_pointer ptr;
  if (!toPointer(path, ptr, err)) return false;
  json all = stateToJson(s);
  if (!all.contains(ptr)) { err = "unknown field " + path; return false; }
  const json& old = all.at(ptr);
  if (old.is_structured() != value.is_structured()) { err = "wrong shape for " + path; return false; }
  all[ptr] = value;
  // Write back only the top-level field the path names, checking widths on the way.
  std::string top = ptr.to_string().substr(1);
  top = top.substr(0, top.find('/'));
  bool found = false, ok = true;
  visitFields(s, [&](const char* n, auto& f) {
    if (top == n) {
      found = true;
      ok = fromJ(f, all[n], err);
    }
  });
  if (!found) { err = "unknown field " + path; return false; }
  if (!ok) err = path + ": " + err;
  return ok;
}

}  // namespace fief
