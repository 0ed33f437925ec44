# Screen sources whose names do not say so (paths under src/). Everything here may use
# forms, the shell and the timers; see docs/architecture.md.
set(SCREEN_SOURCES
  campaign/advanced_settings.cpp   # reads Advanced.rz, tells the player with a message box
  campaign/campaign_start.cpp      # program and campaign start: opens the first screens
  campaign/game.cpp                # the screens' context
  campaign/missions.cpp            # leaving a level: starts the next program
  map/help_line.cpp
  map/map_scroll.cpp
  map/map_view.cpp
  turn/end_turn_command.cpp
  turn/timer_setup.cpp
)
