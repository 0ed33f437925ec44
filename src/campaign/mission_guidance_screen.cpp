// Guidance on the mission screen: the progress texts of the objectives and where a click
// on one takes the player.
#include <algorithm>
#include <cctype>
#include <tuple>

#include "campaign/mission_guidance.h"
#include "map/map_scroll.h"
#include "military/military_screens.h"
#include "military/units.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {

const char* const kStageNames[6] = {"", "Keep", "Bailey", "Fort", "Stronghold", "Castle"};

bool yesOrNo(GoalKind k) {
  switch (k) {
    case GoalKind::CastleStage:
    case GoalKind::CastleStageOrNext:
    case GoalKind::RivalOut:
    case GoalKind::DolmenHeld:
    case GoalKind::RuinsQuiet:
    case GoalKind::VillageRising:
    case GoalKind::Tutorial: return true;
    default: return false;
  }
}

std::string goalName(Game& g, const ObjectiveGoal& goal) {
  const int w = goal.what;
  switch (goal.kind) {
    case GoalKind::Raised: return g.text(txt::campaign1::UnitNames[typeNumber(static_cast<Unit>(w))]);
    case GoalKind::FieldsFreed: return "Hostile armies beaten";
    case GoalKind::CastleStage: return std::string(kStageNames[std::clamp(w, 1, 5)]) + " built";
    case GoalKind::CastleStageOrNext: {
      std::string next = kStageNames[std::clamp(w + 1, 2, 5)];
      next[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(next[0])));
      return std::string(kStageNames[std::clamp(w, 1, 4)]) + " or " + next + " built";
    }
    case GoalKind::RivalOut: return "Rival lord out of play";
    case GoalKind::TipFlagsCleared: return "Raiders stopped";
    case GoalKind::DolmenHeld: return "Dolmen held";
    case GoalKind::RuinsQuiet: return "Ruins quiet";
    case GoalKind::VillageRising: return "Village rising";
    case GoalKind::SpiesPlaced: return "Spies placed";
    case GoalKind::Wood: return g.text(txt::captions::Wood);
    case GoalKind::Stone: return g.text(txt::captions::Stone);
    case GoalKind::Crops: return g.text(txt::captions::Crops);
    case GoalKind::Meat: return g.text(txt::captions::Meat);
    case GoalKind::Bows: return "Bows";
    case GoalKind::Clubs: return "Clubs";
    case GoalKind::Swords: return "Swords";
    case GoalKind::ChainMail: return "Chain mail";
    case GoalKind::Science: return "Science";
    case GoalKind::Diplomacy: return "Diplomacy";
    case GoalKind::Leadership: return "Leadership";
    case GoalKind::Morale: return "Morale";
    case GoalKind::Happiness: return "Happiness";
    case GoalKind::Health: return "Health";
    case GoalKind::RebelCounter: return "Counter";
    case GoalKind::Tutorial: return "Tutorial finished";
  }
  return {};
}

void pressCampButton(Game& g, const char* button) {
  if (g.formExists("Camp1Frm")) g.form("Camp1Frm").fire(button, Ev::Click);
}

}  // namespace

std::pair<int, int> viewCentredOn(int x, int y, int mapWidth, int mapHeight, int width, int height) {
  return {std::clamp(width / 2 - x, std::min(0, width - mapWidth), 0),
          std::clamp(height / 2 - y, std::min(0, height - mapHeight), 0)};
}

std::string goalText(Game& g, const ObjectiveGoal& goal) {
  if (yesOrNo(goal.kind)) return goalName(g, goal) + (goal.met() ? ": done" : ": not yet");
  return goalName(g, goal) + " " + std::to_string(goal.have) + " / " + std::to_string(goal.need);
}

std::string objectiveProgressText(Game& g, int objective) {
  std::string text;
  for (const ObjectiveGoal& goal : objectiveGoals(g.s, g.s.CurrentLevel, objective))
    text += (text.empty() ? "" : "   ") + goalText(g, goal);
  return text;
}

GoalAction goalAction(const ObjectiveGoal& goal) {
  switch (goal.kind) {
    case GoalKind::Raised: return GoalAction::Recruit;
    case GoalKind::FieldsFreed: return GoalAction::ShowArmy;
    case GoalKind::CastleStage:
    case GoalKind::CastleStageOrNext: return GoalAction::Build;
    case GoalKind::Morale:
    case GoalKind::Leadership:
    case GoalKind::Diplomacy: return GoalAction::Leader;
    case GoalKind::Bows:
    case GoalKind::Clubs:
    case GoalKind::Swords:
    case GoalKind::ChainMail: return GoalAction::Blacksmith;
    case GoalKind::Science: return GoalAction::Science;
    case GoalKind::Happiness:
    case GoalKind::Health: return GoalAction::People;
    default: return GoalAction::None;
  }
}

bool actOnObjective(Game& g, int objective) {
  const std::vector<ObjectiveGoal> goals = objectiveGoals(g.s, g.s.CurrentLevel, objective);
  if (goals.empty()) return false;
  auto goal = std::find_if(goals.begin(), goals.end(), [](const ObjectiveGoal& x) { return !x.met(); });
  if (goal == goals.end()) goal = goals.begin();
  switch (goalAction(*goal)) {
    case GoalAction::Recruit:
      // Soldiers are raised in the barracks: without them the build screen is where to act.
      if (isSet(g.s.BarracksBuilt)) OpenRecruiting(g, LevyPlace::Castle);
      else pressCampButton(g, "BuildBtn");
      return false;
    case GoalAction::ShowArmy: {
      // The first field whose army still holds it, from the objective's first field on.
      const int first = goal->what;
      for (int i = first; i <= 3; ++i)
        if (isSet(g.s.MapEventFlags[i - 1])) {
          showOnMap(g, "FieldBattleImg" + std::to_string(i));
          return true;
        }
      return false;
    }
    case GoalAction::Build: pressCampButton(g, "BuildBtn"); return false;
    case GoalAction::Leader:
      g.s.LeaderShown = 1;
      g.form("LeaderFrm").showModal();
      return false;
    case GoalAction::Blacksmith: pressCampButton(g, "BlacksmithBtn"); return false;
    case GoalAction::Science: pressCampButton(g, "ScienceBtn"); return false;
    case GoalAction::People: pressCampButton(g, "PeopleBtn"); return false;
    case GoalAction::None: return false;
  }
  return false;
}

}  // namespace fief
