#include "campaign/key_help.h"

namespace fief {

const std::vector<KeyHelpRow>& keyHelp() {
  using K = Key;
  constexpr KeyWindow C = KeyWindow::Campaign, B = KeyWindow::Battle;
  static const std::vector<KeyHelpRow> rows = {
      {C, {K::F1}, "F1", "These keys"},
      {C, {K::Enter}, "Enter", "End the turn"},
      {C, {K::F4}, "F4", "Messages of the turn"},
      {C, {K::F6}, "F6", "Quick save"},
      {C, {K::F7}, "F7", "Quick load"},
      {C, {K::Escape}, "Escape", "Leave the game (asks first)"},
      {C, {K::F3}, "F3", "Map back to the castle"},
      {C, {K::F11}, "F11", "Map information"},
      {C, {K::Up, K::Down, K::Left, K::Right}, "Arrow keys", "Stop the map scrolling"},
      {C, {K::Add, K::Subtract}, "+  -", "Map scrolls faster, slower"},
      {C, {K::Divide}, "/", "Map scrolls at normal speed"},
      {C, {K::A}, "A", "Recruit soldiers"},
      {C, {K::U}, "U", "Build"},
      {C, {K::B}, "B", "Blacksmith"},
      {C, {K::Y}, "Y", "Armoury"},
      {C, {K::P}, "P", "People and food"},
      {C, {K::T}, "T", "Taxes"},
      {C, {K::S}, "S", "Science"},
      {C, {K::W}, "W", "Weather"},
      {C, {K::L}, "L", "Religion"},
      {C, {K::D}, "D", "Diplomacy"},
      {C, {K::R}, "R", "Realm overview"},
      {C, {K::M}, "M", "Scouts and assassins"},
      {C, {K::D1, K::D2, K::D3}, "1  2  3", "Your sheet, the rivals' sheets"},
      {B, {K::Add, K::Subtract}, "+  -", "Battle faster, slower"},
      {B, {K::P}, "P", "Pause, go on"},
      {B, {K::Enter}, "Enter", "Fight!, then finish now; at the end, back to the campaign"},
      {B, {K::Escape}, "Escape", "Let go of the choice, else Enter"},
      {B, {K::N}, "N", "Choose the next formation"},
      {B, {K::D1, K::D2, K::D3, K::D4, K::D5, K::D6, K::D7, K::D8, K::D9}, "1 .. 9", "Choose a formation by its number"},
      {B, {K::H}, "H", "The chosen formation holds"},
      {B, {K::B}, "B", "The chosen formation falls back"},
      {B, {K::A}, "A", "All attack"},
      {B, {K::G}, "G", "All hold"},
      {B, {K::R}, "R  R", "Retreat (R twice within 2 s)"},
  };
  return rows;
}

}  // namespace fief
