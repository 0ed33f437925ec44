#include "state/save_record.h"

#include "state/record_io.h"

namespace fief {

namespace {

template <class IO, class T, size_t N>
void u8s(IO& io, std::array<T, N>& a) { for (auto& v : a) io.u8(v); }
template <class IO, size_t N>
void i16s(IO& io, std::array<int16_t, N>& a) { for (auto& v : a) io.i16(v); }

template <class IO, class E>
void composition(IO& io, Composition<E>& c) {
  io.u8(c.Monk);
  for (auto& v : c.Mid) io.i16(v);
  io.u8(c.Warlord);
  if constexpr (sizeof(E) == 1) io.u8(c.Enginer);
  else io.i16(c.Enginer);
}

template <class IO, int NV, int NB>
void rival(IO& io, RivalRecord<NV, NB>& r) {
  io.i16(r.Active);
  io.i32(r.Gold);
  io.u8(r.TaxRate);
  io.f32(r.Morale);
  io.i32(r.Happiness);
  io.i32(r.People);
  io.i16(r.Leadership); io.i16(r.Nobility); io.i16(r.Diplomacy); io.i16(r.Religion);
  io.u8(r.AssassinLevel); io.u8(r.DevelopmentLevel); io.u8(r.DevelopmentCountdown);
  i16s(io, r.Values);
  u8s(io, r.Bytes);
}

template <class IO>
void record(IO& io, GameState& s) {
  io.u8(s.CurrentLevel);
  io.i16(s.PlayerInGame);
  for (uint8_t* p : {&s.TurnCounter, &s.ResultMark1, &s.ResultMark2, &s.Season, &s.Rival1WarState,
                     &s.Rival2WarState, &s.SiegeState1, &s.Rival1AttackState, &s.Rival2AttackState,
                     &s.SiegeState2})
    io.u8(*p);
  for (int32_t* p : {&s.Gold, &s.Wood, &s.Stone, &s.Ore, &s.Crops, &s.Meat, &s.People}) io.i32(*p);
  io.i16(s.Happiness);
  io.i16(s.Health);
  io.u8(s.TaxRate);
  // The tithe is kept as its low 16 bits and sign-extended on load.
  int16_t tithe = static_cast<int16_t>(s.ChurchTithe);
  io.i16(tithe);
  if constexpr (IO::kLoading) s.ChurchTithe = tithe;
  io.u8(s.ScienceLevel); io.u8(s.ResearchCountdown); io.u8(s.GuardLevel); io.u8(s.GuardTrainingCountdown);
  for (int32_t* p : {&s.LastGold, &s.LastWood, &s.LastStone, &s.LastOre, &s.LastCrops, &s.LastMeat, &s.LastPeople})
    io.i32(*p);
  io.i16(s.LastHappiness); io.i16(s.LastHealth);
  io.i32(s.IdlePeople);
  io.i16(s.CropFieldPeople); io.i16(s.PasturePeople); io.i16(s.CropYield); io.i16(s.MeatYield);
  io.u8(s.MeatLossToWolves); io.u8(s.CropLossToBirds);
  io.f32(s.Morale);
  io.i16(s.EatMeat); io.i16(s.EatCrops); io.i16(s.TournamentHeld); io.i16(s.TournamentStake);
  for (uint8_t* p : {&s.ThiefLootGold, &s.ThiefLootWood, &s.ThiefLootStone, &s.ThiefLootOre, &s.GarrisonFoodMark,
                     &s.CastleGarrisonCamp, &s.TaxFieldCount})
    io.u8(*p);
  u8s(io, s.CampWaypoint);
  io.u8(s.WalkDirection);
  io.u8(s.OutlawBand);
  io.u8(s.SpareByte);
  io.u8(s.SelectedCamp);
  io.i16(s.WoodCutterPeople); io.i16(s.WoodCutters); u8s(io, s.WoodCutterSlots);
  io.i16(s.StoneCutterPeople); io.i16(s.StoneCutters); u8s(io, s.StoneCutterSlots);
  io.i16(s.OreCutterPeople); io.i16(s.OreCutters); u8s(io, s.OreCutterSlots);
  io.u8(s.BlacksmithOrder);
  io.i16(s.BowStock); io.i16(s.LongBowStock);
  io.u8(s.WarlordGearStock);
  for (int16_t* p : {&s.EnginerGearStock, &s.ClubStock, &s.SwordStock, &s.HelebardStock, &s.TwoHandStock,
                     &s.MaceStock, &s.PikeStock, &s.CrossStock, &s.ChainMailStock, &s.PlateStock, &s.ShieldStock})
    io.i16(*p);
  i16s(io, s.ArmyCampSoldiers);
  i16s(io, s.CampExists);
  u8s(io, s.CampMovesLeft);
  io.u8(s.ObjectMissionCountdown); io.u8(s.ObjectMissionTarget);
  u8s(io, s.GuardScreenValue);
  for (auto& c : s.CampComposition) composition(io, c);
  io.u8(s.BuildTurnsLeft); io.u8(s.BuildingUnderWay);
  for (Flag* p : {&s.BlacksmithBuilt, &s.BarracksBuilt, &s.StablesBuilt, &s.MarketBuilt, &s.ThievesBuilt}) io.i16(*p);
  i16s(io, s.CastleStageBuilt);
  u8s(io, s.CountyBlessings);
  io.i16(s.RuinsQuiet); io.i16(s.CaveQuiet);
  u8s(io, s.VillageState);
  u8s(io, s.WindmillState);
  io.u8(s.OutpostState); io.u8(s.MapObjectByte);
  u8s(io, s.ChestState);
  u8s(io, s.FieldKind);
  uint8_t reserved = 0;  // written as 0, never read back
  io.u8(reserved);
  io.i16(s.Leadership); io.i16(s.Nobility); io.i16(s.Diplomacy); io.i16(s.Religion);
  io.u8(s.SellPercent); io.u8(s.BuyPercent); io.u8(s.SellGood); io.u8(s.BuyGood);
  io.i32(s.BuyBaseWood); io.i32(s.BuyBaseStone); io.i32(s.BuyBaseOre);
  io.u8(s.DiploMark);
  u8s(io, s.CountyRelation);
  u8s(io, s.RivalRelation);
  rival(io, s.Rival1);
  for (int k = 0; k < 3; ++k) composition(io, s.EnemyCamp[k]);
  rival(io, s.Rival2);
  for (int k = 3; k < 5; ++k) composition(io, s.EnemyCamp[k]);
  io.i16(s.RebelsActive);
  i16s(io, s.RebelCounters);
  io.i16(s.RebelForceA); io.i16(s.RebelForceB); io.i16(s.RebelForceC); io.i16(s.RebelForceD);
  i16s(io, s.MapEventFlags);
  // Opponent slots are stored counter by counter, each counter for slots 0..5.
  for (auto& slot : s.OpponentArmySlots) io.u8(slot.Monk);
  for (int c = 0; c < 11; ++c)
    for (auto& slot : s.OpponentArmySlots) io.i16(slot.Mid[c]);
  for (auto& slot : s.OpponentArmySlots) io.u8(slot.Warlord);
  for (auto& slot : s.OpponentArmySlots) io.u8(slot.Enginer);
  i16s(io, s.TipFlags);
  // The battle army is written but a load leaves the live one as it is.
  if constexpr (IO::kLoading) {
    ArmyComp ignored;
    composition(io, ignored);
  } else {
    composition(io, s.BattleArmy);
  }
}

}  // namespace

std::vector<uint8_t> encodeSave(const GameState& s) {
  RecordWriter out;
  record(out, const_cast<GameState&>(s));
  return out.w.take();
}

bool decodeSave(const std::vector<uint8_t>& bytes, GameState& into, std::string& err) {
  if (bytes.size() < kSaveRecordSize) {
    err = "the file holds " + std::to_string(bytes.size()) + " bytes, a saved game needs " +
          std::to_string(kSaveRecordSize);
    return false;
  }
  GameState scratch = into;
  RecordReader in{ByteReader(bytes.data(), kSaveRecordSize)};
  record(in, scratch);
  if (!in.r.ok() || in.r.pos() != kSaveRecordSize) {
    err = "the saved game record is damaged";
    return false;
  }
  into = scratch;
  return true;
}

}  // namespace fief
