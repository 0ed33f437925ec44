// The rival lords' turn. Each rival in play runs, in this order: taxes, population,
// the objects he holds, his skills, the tithe and the seasons' moods, his development,
// feasts, thieves, upkeep, castle building, the player's sickness, restlessness, raids on
// the map's objects, assassins, saboteurs, army raisings, the village raid and the march
// on the castle, and the rebels. The two rivals keep the same steps on different turns.
#include "rivals/rival_turn.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "military/armies.h"
#include "rivals/sieges.h"
#include "state/arith.h"
#include "state/rng.h"
#include "text_names.h"

namespace fief {

namespace {

// The members both rival records share, whatever the count of their spare members.
struct Lord {
  Flag& Active;
  int32_t& Gold;
  uint8_t& TaxRate;
  float& Morale;
  int32_t& Happiness;
  int32_t& People;
  int16_t &Leadership, &Nobility, &Diplomacy, &Religion;
  uint8_t &AssassinLevel, &DevelopmentLevel, &DevelopmentCountdown;
  int16_t* Stage;  // five castle stage flags
};

template <class R>
Lord lordOf(R& r) {
  return Lord{r.Active,     r.Gold,     r.TaxRate,  r.Morale,        r.Happiness,        r.People,
              r.Leadership, r.Nobility, r.Diplomacy, r.Religion,     r.AssassinLevel,    r.DevelopmentLevel,
              r.DevelopmentCountdown,   r.Values.data()};
}
Lord lord(GameState& s, int rival) { return rival == 1 ? lordOf(s.Rival1) : lordOf(s.Rival2); }

// One army raising of the calendar: its turn, what it costs and the soldiers it brings
// (counts of the fighting unit types in their order, from the Archer on).
struct Raising {
  int turn;
  int army;  // 0 army A, 1 army B
  int gold, people;
  std::vector<int> counts;
};

// What differs between the two rivals.
struct Calendar {
  int holder;
  int feastEvery, upkeepEvery, thievesEvery, thievesGold;
  int castleTurns[5];
  int dolmenEvery, obeliskEvery, chapelEvery;
  int sabotageEvery, rivalSabotageEvery;
  int assassinEvery;
  bool assassinAlwaysPaid;
  int raidTurn;
  std::vector<Raising> raisings;
};

const Calendar& calendar(int rival) {
  static const Calendar kRival1{2, 8, 6, 3, 500, {7, 20, 43, 78, 120}, 4, 6, 8, 20, 18, 24, false, 33,
                                {{12, 0, 2000, 200, {100, 0, 59}},
                                 {22, 0, 2000, 200, {300, 100, 97}},
                                 {28, 1, 4000, 400, {200, 100, 97}},
                                 {55, 0, 2000, 200, {400, 100, 97, 50, 0, 50}},
                                 {95, 0, 7000, 700, {700, 200, 195, 100, 0, 100, 150, 50}},
                                 {95, 0, 5000, 500, {500, 200, 195, 100, 0, 100, 100, 50}}}};
  // Rival 2 has one field army; its later raisings grow as rival 1's do.
  static const Calendar kRival2{3, 6, 8, 5, 300, {9, 16, 40, 72, 95}, 8, 6, 4, 27, 33, 45, true, 78,
                                {{15, 0, 4000, 400, {200, 100, 97}},
                                 {25, 0, 2000, 200, {300, 100, 97}},
                                 {50, 0, 1000, 100, {400, 150, 120, 50, 0, 50}},
                                 {89, 0, 8000, 800, {700, 200, 195, 100, 50, 100, 150, 50}},
                                 {130, 0, 9000, 900, {800, 300, 250, 150, 50, 150, 150, 80}},
                                 {170, 0, 10000, 1000, {900, 350, 300, 200, 100, 200, 200, 100}}}};
  return rival == 1 ? kRival1 : kRival2;
}

// The garrison a castle stage puts into the rival's castle (the defenders of a storm).
const std::vector<int> kGarrison[5] = {{100, 80, 50},
                                        {200, 120, 80, 40},
                                        {250, 150, 120, 80, 40},
                                        {300, 200, 150, 120, 80, 40},
                                        {400, 250, 200, 150, 100, 60, 40}};

// Blessings (CountyBlessings index).
enum { Dolmen = 0, ADolmen = 1, Cross = 2, Chapel = 3, GChapel = 4, Obelisk = 6, Tavern = 8, OldBattlefield = 9 };

bool every(const GameState& s, int n) { return n > 0 && s.TurnCounter % n == 0; }

ArmyComp armyOf(const std::vector<int>& counts) {
  ArmyComp a;
  for (size_t i = 0; i < counts.size() && i + 1 < kUnitCount; ++i) a.set(static_cast<int>(i) + 1, counts[i]);
  return a;
}

void addArmy(ArmyComp& to, const ArmyComp& from) {
  for (int u = 0; u < kUnitCount; ++u) to.set(u, static_cast<long>(to.get(u)) + from.get(u));
}

bool stands(const GameState& s, int camp) { return camp >= 0 && s.EnemyCamp[camp].total() > 0; }

void economy(GameState& s, Rng& rng, RivalEvents& ev, Lord& r, const Calendar& c, int rival) {
  // Taxes by the people's happiness.
  store(r.TaxRate, RivalTaxRate(r.Happiness));
  add(r.Gold, Int(static_cast<double>(r.People) * r.TaxRate / 100.0));
  add(r.Happiness, -Int(r.TaxRate / 4.0));

  // Births and deaths, then the people come or go by their happiness.
  add(r.People, rng.draw(30, 230));
  add(r.People, -rng.draw(30, 230));
  if (r.Happiness < 25) add(r.People, -rng.draw(30, 60));
  else if (r.Happiness < 50) add(r.People, -rng.draw(20, 50));
  else if (r.Happiness < 75) add(r.People, rng.draw(20, 50));
  else add(r.People, rng.draw(30, 60));

  // The objects he holds.
  const auto& b = s.CountyBlessings;
  if (b[ADolmen] == c.holder) add(r.Morale, 1.0);
  if (b[Chapel] == c.holder) add(r.Happiness, 2);
  if (b[GChapel] == c.holder) add(r.Happiness, 3);
  if (b[Tavern] == c.holder) {
    add(r.Morale, 2.0);
    add(r.Happiness, 2);
  }
  if (b[Dolmen] == c.holder) add(r.Morale, 0.5);
  if (b[OldBattlefield] == c.holder) add(r.Gold, 500);

  // His skills, as the player's.
  auto share = [&](int percent) { return Fix(static_cast<double>(r.Happiness) * percent / 100.0); };
  if (r.Leadership >= 20) {
    add(r.Morale, r.Leadership / 50.0);
    add(r.Happiness, share(5));
  } else {
    add(r.Morale, -r.Leadership / 5.0);
    add(r.Happiness, -share(10));
  }
  if (r.Nobility >= 10) {
    add(r.Morale, r.Nobility / 50.0);
    add(r.Happiness, share(5));
  } else {
    add(r.Morale, -r.Nobility / 5.0);
    add(r.Happiness, -share(10));
  }
  if (r.Religion >= 40) {
    add(r.Happiness, share(5));
    add(r.Diplomacy, 1);
  } else {
    add(r.Happiness, -share(10));
    add(r.Diplomacy, -3);
  }
  const long long status =
      Fix((static_cast<long long>(r.Leadership) + r.Nobility + r.Diplomacy + r.Religion) / 4.0);
  if (status >= 50) {
    add(r.Happiness, 2);
    add(r.Morale, 1.0);
    add(r.Nobility, 1);
    add(r.Diplomacy, 1);
    int16_t& shown = RivalFameShown(s, rival);
    if (!isSet(shown)) {
      shown = kTrue;
      ev.notice(txt::campaign::RivalFameSpreads.entry);
    }
  }

  // The Church's tithe every 4th turn, lowered and raised by the objects he holds.
  if (every(s, 4)) {
    long long t = Fix(r.People * 20.0 / 100.0);
    if (b[Cross] == c.holder) t -= Fix(t * 20.0 / 100.0);
    if (b[Chapel] == c.holder) t -= Fix(t * 10.0 / 100.0);
    if (b[GChapel] == c.holder) t -= Fix(t * 35.0 / 100.0);
    if (b[Tavern] == c.holder) t += Fix(t * 20.0 / 100.0);
    if (r.Gold < t) {
      add(r.Happiness, -10);
      add(r.Religion, -4);
      add(r.Nobility, -1);
    } else {
      add(r.Gold, -t);
      add(r.Religion, 2);
      add(r.Nobility, 1);
    }
  }
  if (every(s, 7)) {
    if (r.Happiness >= 40) {
      add(r.Happiness, -22);
      add(r.Religion, 2);
      add(r.Nobility, 1);
    } else {
      add(r.Happiness, 8);
      add(r.Religion, -3);
      add(r.Nobility, -1);
    }
  }
  if (every(s, c.feastEvery)) add(r.Happiness, 15);

  // A paid improvement: started when he can afford it, finished when its countdown ends.
  const int n = r.DevelopmentLevel;
  if (r.DevelopmentCountdown == kNone) {
    if (r.Gold >= n * 700 + 2000) {
      store(r.DevelopmentCountdown, Int(n / 3.0));
      add(r.Gold, -n * 700);
    }
  } else if (r.DevelopmentCountdown >= 1 && r.DevelopmentCountdown <= 199) {
    --r.DevelopmentCountdown;
  } else if (r.DevelopmentCountdown == 0) {
    r.DevelopmentCountdown = kNone;
    add(r.DevelopmentLevel, 1);
    add(r.Nobility, 2);
  }

  // A tournament of his own, unless the player holds one.
  if (every(s, 12) && !isSet(s.TournamentHeld) && r.Gold >= 3500) {
    add(r.Gold, -3500);
    add(r.Happiness, 20);
    add(r.Morale, 5.0);
  }
}

void thieves(GameState& s, Rng& rng, RivalEvents& ev, Lord& r, const Calendar& c) {
  if (!every(s, c.thievesEvery)) return;
  if (s.Gold > 0) add(s.Gold, -rng.draw(100, 100));
  for (int32_t* v : {&s.Wood, &s.Stone, &s.Ore})
    if (*v > 0) add(*v, -rng.draw(50, 50));
  add(r.Gold, c.thievesGold);
  ev.message(1, txt::campaign::RivalThievesRobbed.entry);
}

void castle(GameState& s, Lord& r, const Calendar& c, int rival) {
  static const int kPrice[5] = {5000, 7000, 10000, 12000, 20000};
  for (int i = 0; i < 5; ++i) {
    if (s.TurnCounter != c.castleTurns[i] || RivalCastleStage(s, rival) >= i) continue;
    add(r.Gold, -kPrice[i]);
    for (int j = 0; j < 5; ++j) r.Stage[j] = toFlag(j == i);
    // The new walls get their garrison, the defenders of a storm.
    s.EnemyCamp[RivalGarrisonCamp(rival)] = armyOf(kGarrison[i]);
  }
  // The castle's income, as the player's: a share of the people by the highest stage.
  static const int kPercent[5] = {2, 5, 6, 10, 8};
  const int stage = RivalCastleStage(s, rival);
  if (stage < 0) return;
  add(r.Gold, Int(static_cast<double>(r.People) * kPercent[stage] / 100.0));
  if (stage == 2) add(r.Nobility, 1);
  if (stage == 4) add(r.Nobility, 2);
}

// The player's sickness spreads fear over the border; a healthy county next door cheers.
void playerHealth(const GameState& s, Lord& r) {
  if (s.Health > 50) {
    add(r.Happiness, 5);
  } else if (s.Health > 30) {
    add(r.Happiness, -3);
    add(r.People, -20);
  } else if (s.Health > 20) {
    add(r.Happiness, -6);
    add(r.People, -40);
  } else {
    add(r.Happiness, -12);
    add(r.People, -60);
  }
}

// Below 20 happiness his people grow restless: he pays 1000 gold for bread and games
// (Happiness + 10); without the gold a tenth of every field army at home deserts. A camp
// of the player at the dolmen (waypoint 37) makes him give the dolmen up.
void restless(GameState& s, Lord& r, const Calendar& c, int rival) {
  if (r.Happiness >= 20) return;
  if (r.Gold >= 1000) {
    add(r.Gold, -1000);
    add(r.Happiness, 10);
  } else {
    for (int a = 0; a < RivalFieldArmies(rival); ++a) {
      const int camp = RivalArmyCamp(rival, a);
      if (!stands(s, camp) || RivalArmyStateByte(s, rival, a) != ArmyHome) continue;
      ArmyComp& army = s.EnemyCamp[camp];
      for (int u = 0; u < kUnitCount; ++u) army.set(u, army.get(u) - army.get(u) / 10);
      RivalArmyStrength(s, rival, a) = static_cast<int16_t>(ArmyStrength(army.total()));
    }
  }
  if (s.CountyBlessings[Dolmen] == c.holder && PlayerCampOn(s, 37)) s.CountyBlessings[Dolmen] = 0;
}

// His values stay in their ranges, as the player's do at the end of every turn: skills
// and happiness 0..100, morale -100..100, people at least 0. Gold may be owed.
void clampLord(Lord& r) {
  for (int16_t* v : {&r.Leadership, &r.Nobility, &r.Diplomacy, &r.Religion}) *v = std::clamp<int16_t>(*v, 0, 100);
  r.Happiness = std::clamp<int32_t>(r.Happiness, 0, 100);
  r.Morale = std::clamp(r.Morale, -100.0f, 100.0f);
  if (r.People < 1) r.People = 0;
}

void objectRaids(GameState& s, Lord& r, const Calendar& c) {
  auto raid = [&](int every_, int blessing, int guardWaypoint) {
    if (!every(s, every_) || r.Gold < 3500 || s.CountyBlessings[blessing] == c.holder) return;
    if (PlayerCampOn(s, guardWaypoint)) return;
    add(r.Gold, -3000);
    store(s.CountyBlessings[blessing], c.holder);
  };
  raid(c.dolmenEvery, Dolmen, 5);
  raid(c.obeliskEvery, Obelisk, 17);
  // The great chapel's step only raises his flag on the chapel he holds again; the map
  // draws every flag from the holders, so there is nothing to keep for it.
}

// Returns false when the player's lord has been killed.
bool agents(GameState& s, Rng& rng, RivalEvents& ev, Lord& r, const Calendar& c, int rival) {
  if (every(s, 8)) add(r.AssassinLevel, 1);
  // His assassin comes on his turn whatever the treasury holds: rival 1 pays for him only
  // when he is caught, rival 2 either way, and the gold may be owed.
  if (every(s, c.assassinEvery)) {
    const bool caught = s.GuardLevel >= r.AssassinLevel;
    if (caught || c.assassinAlwaysPaid) add(r.Gold, -3150);
    if (caught) {
      ev.message(2, txt::campaign::RivalAssassinCaught.entry);
    } else {
      s.PlayerInGame = kFalse;
      ev.defeat();
      return false;
    }
  }
  bool playerArmy = false;
  for (Flag f : s.CampExists) playerArmy = playerArmy || isSet(f);
  if (every(s, c.sabotageEvery) && playerArmy && r.Gold >= 3150) {
    add(r.Gold, -3150);
    if (rng.draw(100, 100) < 150) {
      ev.message(1, txt::campaign::SaboteursCaught.entry);
    } else {
      add(s.Morale, -25);
      ev.message(1, txt::campaign::SaboteursSpreadFear.entry);
    }
  }
  const int other = rival == 1 ? 2 : 1;
  if (every(s, c.rivalSabotageEvery) && RivalActive(s, other) && r.Gold >= 3150) {
    add(r.Gold, -3150);
    add(lord(s, other).Morale, -25);
  }
  return true;
}

void setArmy(GameState& s, int rival, int army, const ArmyComp& comp, int strength) {
  const int camp = RivalArmyCamp(rival, army);
  if (camp < 0) return;
  s.EnemyCamp[camp] = comp;
  RivalArmyStrength(s, rival, army) = static_cast<int16_t>(strength);
  RivalArmyStateByte(s, rival, army) = comp.total() > 0 ? ArmyHome : ArmyNone;
}

void raisings(GameState& s, RivalEvents& ev, Lord& r, const Calendar& c, int rival) {
  for (const Raising& x : c.raisings) {
    if (x.turn != s.TurnCounter) continue;
    add(r.Gold, -x.gold);
    add(r.People, -x.people);
    const ArmyComp a = armyOf(x.counts);
    setArmy(s, rival, x.army, a, ArmyStrength(a.total()));
    if (s.RivalRelation[rival - 1] == 100) ev.message(1, txt::campaign::SpyReportsNewArmy.entry);
  }
}

// The army on its way to the village: the one that set out when the raid began and still
// stands; -1 when it was beaten on the way (his other army stays at home).
int raidingArmy(const GameState& s, int rival) {
  for (int a = 0; a < RivalFieldArmies(rival); ++a)
    if (RivalArmyStateByte(s, rival, a) == ArmyRaiding && stands(s, RivalArmyCamp(rival, a))) return a;
  return -1;
}

void villageRaid(GameState& s, RivalEvents& ev, Lord& r, const Calendar& c, int rival) {
  uint8_t& war = RivalWarState(s, rival);
  // A running raid: one turn less; at 1 it is fought.
  if (war == 1) {
    war = kNone;
    int end = s.TurnCounter + 3;
    if (end > 200) end -= 199;  // the turn counter wraps from 200 to 2
    RivalRaidEndTurn(s, rival) = static_cast<uint8_t>(end);
    const int a = raidingArmy(s, rival);
    if (a >= 0) {
      s.BattleSite = 8;
      // The village's defenders are raised from the county's people.
      s.BattleArmy = villageMilitia(s.People);
      RivalBattle b;
      b.kind = RivalBattleKind::VillageRaid;
      b.rival = rival;
      b.map = "village1";
      b.site = 8;
      b.camp = 4;
      b.enemyId = EnemyArmyId(RivalArmyCamp(rival, a));
      b.enemyMorale = r.Morale;
      ev.battle(b);
    }
  } else if (war >= 2 && war <= 5) {
    --war;
  }
  // The calendar's raid, while neither rival has a raid or a war running.
  if (s.TurnCounter == c.raidTurn && s.Rival1WarState == 0 && s.Rival2WarState == 0) {
    war = 5;
    SendRaiders(s, rival);
    ev.sound("alarm01.wav");
    ev.message(2, txt::campaign::RivalMarchesOnVillage.entry);
  }
}

void march(GameState& s, RivalEvents& ev, Lord& r, int rival) {
  uint8_t& endTurn = RivalRaidEndTurn(s, rival);
  if (endTurn == 0 || endTurn != s.TurnCounter) return;
  endTurn = 0;
  RivalWarState(s, rival) = 0;

  // The armies still standing join into one host, army A, and march on the castle.
  int standing = 0, strength = 0;
  ArmyComp host;
  for (int a = 0; a < RivalFieldArmies(rival); ++a) {
    const int camp = RivalArmyCamp(rival, a);
    if (!stands(s, camp)) continue;
    ++standing;
    strength += RivalArmyStrength(s, rival, a);
    addArmy(host, s.EnemyCamp[camp]);
    setArmy(s, rival, a, ArmyComp{}, 0);
  }
  if (standing > 0) {
    setArmy(s, rival, 0, host, std::min(strength, 255));
    RivalArmyStateByte(s, rival, 0) = ArmyMarching;
    store(RivalAttackState(s, rival), AttackCountdown(strength));
    ev.message(1, txt::campaign::RivalArmiesJoined.entry);
  }

  // Then he refills his field armies as his gold allows.
  struct Refill { int gold, people, strength; std::vector<int> counts; };
  static const Refill kSmall{3160, 316, 5, {160, 120, 35}}, kTier1{4530, 453, 5, {160, 238, 53}},
      kTier2{7850, 785, 10, {290, 320, 173}}, kTier3{9370, 937, 15, {410, 343, 180}};
  const Refill* refill = nullptr;
  if (r.Gold < 4000) {
    if (standing == 1) {
      RivalAttackState(s, rival) = kNone;
      RivalArmyStateByte(s, rival, 0) = ArmyHome;
      ev.message(1, txt::campaign::RivalCalledArmyHome.entry);
    } else if (standing == 0 && r.Gold >= kSmall.gold) {
      refill = &kSmall;
    }
  } else {
    refill = r.Gold < 8000 ? &kTier1 : r.Gold < 12000 ? &kTier2 : &kTier3;
  }
  if (!refill) return;
  add(r.Gold, -refill->gold);
  add(r.People, -refill->people);
  const ArmyComp fresh = armyOf(refill->counts);
  for (int a = 0; a < RivalFieldArmies(rival); ++a)
    if (!stands(s, RivalArmyCamp(rival, a))) {
      setArmy(s, rival, a, fresh, refill->strength);
      return;
    }
  // No empty field army left: the new soldiers man his castle.
  addArmy(s.EnemyCamp[RivalGarrisonCamp(rival)], fresh);
}

// The rebels' pay-off is paid whatever his treasury holds, as his calendar's costs are.
void rebels(GameState& s, Lord& r) {
  if (s.RebelCounters[0] == 0) return;
  add(r.Gold, -3000);
  add(r.People, -300);
  s.RebelCounters[0] = 0;
  s.RebelForceC = 0;
}

}  // namespace

void SendRaiders(GameState& s, int rival) {
  // A host already marching on the castle goes on; the first other army standing sets out.
  for (int a = 0; a < RivalFieldArmies(rival); ++a)
    if (stands(s, RivalArmyCamp(rival, a)) && RivalArmyStateByte(s, rival, a) != ArmyMarching) {
      RivalArmyStateByte(s, rival, a) = ArmyRaiding;
      return;
    }
}

std::vector<RivalBattle> InterceptBattles(const GameState& s, int camp) {
  std::vector<RivalBattle> out;
  if (camp < 1 || camp > 3 || !isSet(s.CampExists[camp - 1])) return out;
  for (int rival = 1; rival <= 2; ++rival) {
    if (!RivalActive(s, rival)) continue;
    for (int a = 0; a < RivalFieldArmies(rival); ++a) {
      const uint8_t state = RivalArmyStateByte(s, rival, a);
      if ((state != ArmyRaiding && state != ArmyMarching) || !stands(s, RivalArmyCamp(rival, a))) continue;
      RivalBattle b;
      b.kind = RivalBattleKind::Intercept;
      b.rival = rival;
      b.map = "field1";
      b.site = s.BattleSite;
      b.camp = static_cast<uint8_t>(camp);
      b.enemyId = EnemyArmyId(RivalArmyCamp(rival, a));
      b.enemyMorale = rival == 1 ? s.Rival1.Morale : s.Rival2.Morale;
      out.push_back(b);
    }
  }
  return out;
}

int RivalTaxRate(int h) {
  if (h < 11) return 0;
  if (h <= 30) return 10;
  if (h <= 60) return 50;
  if (h <= 75) return 60;
  return 80;
}

int AttackCountdown(int strength) {
  if (strength <= 10) return 6;
  if (strength <= 20) return 4;
  if (strength <= 30) return 3;
  return 2;
}

int ArmyStrength(long soldiers) { return static_cast<int>(std::clamp<long>(soldiers / 50, 0, 255)); }

bool PlayerCampOn(const GameState& s, int waypoint) {
  for (int k = 0; k < 3; ++k)
    if (isSet(s.CampExists[k]) && s.CampWaypoint[k] == waypoint) return true;
  return false;
}

int PlayerCampOnGate(const GameState& s) {
  for (int k = 0; k < 3; ++k)
    if (isSet(s.CampExists[k]) && s.CampWaypoint[k] == 1) return k + 1;
  return 0;
}

int RivalArmyCamp(int rival, int army) {
  if (rival == 1) return army == 0 ? 1 : army == 1 ? 2 : -1;
  return army == 0 ? 4 : -1;
}
int RivalGarrisonCamp(int rival) { return rival == 1 ? 0 : 3; }
int RivalFieldArmies(int rival) { return rival == 1 ? 2 : 1; }
uint8_t EnemyArmyId(int camp) { return static_cast<uint8_t>(7 + camp); }

uint8_t& RivalArmyStateByte(GameState& s, int rival, int army) {
  return rival == 1 ? s.Rival1.Bytes[1 + army] : s.Rival2.Bytes[1];
}
uint8_t RivalArmyStateByte(const GameState& s, int rival, int army) {
  return rival == 1 ? s.Rival1.Bytes[1 + army] : s.Rival2.Bytes[1];
}
int16_t& RivalArmyStrength(GameState& s, int rival, int army) {
  return rival == 1 ? s.Rival1.Values[6 + army] : s.Rival2.Values[6];
}
uint8_t& RivalRaidEndTurn(GameState& s, int rival) { return rival == 1 ? s.Rival1.Bytes[0] : s.Rival2.Bytes[0]; }
int16_t& RivalFameShown(GameState& s, int rival) { return rival == 1 ? s.Rival1.Values[5] : s.Rival2.Values[5]; }
uint8_t& RivalWarState(GameState& s, int rival) { return rival == 1 ? s.Rival1WarState : s.Rival2WarState; }
uint8_t& RivalAttackState(GameState& s, int rival) { return rival == 1 ? s.Rival1AttackState : s.Rival2AttackState; }
bool RivalActive(const GameState& s, int rival) { return isSet(rival == 1 ? s.Rival1.Active : s.Rival2.Active); }

int RivalCastleStage(const GameState& s, int rival) {
  const int16_t* v = rival == 1 ? s.Rival1.Values.data() : s.Rival2.Values.data();
  for (int i = 4; i >= 0; --i)
    if (v[i] != 0) return i;
  return -1;
}

std::string CastleDefenceMap(const GameState& s) {
  static const char* const kStages[5] = {"keep", "bailey", "fort", "stronghold", "castle"};
  for (int i = 4; i >= 0; --i)
    if (isSet(s.CastleStageBuilt[i])) return kStages[i];
  return kStages[0];
}

void RivalLordTurn(GameState& s, Rng& rng, RivalEvents& ev, int rival) {
  if (!RivalActive(s, rival) || !isSet(s.PlayerInGame)) return;
  Lord r = lord(s, rival);
  const Calendar& c = calendar(rival);
  economy(s, rng, ev, r, c, rival);
  thieves(s, rng, ev, r, c);
  if (every(s, c.upkeepEvery)) {
    add(r.Gold, -5000);
    ev.message(1, txt::campaign::RivalPaidUpkeep.entry);
  }
  castle(s, r, c, rival);
  playerHealth(s, r);
  restless(s, r, c, rival);
  objectRaids(s, r, c);
  if (!agents(s, rng, ev, r, c, rival)) {
    clampLord(r);
    return;
  }
  raisings(s, ev, r, c, rival);
  villageRaid(s, ev, r, c, rival);
  march(s, ev, r, rival);
  rebels(s, r);
  clampLord(r);
}

void RivalAttackCountdowns(GameState& s, RivalEvents& ev) {
  for (int rival = 1; rival <= 2; ++rival) {
    if (!RivalActive(s, rival)) continue;
    Lord r = lord(s, rival);
    if (r.People < 1) r.People = 0;
    uint8_t& attack = RivalAttackState(s, rival);
    if (attack >= 1 && attack <= 199) {
      --attack;
      continue;
    }
    if (attack != 0 || !isSet(s.PlayerInGame)) continue;
    if (!stands(s, RivalArmyCamp(rival, 0))) {
      // The host was beaten on the way: nobody comes to the gate, and the attack is over.
      attack = kNone;
      continue;
    }
    attack = 201;
    const int camp = PlayerCampOnGate(s);
    if (camp == 0) {
      // Nobody holds the gate: the castle falls.
      s.PlayerInGame = kFalse;
      ev.defeat();
      return;
    }
    s.BattleSite = 8;
    RivalBattle b;
    b.kind = RivalBattleKind::CastleDefence;
    b.rival = rival;
    b.map = CastleDefenceMap(s);
    b.battleKind = 2;
    b.site = 8;
    b.camp = static_cast<uint8_t>(camp);
    b.enemyId = EnemyArmyId(RivalArmyCamp(rival, 0));
    b.enemyMorale = r.Morale;
    ev.battle(b);
  }
}

void RivalLordsTurn(GameState& s, Rng& rng, RivalEvents& ev) {
  RivalLordTurn(s, rng, ev, 1);
  RivalLordTurn(s, rng, ev, 2);
  RivalAttackCountdowns(s, ev);
}

void ApplyRivalBattle(GameState& s, RivalEvents& ev, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft) {
  if (b.kind == RivalBattleKind::Storm) {
    s.EnemyCamp[RivalGarrisonCamp(b.rival)] = enemyLeft;
    ApplyStorm(s, b.rival, playerWon);
    // What the storm gave the rival stays within his ranges until his next turn too.
    Lord held = lord(s, b.rival);
    clampLord(held);
    if (playerWon) ev.notice(txt::campaign::RivalLordDefeated.entry);
    return;
  }
  // The rival's army keeps its survivors and goes home; met on its way, it goes on.
  int army = -1;
  for (int a = 0; a < RivalFieldArmies(b.rival); ++a)
    if (EnemyArmyId(RivalArmyCamp(b.rival, a)) == b.enemyId) army = a;
  if (army >= 0) {
    const uint8_t state = RivalArmyStateByte(s, b.rival, army);
    setArmy(s, b.rival, army, enemyLeft, ArmyStrength(enemyLeft.total()));
    if (b.kind == RivalBattleKind::Intercept && enemyLeft.total() > 0) RivalArmyStateByte(s, b.rival, army) = state;
    // A host on its way to the castle beaten to the last man: the attack is over, and the
    // castle may be entered again.
    if (b.kind == RivalBattleKind::Intercept && state == ArmyMarching && enemyLeft.total() == 0)
      RivalAttackState(s, b.rival) = kNone;
  }
  if (b.kind == RivalBattleKind::Intercept) return;
  if (b.kind == RivalBattleKind::VillageRaid) {
    if (!playerWon) {
      // The raiders plunder the county.
      add(s.Gold, -Fix(s.Gold * 25.0 / 100.0));
      add(s.Crops, -Fix(s.Crops * 25.0 / 100.0));
      add(s.Happiness, -10);
      // The battle comes after the turn's limits were applied: they hold for the loss too.
      s.Happiness = std::clamp<int16_t>(s.Happiness, 0, 100);
    }
    return;
  }
  if (playerWon) {
    RivalAttackState(s, b.rival) = kNone;
  } else {
    s.PlayerInGame = kFalse;
    ev.defeat();
  }
}

}  // namespace fief
