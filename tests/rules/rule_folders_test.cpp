// The rules' folders depend on each other in one direction only: following the includes
// of every rule source (the list the build writes into rules_sources.txt), no folder of
// src reaches a header of a folder that reaches back to it. The base (state, campaign)
// knows no subsystem, the subsystems know the base, the end of turn knows them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Folder -> folder it includes -> one include that shows it ("a/x.cpp includes b/y.h").
using FolderGraph = std::map<std::string, std::map<std::string, std::string>>;

// A cycle of the graph as "a -> b -> a" with the includes behind each edge, or empty.
std::string findCycle(const FolderGraph& g) {
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path;
  std::string found;
  std::function<bool(const std::string&)> visit = [&](const std::string& a) {
    state[a] = 1;
    path.push_back(a);
    if (auto it = g.find(a); it != g.end())
      for (const auto& [b, why] : it->second) {
        if (state[b] == 1) {
          auto from = std::find(path.begin(), path.end(), b);
          std::ostringstream out;
          for (auto p = from; p != path.end(); ++p) {
            const std::string& next = (p + 1 == path.end()) ? b : *(p + 1);
            out << *p << " -> " << next << " (" << g.at(*p).at(next) << ")\n";
          }
          found = out.str();
          return true;
        }
        if (state[b] == 0 && visit(b)) return true;
      }
    path.pop_back();
    state[a] = 2;
    return false;
  };
  for (const auto& [a, _] : g)
    if (state[a] == 0 && visit(a)) return found;
  return {};
}

std::string folderOf(const std::string& rel) { return rel.substr(0, rel.find('/')); }

// Follows the quoted includes of the rule sources through the headers they reach (paths
// under src; generated headers such as text_names.h have no folder and are skipped).
FolderGraph includeGraph(const fs::path& src, const std::vector<std::string>& sources) {
  FolderGraph g;
  static const std::regex include(R"(^\s*#\s*include\s+"([^"]+)\")");
  std::set<std::string> seen;
  std::vector<std::string> todo(sources.begin(), sources.end());
  while (!todo.empty()) {
    const std::string rel = todo.back();
    todo.pop_back();
    if (!seen.insert(rel).second) continue;
    std::ifstream in(src / rel);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
      if (!std::regex_search(line, m, include)) continue;
      const std::string inc = m[1];
      if (inc.find('/') == std::string::npos || !fs::exists(src / inc)) continue;
      if (folderOf(inc) != folderOf(rel)) g[folderOf(rel)].try_emplace(folderOf(inc), rel + " includes " + inc);
      todo.push_back(inc);
    }
  }
  return g;
}

TEST(RuleFolders, CyclesAreFound) {
  struct Case {
    FolderGraph g;
    bool cycle;
  };
  const Case cases[] = {
      {{{"a", {{"b", "x"}}}, {"b", {{"c", "y"}}}}, false},
      {{{"a", {{"b", "x"}}}, {"b", {{"a", "y"}}}}, true},
      {{{"a", {{"b", "x"}, {"c", "x"}}}, {"b", {{"c", "y"}}}, {"c", {{"a", "z"}}}}, true},
      {{{"a", {{"b", "x"}, {"c", "x"}}}, {"b", {{"c", "y"}}}}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(!findCycle(c.g).empty(), c.cycle);
}

TEST(RuleFolders, IncludeNoFolderThatIncludesThemBack) {
  std::ifstream list(fs::path(FIEFDOM_BINARY_DIR) / "rules_sources.txt");
  ASSERT_TRUE(list) << "the build writes rules_sources.txt";
  const fs::path src = fs::path(FIEFDOM_SOURCE_DIR) / "src";
  std::vector<std::string> sources;
  for (std::string line; std::getline(list, line);)
    if (!line.empty()) sources.push_back(fs::relative(line, src).generic_string());
  ASSERT_GT(sources.size(), 20u);
  const FolderGraph g = includeGraph(src, sources);
  // The end of turn reaches the county's rules: the graph is read, not empty.
  ASSERT_TRUE(g.count("turn") && g.at("turn").count("county"));
  EXPECT_EQ(findCycle(g), "");
}

}  // namespace
