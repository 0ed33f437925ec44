#include "rivals/diplomacy.h"

#include <algorithm>

#include "campaign/message_log.h"
#include "campaign/rules.h"
#include "rivals/rival_turn.h"
#include "state/arith.h"
#include "state/game_state.h"
#include "text_names.h"

namespace fief {

namespace {

const DiploMissionInfo kMissions[kDiploMissions] = {
    {3300, txt::campaign1::Ambassador, txt::levels::AmbassadorHelp},
    {5000, txt::campaign1::Envoy, txt::levels::EnvoyHelp},
    {3450, txt::campaign1::Spy, txt::levels::SpyHelp},
    {4700, txt::captions::Gift, txt::levels::GiftHelp},
};

MissionOutcome toCounty(GameState& s, DiploMission m, int county) {
  uint8_t& rel = s.CountyRelation[county - 1];
  const int price = diploMission(m).price;
  switch (m) {
    case DiploMission::Ambassador:
      if (s.Gold < price) return MissionOutcome::NotEnoughGold;
      if (rel != 0) return MissionOutcome::NoEffect;
      rel = 1;
      add(s.Diplomacy, 1);
      break;
    case DiploMission::Gift:
      if (s.Gold < price) return MissionOutcome::NotEnoughGold;
      if (rel < 1) return MissionOutcome::Refused;
      // Gifts count up below 100, which only an envoy gives: a gift never turns a county
      // into a won-over one, and one sent to a won-over county keeps it won over.
      if (rel < kMostGifts) ++rel;
      add(s.Diplomacy, 1);
      break;
    case DiploMission::Envoy:
      if (s.Gold < price) return MissionOutcome::NotEnoughGold;
      if (rel < 3) return MissionOutcome::Refused;
      rel = kWonOver;
      add(s.Diplomacy, 2);
      break;
    case DiploMission::Spy: return MissionOutcome::NoEffect;
  }
  add(s.Gold, -price);
  return MissionOutcome::Done;
}

MissionOutcome toRival(GameState& s, DiploMission m, int rival) {
  // A lord out of the game has no court to send anyone to, as he has no war to declare.
  if (!rivalActive(s, rival)) return MissionOutcome::OutOfGame;
  uint8_t& rel = rivalRelation(s, rival);
  const int price = diploMission(m).price;
  switch (m) {
    case DiploMission::Ambassador:
      if (s.Gold < price) return MissionOutcome::NotEnoughGold;
      if (rel != 0) return MissionOutcome::NoEffect;
      rel = 1;
      add(s.Diplomacy, 1);
      break;
    case DiploMission::Spy:
      if (s.Gold < price) return MissionOutcome::NotEnoughGold;
      if (rel != 1) return MissionOutcome::Refused;
      rel = kSpyPlaced;
      break;
    case DiploMission::Envoy:
    case DiploMission::Gift: return MissionOutcome::NoEffect;
  }
  add(s.Gold, -price);
  return MissionOutcome::Done;
}

void stepPercent(uint8_t& p, int direction) {
  if (direction > 0 && p < 100) p = static_cast<uint8_t>(std::min(100, p + 10));
  else if (direction < 0 && p > 0) p = static_cast<uint8_t>(std::max(0, p - 10));
}

uint8_t goodOfRow(int row) { return static_cast<uint8_t>(std::clamp(row, 0, 2) + 1); }

}  // namespace

const DiploMissionInfo& diploMission(DiploMission m) { return kMissions[static_cast<int>(m)]; }

MissionOutcome SendMission(GameState& s, DiploMission m, DiploView view, int target) {
  if (view == DiploView::Counties) {
    if (target < 1 || target > 10) return MissionOutcome::NoEffect;
    return toCounty(s, m, target);
  }
  if (target < 1 || target > 2) return MissionOutcome::NoEffect;
  return toRival(s, m, target);
}

uint8_t& warState(GameState& s, int rival) { return rival == 2 ? s.Rival2WarState : s.Rival1WarState; }
uint8_t& rivalRelation(GameState& s, int rival) { return s.RivalRelation[rival == 2 ? 1 : 0]; }
bool rivalActive(const GameState& s, int rival) { return isSet(rival == 2 ? s.Rival2.Active : s.Rival1.Active); }

WarOutcome DeclareWar(GameState& s, int rival) {
  if (s.Rival1WarState > 0 || s.Rival2WarState > 0) return WarOutcome::OneWarAtATime;
  // A rival out of the game takes no turns: his war would never end and would bar any
  // other war for good.
  if (!rivalActive(s, rival)) return WarOutcome::OutOfGame;
  warState(s, rival) = 1;
  return WarOutcome::Asked;
}

bool ConfirmWar(Rules& g, int rival) {
  uint8_t& w = warState(g.s, rival);
  if (w != 1) return false;
  w = 5;
  // His host sets out for the village at once.
  SendRaiders(g.s, rival);
  AddMessage(g, 2, txt::campaign::WarDeclared);
  return true;
}

void WithdrawWar(GameState& s, int rival) {
  uint8_t& w = warState(s, rival);
  if (w == 1) w = 0;
}

std::vector<int> rivalStatusEntries(const GameState& s, int rival) {
  if (!rivalActive(s, rival)) return {129};
  const uint8_t rel = s.RivalRelation[rival == 2 ? 1 : 0];
  if (rel == kSpyPlaced) return {127, 121};
  if (rel >= 1 && rel <= 99) return {127, 119};
  return {127};
}

void ChooseSellGood(GameState& s, int row) { s.SellGood = goodOfRow(row); }
void ChooseBuyGood(GameState& s, int row) { s.BuyGood = goodOfRow(row); }
void StepSellPercent(GameState& s, int direction) { stepPercent(s.SellPercent, direction); }
void StepBuyPercent(GameState& s, int direction) { stepPercent(s.BuyPercent, direction); }

TradeOffer exportOffer(const GameState& s) {
  const double p = s.SellPercent;
  switch (s.SellGood) {
    case 1: return {Int(s.Wood * p / 100.0), Int(s.Wood * p / 235.0)};
    case 2: return {Int(s.Stone * p / 100.0), Int(s.Stone * p / 185.0)};
    case 3: return {Int(s.Ore * p / 100.0), Int(s.Ore * p / 125.0)};
    default: return {};
  }
}

TradeOffer importOffer(const GameState& s) {
  const double q = s.BuyPercent;
  switch (s.BuyGood) {
    case 1: return {Int(s.BuyBaseWood * q / 100.0), Int(s.BuyBaseWood * q / 120.0)};
    case 2: return {Int(s.BuyBaseStone * q / 100.0), Int(s.BuyBaseStone * q / 90.0)};
    case 3: return {Int(s.BuyBaseOre * q / 100.0), Int(s.BuyBaseOre * q / 70.0)};
    default: return {};
  }
}

bool tradeRuns(const GameState& s) { return s.Diplomacy >= s.TradeDiplomacyThreshold; }

}  // namespace fief
