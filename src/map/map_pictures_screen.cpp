#include "map/map_pictures.h"

#include "rivals/sieges.h"

namespace fief {

namespace {
const char* const kStages[5] = {"keep", "bailey", "fort", "stronghold", "castle"};
}  // namespace

std::string mapSurfacePicture(int season) {
  if (season < 1 || season > 4) season = 1;
  return "map_s" + std::to_string(season);
}

std::string mapPreviewPicture(int season) {
  if (season < 1 || season > 4) season = 1;
  return "map_preview_s" + std::to_string(season);
}

std::string fieldPicture(int kind, int season) {
  if (kind < kEmptyField || kind > kTaxField) kind = kEmptyField;
  if (season < 1 || season > 4) season = 1;
  return "field_" + std::to_string(kind) + "_" + std::to_string(season);
}

std::string castleStagePicture(const bool built[5], const std::string& suffix) {
  for (int i = 4; i >= 0; --i)
    if (built[i]) return kStages[i] + suffix;
  return "";
}

std::string castlePicture(const GameState& s) {
  bool built[5];
  for (int i = 0; i < 5; ++i) built[i] = isSet(s.CastleStageBuilt[i]);
  const std::string p = castleStagePicture(built);
  return p.empty() ? "castle_site" : p;
}

std::string rivalCastlePicture(const GameState& s, int rival) {
  const bool inPlay = isSet(rival == 1 ? s.Rival1.Active : s.Rival2.Active);
  bool built[5];
  for (int i = 0; i < 5; ++i) built[i] = (rival == 1 ? s.Rival1.Values[i] : s.Rival2.Values[i]) != 0;
  // While he is in play the castle flies his colours; taken by storm, the county's. Out of
  // play from the start (this level's rivals) no lord holds it in the field: a white pennant.
  const bool stormed = CastleStormed(s, rival);
  const std::string suffix = inPlay ? std::to_string(rival) : stormed ? "" : "0";
  const std::string p = castleStagePicture(built, suffix);
  return p.empty() ? "keep" + suffix : p;
}

const char* villagePicture(bool stands) { return stands ? "obj_village" : "obj_village_site"; }
const char* windmillPicture(bool stands) { return stands ? "obj_windmill" : "obj_windmill_site"; }
const char* chestPicture(bool open) { return open ? "obj_chest_open" : "obj_chest"; }
const char* campMarkerPicture(bool noMovesLeft) { return noMovesLeft ? "CampStatusRes2" : "CampStatusRes1"; }
const char* enemyTroopsPicture() { return "troops_enemy"; }
const char* outlawTroopsPicture() { return "troops_outlaw"; }

std::string walkerPicture(int camp, int direction) {
  return "walk_" + std::to_string(camp) + "_" + std::to_string(direction);
}

}  // namespace fief
