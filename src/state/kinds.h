// Names for the kinds the game state stores as bytes. The enumerations are unscoped with a
// byte underneath, so a stored byte compares with them directly and keeps its width and
// value; a stored file may hold a byte no name stands for, and the code must expect it.
#pragma once

#include <cstdint>

namespace fief {

// FieldKind[0..9]: what one of the ten fields is (its caption is table 4, entry = kind).
enum FieldKind : uint8_t {
  kEmptyField = 0,
  kCropField = 1,
  kPastureField = 2,
  kRuinedField = 3,  // spoiled by the frost; cannot be changed until it is cleared
  kTaxField = 4,
};

// BuildingUnderWay and the build screen's choices: the buildings in their table order
// (game tables Buildings[kind], name table 4 entry 73 + kind). 0: nothing under way.
enum BuildingKind : uint8_t {
  kNoBuilding = 0,
  kBlacksmithBuilding = 1,
  kBarracksBuilding = 2,
  kStablesBuilding = 3,
  kMarketBuilding = 4,
  kThievesGuildBuilding = 5,
  kKeepBuilding = 6,  // the five castle stages, CastleStageBuilt[kind - kKeepBuilding]
  kBaileyBuilding = 7,
  kFortBuilding = 8,
  kStrongholdBuilding = 9,
  kCastleBuilding = 10,
};

// The kinds of the event dialog (MsgFrm): what it asks or tells, the picture it shows and
// what its answers do. MsgKind holds the kind of the dialog on view.
enum EventKind : uint8_t {
  kNoticeEvent = 0,          // a plain notice: one button, no consequence
  kKingsLevyEvent = 1,       // every 16th turn: the King's marshal asks for provisions
  kFameEvent = 2,            // the lord's status reached 50 (told once)
  kRebellionEvent = 3,       // the mob rises
  kCrusadeEvent = 4,         // every 24th turn
  kBurnedAbbeyEvent = 5,     // every 19th turn
  kCometEvent = 6,           // every 40th turn, a notice
  kArmsMerchantsEvent = 7,   // every 20th turn
  kTenantsLevyEvent = 8,     // every 13th turn
  kWarOnRival1Event = 9,     // the war question against rival 1; rival 2 is the next kind
  kWarOnRival2Event = 10,
  kGiveBattleEvent = 11,     // an army's way is blocked: give battle?
  kLaySiege1Event = 12,      // lay siege at site 1; site 2 is the next kind
  kLaySiege2Event = 13,
  kStormCastle1Event = 14,   // storm the castle besieged at site 1; site 2 is the next kind
  kStormCastle2Event = 15,
  kGiftThanksEvent = 19,     // a rival thanks for a gift
  kOsricClaimEvent = 20,     // every 35th turn (harder difficulties): the claim on village 1
  kMercenaryDrillEvent = 21, // every 47th turn (harder difficulties)
  kLostBattleEvent = 22,     // the army was beaten on the field
  kExitQuestion = 105,       // the exit question of the campaign screen (Escape, the menu's Exit)
  kExitToTitleQuestion = 106,  // the menu's exit to the title programs
};

// The kinds that come in pairs, by site (1, 2) or rival (1, 2).
constexpr EventKind laySiegeEvent(int site) { return static_cast<EventKind>(kLaySiege1Event + site - 1); }
constexpr EventKind stormCastleEvent(int site) { return static_cast<EventKind>(kStormCastle1Event + site - 1); }
constexpr EventKind warOnRivalEvent(int rival) { return static_cast<EventKind>(kWarOnRival1Event + rival - 1); }

// FadeMode: what the fade screen (EndTurnFrm) does when it darkens the campaign screen.
enum FadeMode : uint8_t {
  kNoFade = 0,
  kEndTurnFade = 1,   // the end of turn runs behind it
  kBattleFade = 2,    // the battle program takes over after it
};

}  // namespace fief
