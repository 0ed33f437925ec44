// The screens of the title programs (no rules, no platform): the title menu (TitleFrm)
// of menudata.rz, the splash card (SplashFrm) of splash.rz and the story cards
// (StoryFrm) of introdata.rz and outrodata.rz. Full-screen forms: they lay themselves
// out for the display mode of the display settings.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

namespace fief {

// The title menu: New Campaign (then a difficulty), Continue (when saves exist), Quit.
class TitleFrm : public Form {
 public:
  explicit TitleFrm(Game& g);
  void Form_Load() override;
  void Form_KeyUp(Key k) override;

  // Writes the difficulty and a fresh start request, starts the campaign program, ends.
  void newCampaign(int difficulty);
  // Asks the campaign program to open its load screen, starts it, ends.
  void continueCampaign();
  // Are there saved games to continue?
  bool hasSaves() const;

  // The top of the pennant over the castle of the title picture, in percent of the
  // screen's height (the picture is stretched to the screen).
  static constexpr int kPennantTopPercent = 24;

 private:
  void layout();
  void showDifficulty(bool on);
  bool playsFromShippedFiles() const;
  void launch(long loadRequest);
};

// The splash card: shown for 2.5 seconds or until a click or a key, then the program ends.
class SplashFrm : public Form {
 public:
  explicit SplashFrm(Game& g);
  void Form_Load() override;
  void Form_KeyUp(Key k) override;
  void Form_Click() override;
  static constexpr int kShowMs = 2500;
};

// Story cards: a picture, a title and a paragraph; a click or a key shows the next card;
// after the last one the program in `next` starts (the title menu) and this one ends.
class StoryFrm : public Form {
 public:
  struct Card {
    std::string picture, title, text;
  };
  explicit StoryFrm(Game& g);
  void Form_Load() override;
  void Form_KeyUp(Key k) override;
  void Form_Click() override;

  std::vector<Card> cards;
  std::string next = "menudata.rz";
  size_t current = 0;
  void advance();

  // The cards of the intro and of the outro.
  static std::vector<Card> introCards();
  static std::vector<Card> outroCards();

 private:
  void showCard();
};

}  // namespace fief
