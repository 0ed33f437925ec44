# The agents' outcomes not played elsewhere: a scout winning the great chapel (the
# player's flag goes onto it), an assassin sent at a rival lord whose guard is as good
# as he is, and one at rival 2's army with the draw he needs. Each queues its animation.
# The draws of a turn before the agents' own are the three of the population drift.
seed 9
include common/campaign.fsi
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
expect-screen Camp1Frm.FlagImg left = 1540
expect-screen Camp1Frm.FlagImg top = 274
expect-screen Camp1Frm.GChapelImg1 left = 1484
expect-screen Camp1Frm.GChapelImg1 top = 294
# The assassin at rival 1 himself, whose guard (2) is as good as the assassin's skill (2):
# he is caught, and the lord keeps his leadership.
set Rival1.DevelopmentLevel 2
set Rival1.Leadership 40
key Camp1Frm M
click GuardFrm.AssassinBtn
pick GuardFrm.AssassinLst 3
click GuardFrm.OkAniBtn
set GuardScreenValue[0] 2
set GuardScreenValue[1] 0
set TurnCounter 2
set Happiness 80
set Health 80
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/assassin_failed.rz"
expect-screen MovieFrm.MovieLbl text = "Assassin"
expect-screen MovieFrm.MsgLbl text = "Your assassin was caught before he could strike."
key MovieFrm Escape
expect Rival1.Leadership = 40
expect TurnAnimationFlags[0] = 0
# At rival 2's army with a draw of 150, his threshold: the army loses 25 morale.
key Camp1Frm M
click GuardFrm.AssassinBtn
pick GuardFrm.AssassinLst2 1
click GuardFrm.OkAniBtn
expect GuardScreenValue[2] = 2
expect GuardScreenValue[3] = 2
set GuardScreenValue[1] 0
set Rival2.Morale 60
# his own turn leaves his morale alone: no leadership or nobility to move it
set Rival2.Leadership 0
set Rival2.Nobility 0
set TurnCounter 2
set Happiness 80
set Health 80
rng 0.5 0.5 0.5 0.50
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/assassin_ok.rz"
expect-screen MovieFrm.MsgLbl text = "Your assassin has done his work and slipped away unseen."
key MovieFrm Escape
expect Rival2.Morale = 35
