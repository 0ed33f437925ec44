# The agents' outcomes not played elsewhere: a scout winning the great chapel (the
# player's flag goes onto it), an assassin sent at a rival lord whose guard is as good
# as he is, and one at rival 2's army with the draw he needs. Each queues its animation.
# The draws of a turn before the agents' own are the three of the population drift.
seed 9
start
click TipsFrm.CloseLbl
set Advanced.AnimatedSprites -1
set Rival1.Active -1
set Rival2.Active -1
set Gold 20000
# The scout to the far lands: a draw of 130 wins the great chapel.
key Camp1Frm M
click GuardFrm.Image4
click GuardFrm.OkAniBtn
expect ObjectMissionTarget = 3
set ObjectMissionCountdown 0
set TurnCounter 2
set Happiness 80
set Health 80
rng 0.5 0.5 0.5 0.30
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/scout_ok.rz"
expect TurnAnimationFlags[1] = 0
key MovieFrm Escape
expect CountyBlessings[4] = 1
expect-screen Camp1Frm.FlagImg visible = true
expect-screen Camp1Frm.FlagImg left = FLAGLEFT
expect-screen Camp1Frm.FlagImg top = FLAGTOP
