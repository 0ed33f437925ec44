// The level map reader: the shipped map reads whole, and every field of the wrong type
// or out of range is refused with the field's name.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "map/level_map.h"

namespace fief {
namespace {

TEST(LevelMap, TheShippedMapReads) {
  LevelMap m;
  std::string err;
  ASSERT_TRUE(readLevelMap(std::string(FIEFDOM_SOURCE_DIR) + "/data/map/level15.json", m, err)) << err;
  ASSERT_TRUE(m.Size.has_value());
  EXPECT_EQ(*m.Size, std::make_pair(2400, 1800));
  EXPECT_EQ(m.Waypoints.size(), 47u);
  ASSERT_TRUE(m.Controls.count("CastleImg"));
  EXPECT_EQ(m.Controls["CastleImg"].Waypoint, 1);
  EXPECT_FALSE(m.Roads.empty());
}

TEST(LevelMap, BadFieldsAreNamed) {
  struct Case {
    const char* json;
    const char* field;
  };
  const Case cases[] = {
      {"[1, 2]", "the file"},
      {"{\"size\": \"big\"}", "size"},
      {"{\"size\": [2400]}", "size"},
      {"{\"size\": [2400, 0]}", "size[1]"},
      {"{\"size\": [2400.5, 10]}", "size[0]"},
      {"{\"size\": [99999999999, 10]}", "size[0]"},
      {"{\"size\": [18446744073709551615, 10]}", "size[0]"},
      {"{\"home\": [0, -40000]}", "home[1]"},
      {"{\"waypoints\": [[1, 2]]}", "waypoints"},
      {"{\"waypoints\": {\"x\": [1, 2]}}", "waypoints.x"},
      {"{\"waypoints\": {\"3\": [1, null]}}", "waypoints.3[1]"},
      {"{\"roads\": [[1, 2], [3]]}", "roads[1]"},
      {"{\"controls\": {\"CastleImg\": {\"rect\": [0, 0, -5, 10]}}}", "controls.CastleImg.rect[2]"},
      {"{\"controls\": {\"CastleImg\": {\"rect\": [0, 0, 5, 10], \"picture\": 7}}}", "controls.CastleImg.picture"},
      {"{\"controls\": {\"CastleImg\": {\"picture\": \"x\"}}}", "controls.CastleImg.rect"},
      {"{\"controls\": {\"CastleImg\": 5}}", "controls.CastleImg"},
      {"{\"size\": [1, 2", "the file is not valid JSON"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.json);
    LevelMap m;
    m.Size = std::make_pair(7, 7);
    std::string err;
    EXPECT_FALSE(parseLevelMap(c.json, m, err));
    EXPECT_EQ(err.rfind(c.field, 0), 0u) << err;
    EXPECT_EQ(*m.Size, std::make_pair(7, 7)) << "the output is untouched";
  }
}

}  // namespace
}  // namespace fief
