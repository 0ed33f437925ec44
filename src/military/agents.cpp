#include "military/agents.h"

#include "state/arith.h"
#include "state/game_state.h"
#include "turn/turn.h"

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

}  // namespace fief
