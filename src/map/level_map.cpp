#include "map/level_map.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "campaign/files.h"

namespace fief {

namespace {

using nlohmann::json;

// Thrown inside the parser only, with the field's path; parseLevelMap turns it into a
// message.
struct Bad {
  std::string what;
};

int whole(const json& v, const std::string& field, int lo, int hi) {
  if (!v.is_number_integer()) throw Bad{field + ": expected a whole number"};
  // Compared as 64-bit values first: a number beyond int must not wrap into range.
  const auto n = v.is_number_unsigned() ? static_cast<long long>(std::min<uint64_t>(v.get<uint64_t>(), INT64_MAX))
                                        : v.get<long long>();
  if (n < lo || n > hi)
    throw Bad{field + ": " + std::to_string(n) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi)};
  return static_cast<int>(n);
}

const json& array(const json& v, const std::string& field, size_t n) {
  if (!v.is_array() || v.size() != n)
    throw Bad{field + ": expected a list of " + std::to_string(n) + " numbers"};
  return v;
}

std::pair<int, int> point(const json& v, const std::string& field, int lo, int hi) {
  const json& a = array(v, field, 2);
  return {whole(a[0], field + "[0]", lo, hi), whole(a[1], field + "[1]", lo, hi)};
}

const json& object(const json& v, const std::string& field) {
  if (!v.is_object()) throw Bad{field + ": expected an object"};
  return v;
}

LevelMap parse(const json& m) {
  object(m, "the file");
  LevelMap L;
  constexpr int E = kMaxMapExtent;
  if (m.contains("size")) L.Size = point(m["size"], "size", 1, E);
  if (m.contains("home")) L.Home = point(m["home"], "home", -E, E);
  if (m.contains("waypoints")) {
    for (const auto& [k, p] : object(m["waypoints"], "waypoints").items()) {
      const std::string f = "waypoints." + k;
      if (k.empty() || k.size() > 3 || k.find_first_not_of("0123456789") != std::string::npos || std::stoi(k) < 1)
        throw Bad{f + ": a waypoint is named by its number"};
      L.Waypoints[std::stoi(k)] = point(p, f, 0, E);
    }
  }
  if (m.contains("roads")) {
    const json& roads = m["roads"];
    if (!roads.is_array()) throw Bad{"roads: expected a list"};
    for (size_t i = 0; i < roads.size(); ++i) L.Roads.push_back(point(roads[i], "roads[" + std::to_string(i) + "]", 1, 999));
  }
  if (m.contains("controls")) {
    for (const auto& [name, spec] : object(m["controls"], "controls").items()) {
      const std::string f = "controls." + name;
      object(spec, f);
      LevelMapRect r;
      if (!spec.contains("rect")) throw Bad{f + ".rect: missing"};
      const json& a = array(spec["rect"], f + ".rect", 4);
      r.Left = whole(a[0], f + ".rect[0]", -E, E);
      r.Top = whole(a[1], f + ".rect[1]", -E, E);
      r.Width = whole(a[2], f + ".rect[2]", 1, E);
      r.Height = whole(a[3], f + ".rect[3]", 1, E);
      if (spec.contains("picture")) {
        if (!spec["picture"].is_string()) throw Bad{f + ".picture: expected a text"};
        r.Picture = spec["picture"].get<std::string>();
      }
      if (spec.contains("waypoint")) r.Waypoint = whole(spec["waypoint"], f + ".waypoint", 1, 999);
      L.Controls[name] = std::move(r);
    }
  }
  return L;
}

}  // namespace

std::pair<int, int> homeView(std::pair<int, int> home, int mapWidth, int mapHeight, int width, int height) {
  const int cx = 512 - home.first, cy = 384 - home.second;
  return {std::clamp(width / 2 - cx, std::min(0, width - mapWidth), 0),
          std::clamp(height / 2 - cy, std::min(0, height - mapHeight), 0)};
}

bool parseLevelMap(const std::string& text, LevelMap& out, std::string& err) {
  const json m = json::parse(text, nullptr, false);
  if (m.is_discarded()) {
    err = "the file is not valid JSON";
    return false;
  }
  try {
    out = parse(m);
  } catch (const Bad& b) {
    err = b.what;
    return false;
  }
  return true;
}

bool readLevelMap(const std::string& path, LevelMap& out, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  std::string why;
  if (!parseLevelMap(std::string(bytes.begin(), bytes.end()), out, why)) {
    err = path + ": " + why;
    return false;
  }
  return true;
}

}  // namespace fief
