#include "military/battle_handover.h"

#include <algorithm>

#include "military/armies.h"
#include "military/units.h"
#include "state/arith.h"

namespace fief {

namespace {
constexpr int kMaxEngineersSent = 24;
constexpr uint8_t kWinter = 4;

// Reduced-roster flags of armies 0..3 by enemy kind.
constexpr uint8_t kReduced[6][4] = {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 1}, {1, 0, 0, 0}, {1, 1, 0, 0}};

template <typename T>
RosterCounts roster(const Composition<T>& c) {
  std::array<int16_t, kUnitCount> byUnit{};
  for (int u = 0; u < kUnitCount; ++u) byUnit[u] = wrap16(c.get(u));
  return toRosterOrder(byUnit);
}

uint8_t volumeByte(int16_t attenuation) { return static_cast<uint8_t>(Int((attenuation + 10000) / 100.0)); }
}  // namespace

std::string battleMapName(const GameState& s, const BattleEnvironment& env, const std::string& mapName) {
  std::string name = env.levelHasOwnMaps ? mapName : "\\level" + std::to_string(env.level) + "\\" + mapName;
  if (!env.highDetail) name += "_low";
  if (s.Season == kWinter) name += "_winter";
  return name + ".mbf";
}

CampComp soldiersSent(const CampComp& camp, bool reduced) {
  CampComp sent = camp;
  sent.Enginer = static_cast<int16_t>(std::min<int>(camp.Enginer, kMaxEngineersSent));
  if (reduced) {
    // A reduced roster carries the first eleven roster counts only.
    for (int i = kReducedRosterSize; i < kRosterSize; ++i) sent.set(kRosterUnits[i], 0);
  }
  return sent;
}

FightIn BuildFightIn(const GameState& s, const BattleEnvironment& env, const BattleRequest& r, Rng& rng,
                     const std::array<uint8_t, kSettingCount>& previous) {
  FightIn in;
  in.MapName = battleMapName(s, env, r.mapName);
  in.AutoCalc = isSet(s.Advanced.AutoCalcOption) ? kAutoCalcCode : 0;
  in.Reserved = 0;
  auto& set = in.Settings;
  set = previous;
  set[kSetScience] = s.ScienceLevel >= 6 ? 1 : 0;
  set[kSetCountyByte] = s.MapObjectByte;
  if (env.displayOption == 0) set[kSetSeason] = s.Season == 1 || s.Season == 2 ? s.Season : 0;
  set[kSetFade] = env.fadeEffects ? 1 : 0;
  set[kSetMapScale] = s.ScrollSpeed == 0.5f ? 0 : s.ScrollSpeed == 1.0f ? 2 : 4;
  set[kSetNoMapAnim] = isSet(s.Advanced.MapAnimation) ? 0 : 1;
  set[kSetDisplayByte] = env.furtherDisplayOption == 0 ? 1 : 0;
  set[kSetMusicVolume] = env.soundAvailable ? volumeByte(s.Advanced.MusicAttenuation) : 0;
  set[kSetSoundVolume] = env.soundAvailable ? volumeByte(s.Advanced.SoundAttenuation) : 0;
  set[kSetAdvanced] = env.advancedFlag ? 1 : 0;
  set[kSetTooltips] = isSet(s.Advanced.Tooltips) ? 1 : 0;
  in.BattleKind = r.kind;

  const int kind = r.enemyKind <= 5 ? r.enemyKind : 0;
  const int n = std::clamp<int>(r.armies, kMinFightArmies, kMaxFightArmies);
  FightArmy a[4];
  a[0].Name = kCampBattleNames[std::clamp(r.camp, 1, 3) - 1];
  a[0].Colour = fightColour(0, 255, 0);
  a[0].Side = 0;
  a[0].Morale = wrap16(Int(s.Morale));
  a[0].Reduced = kReduced[kind][0];
  a[0].Counts = roster(soldiersSent(s.CampComposition[std::clamp(r.camp, 1, 3) - 1], a[0].Reduced != 0));
  a[1].Name = r.enemyKind == 1 ? "Viking army" : "Enemy army";
  a[1].Colour = fightColour(255, 0, 0);
  a[1].Side = 1;
  a[1].Morale = wrap16(Int(r.enemyMorale));
  a[1].Reduced = kReduced[kind][1];
  a[1].Counts = roster(r.enemy);
  const char* names[2] = {"", ""};
  uint8_t sides[2] = {2, 3};
  switch (r.alliesMode) {
    case 1: names[0] = names[1] = "Allied army"; sides[0] = sides[1] = 0; break;
    case 2: names[0] = "Allied army"; names[1] = "Enemy army"; sides[0] = 0; sides[1] = 1; break;
    case 3: names[0] = names[1] = "Enemy army"; sides[0] = sides[1] = 1; break;
    default: break;
  }
  for (int i = 0; i < 2; ++i) {
    FightArmy& x = a[2 + i];
    x.Name = names[i];
    x.Colour = i == 0 ? fightColour(0, 0, 255) : fightColour(255, 255, 0);
    x.Side = sides[i];
    // Both slots of the record are filled before every battle, whether sent or not.
    x.Morale = static_cast<int16_t>(rng.draw(30, 20));
    x.Reduced = kReduced[kind][2 + i];
    x.Counts = roster(r.others[i]);
  }
  for (int i = 0; i < n; ++i) {
    // Counts beyond a reduced roster are not carried.
    if (a[i].Reduced)
      for (int j = kReducedRosterSize; j < kRosterSize; ++j) a[i].Counts[j] = 0;
    in.Armies.push_back(a[i]);
  }
  return in;
}

bool checkResults(const FightOut& out, const CampComp& sent, std::string& err) {
  if (out.Armies.empty()) {
    err = "the results hold no army";
    return false;
  }
  if (out.OurDead < 0 || out.EnemyDead < 0) {
    err = "the results count negative dead";
    return false;
  }
  if (out.Outcome > 1) {
    err = "the results give an unknown outcome " + std::to_string(out.Outcome);
    return false;
  }
  const FightResultArmy& ours = out.Armies[0];
  const RosterCounts went = roster(sent);
  for (int i = 0; i < kRosterSize; ++i) {
    if (i >= ours.rosterSize() && went[i] > 0) {
      // A reduced roster in the results would drop soldiers who went in: the results do
      // not answer the army sent.
      err = "the results leave out the " + std::to_string(went[i]) + " " + kUnitNames[kRosterUnits[i]] + " sent";
      return false;
    }
    const int survivors = i < ours.rosterSize() ? ours.Survivors[i] : 0;
    if (survivors < 0 || survivors > went[i]) {
      err = "the results give " + std::to_string(survivors) + " surviving " + kUnitNames[kRosterUnits[i]] + " of " +
            std::to_string(went[i]) + " sent";
      return false;
    }
  }
  return true;
}

BattlePlunder ApplyBattleResults(GameState& s, int camp, const CampComp& sent, const FightOut& out, Rng& rng) {
  const int i = camp - 1;
  const FightResultArmy& ours = out.Armies[0];
  RosterCounts survivors{};
  for (int j = 0; j < ours.rosterSize() && j < kRosterSize; ++j) survivors[j] = ours.Survivors[j];
  const std::array<int16_t, kUnitCount> back = toCompositionOrder(survivors);
  CampComp& c = s.CampComposition[i];
  BattlePlunder p;
  for (int u = 0; u < kUnitCount; ++u) {
    p.fallen += sent.get(u) - back[u];
    // Soldiers who stayed behind (engineers beyond 24, a reduced roster's last three)
    // are still in the camp.
    const long home = c.get(u) - sent.get(u);
    c.set(u, back[u] + home);
  }
  s.ArmyCampSoldiers[i] = wrap16(c.total());
  if (s.ArmyCampSoldiers[i] <= 0) emptyCamp(s, camp);

  if (out.won()) {
    p.crops = static_cast<int>(rng.draw(500, 300));
    p.meat = static_cast<int>(rng.draw(30, 10));
    p.wood = static_cast<int>(rng.draw(300, 100));
    p.stone = static_cast<int>(rng.draw(300, 100));
    p.ore = static_cast<int>(rng.draw(300, 100));
    add(s.Crops, p.crops);
    add(s.Meat, p.meat);
    add(s.Wood, p.wood);
    add(s.Stone, p.stone);
    add(s.Ore, p.ore);
  }
  return p;
}

ArmyComp villageHolders(const GameState& s) {
  // Lord Osric's men who seized the first village: more of them on harder levels.
  const int d = std::clamp<int>(s.Difficulty, 1, 3);
  ArmyComp a;
  a.set(ClubMan, 60 * d);
  a.set(Archer, 30 * d);
  a.set(SwordMan, 20 * d);
  return a;
}

ArmyComp outlaws(const GameState& s, int site) {
  // The band that burnt the second village: in its ruins at first, then, driven out, at
  // the ruined mill with fewer men.
  const int d = std::clamp<int>(s.Difficulty, 1, 3);
  ArmyComp a;
  if (site == kOutlawVillageSite) {
    a.set(ClubMan, 50 * d);
    a.set(Archer, 40 * d);
    a.set(TwoHand, 10 * d);
  } else {
    a.set(ClubMan, 40 * d);
    a.set(Archer, 30 * d);
  }
  return a;
}

ArmyComp siteEnemy(const GameState& s, int site) {
  switch (site) {
    case 1: return s.OpponentArmySlots[1];
    case 2: return s.OpponentArmySlots[2];
    case 3: return s.OpponentArmySlots[3];
    case 13: return s.OpponentArmySlots[5];
    case kVillageHoldersSite: return villageHolders(s);
    case kOutlawVillageSite:
    case kOutlawMillSite: return outlaws(s, site);
    case 4: {
      // The rebels: club men and archers of their two troops.
      ArmyComp a;
      a.set(ClubMan, std::max<int>(0, s.RebelForceA));
      a.set(Archer, std::max<int>(0, s.RebelForceB));
      return a;
    }
    default: return ArmyComp{};
  }
}

void siteWon(GameState& s, int site) {
  switch (site) {
    case 1:
    case 2:
    case 3: s.MapEventFlags[site - 1] = kFalse; break;
    case 13:
      s.RuinsQuiet = kTrue;
      s.OpponentArmySlots[5].clear();
      break;
    case kVillageHoldersSite: s.VillageState[0] = kNone; break;  // the first village is the county's again
    // The band is driven out: the place is rebuilt over the next turns (its countdown),
    // and the band falls back to the mill, or is gone.
    case kOutlawVillageSite:
      s.VillageState[1] = kRebuildTurns;
      s.OutlawBand = kOutlawsAtMill;
      break;
    case kOutlawMillSite:
      s.WindmillState[1] = kRebuildTurns;
      s.OutlawBand = kOutlawsGone;
      break;
    case 4:
      s.RebelCounters[0] = 0;
      s.RebelsActive = kFalse;
      s.RebelForceA = s.RebelForceB = 0;
      break;
    default: break;
  }
}

}  // namespace fief
