#include "military/agents.h"

#include "campaign/reseed.h"
#include "campaign/rules.h"
#include "state/arith.h"
#include "state/countdown.h"
#include "state/game_state.h"
#include "text_names.h"

namespace fief {

int servicePrice(const GameState& s, Service v) {
  switch (v) {
    case Service::Scout: return kScoutPrice;
    case Service::Assassin: {
      const double c = kAssassinPrice;
      return s.CountyBlessings[7] == 1 ? static_cast<int>(Fix(c - c / 3.33333)) : kAssassinPrice;
    }
    case Service::Guard: return s.GuardLevel * kGuardPricePerLevel;
  }
  return 0;
}

uint8_t& serviceCountdown(GameState& s, Service v) {
  switch (v) {
    case Service::Scout: return s.ObjectMissionCountdown;
    case Service::Assassin: return s.GuardScreenValue[AssassinCountdown];
    case Service::Guard: break;
  }
  return s.GuardTrainingCountdown;
}

bool serviceRunning(const GameState& s, Service v) {
  return serviceCountdown(const_cast<GameState&>(s), v) != kNone;
}

int scoutTurns(int area) { return area == 1 ? 1 : area == 2 ? 2 : area == 3 ? 4 : 0; }
int scoutedBlessing(int area) { return area == 1 ? 6 : area == 2 ? 0 : area == 3 ? 4 : -1; }
int assassinMissionOfRow(int row) { return row == 3 ? 1 : 2; }

namespace {
// Takes the price when the service is idle and the treasury holds it.
ServiceOutcome pay(GameState& s, Service v) {
  if (serviceRunning(s, v)) return ServiceOutcome::AlreadyRunning;
  const int price = servicePrice(s, v);
  if (s.Gold < price) return ServiceOutcome::NotEnoughGold;
  add(s.Gold, -price);
  return ServiceOutcome::Started;
}
}  // namespace

ServiceOutcome StartScout(GameState& s, int area) {
  if (scoutTurns(area) == 0) return ServiceOutcome::NothingChosen;
  const ServiceOutcome o = pay(s, Service::Scout);
  if (o != ServiceOutcome::Started) return o;
  s.ObjectMissionCountdown = static_cast<uint8_t>(scoutTurns(area));
  s.ObjectMissionTarget = static_cast<uint8_t>(area);
  return o;
}

ServiceOutcome StartAssassin(GameState& s, int rival, int mission) {
  if ((rival != 1 && rival != 2) || (mission != 1 && mission != 2)) return ServiceOutcome::NothingChosen;
  // A lord out of the game has neither a court nor an army to strike at.
  if (!isSet(rival == 1 ? s.Rival1.Active : s.Rival2.Active)) return ServiceOutcome::OutOfGame;
  const ServiceOutcome o = pay(s, Service::Assassin);
  if (o != ServiceOutcome::Started) return o;
  auto& v = s.GuardScreenValue;
  v[AssassinCountdown] = mission == 1 ? 4 : 2;
  v[AssassinTarget] = static_cast<uint8_t>(rival);
  v[AssassinMission] = static_cast<uint8_t>(mission);
  return o;
}

ServiceOutcome TrainGuard(GameState& s) {
  const ServiceOutcome o = pay(s, Service::Guard);
  if (o != ServiceOutcome::Started) return o;
  s.GuardTrainingCountdown = static_cast<uint8_t>(Int(s.GuardLevel / 3.0));
  return o;
}

bool CancelService(GameState& s, Service v) {
  uint8_t& c = serviceCountdown(s, v);
  if (c == kNone) return false;
  // The refund is what the service costs now, which is what was paid: the statue's
  // reduction applies to the refund as it did to the price.
  add(s.Gold, servicePrice(s, v));
  c = kNone;
  if (v == Service::Assassin) s.GuardScreenValue[AssassinMission] = 0;
  if (v == Service::Scout) s.ObjectMissionTarget = 0;
  return true;
}

void AdvanceObjectMission(Rules& g) {
  GameState& s = g.s;
  if (!countDown(s.ObjectMissionCountdown)) return;
  ReseedFromClock(g);
  const long long roll = g.rng.draw(100, 100);
  if (roll >= 130) {
    // Area 1 wins the obelisk, area 2 the dolmen, area 3 the great chapel.
    if (const int b = scoutedBlessing(s.ObjectMissionTarget); b >= 0) s.CountyBlessings[b] = 1;
    s.TurnAnimationFlags[1] = 1;
    AddMessage(g, 2, txt::campaign::AgentsSucceeded);
  } else {
    s.TurnAnimationFlags[1] = 2;
    AddMessage(g, 2, txt::campaign::AgentsFailed);
  }
  s.ObjectMissionTarget = 0;
}

void AdvanceAssassins(Rules& g) {
  GameState& s = g.s;
  auto& v = s.GuardScreenValue;
  if (every(s, 8)) add(v[AssassinSkill], 1);
  if (!countDown(v[AssassinCountdown])) return;
  const int rival = v[AssassinTarget];
  bool success = false;
  if (rival == 1 || rival == 2) {
    // A rival's guard level is his development level (trained the way the player's guard is).
    const int guard = rival == 1 ? s.Rival1.DevelopmentLevel : s.Rival2.DevelopmentLevel;
    if (v[AssassinMission] == 1) {
      success = guard < v[AssassinSkill];
      if (success) (rival == 1 ? s.Rival1.Leadership : s.Rival2.Leadership) = 0;
    } else if (v[AssassinMission] == 2) {
      ReseedFromClock(g);
      const long long roll = g.rng.draw(100, 100);
      success = roll >= (rival == 2 ? 150 : 140);
      if (success) add(rival == 1 ? s.Rival1.Morale : s.Rival2.Morale, -25);
    }
  }
  s.TurnAnimationFlags[0] = success ? 1 : 2;
  AddMessage(g, 2, success ? 83 : 84);
  v[AssassinMission] = 0;
}

}  // namespace fief
