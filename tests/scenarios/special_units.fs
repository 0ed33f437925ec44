# The special units: the scout, the assassin and the guard's training, each paid, one at a
# time, resolved at the end of a turn with its message and its animation; calling off a
# mission refunds it. The draws of a turn before the agents' own are the three of the
# population drift, so "rng 0.5 0.5 0.5 X" gives the agent the draw X.
#@ run-options: --sound-devices 1
seed 9
include common/campaign.fsi
set Advanced.AnimatedSprites -1
set Gold 10000
sounds
click Camp1Frm.SpecialBtn
expect-open GuardFrm
expect-query sounds = [["EnvChanel03", "specialunits01.wav"]]
expect-screen GuardFrm.UnitNameLbl text = "Scout"
expect-screen GuardFrm.GoldLbl text = "2600"
click GuardFrm.OkAniBtn
expect-screen GuardFrm.Helper text = "Nothing is chosen yet. Choose one first."
click GuardFrm.Image4
click GuardFrm.OkAniBtn
expect-open !GuardFrm
expect Gold = 7400
expect ObjectMissionCountdown = 4
expect ObjectMissionTarget = 3
expect-screen Camp1Frm.ScoutStatusImg text = "5"
# Called off on its last turn: the whole price comes back.
set ObjectMissionCountdown 0
key Camp1Frm M
expect-screen GuardFrm.StatusLbl text = "Turns left: 1"
click GuardFrm.CancelAniBtn
expect Gold = 10000
expect ObjectMissionCountdown = 200
expect-screen GuardFrm.StatusLbl text = "Ready"
# Sent to the middle lands and failed: a draw of 129.
click GuardFrm.Image3
click GuardFrm.OkAniBtn
set ObjectMissionCountdown 0
set TurnCounter 2
set Happiness 80
set Health 80
rng 0.5 0.5 0.5 0.29
click Camp1Frm.EndTurnBtn
expect-open MovieFrm
expect-screen MovieFrm.WeatherAnim picture = "anim/scout_failed.rz"
expect-screen MovieFrm.MsgLbl text = "Your agents have failed, and none came back."
click MovieFrm.WeatherAnim
expect-open !MovieFrm
expect CountyBlessings[0] = 0
expect ObjectMissionCountdown = 200
# Sent to the near lands and succeeded: a draw of 130 wins the obelisk.
key Camp1Frm M
click GuardFrm.Image2
click GuardFrm.OkAniBtn
set ObjectMissionCountdown 0
set TurnCounter 2
set Happiness 80
set Health 80
rng 0.5 0.5 0.5 0.30
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/scout_ok.rz"
expect-screen MovieFrm.MovieLbl text = "Scout"
expect-screen MovieFrm.MsgLbl text = "Your agents have returned: their mission has succeeded."
key MovieFrm Escape
expect CountyBlessings[6] = 1
# The assassin at rival 1 himself: the statue lowers his price to 2904. A lord out of the
# game is no target. With the skill above the rival's guard he strikes the lord down (no
# draw). Each rival is in the game only while the assassin is sent, so that the rivals'
# own turns do not mix into this scenario's messages.
set Gold 10000
key Camp1Frm M
click GuardFrm.AssassinBtn
expect-screen GuardFrm.GoldLbl text = "2904"
click GuardFrm.OkAniBtn
expect-screen GuardFrm.Helper text = "Nothing is chosen yet. Choose one first."
pick GuardFrm.AssassinLst 3
click GuardFrm.OkAniBtn
expect-screen GuardFrm.Helper text = "Out of the game"
expect Gold = 10000
expect GuardScreenValue = [1, 200, 0, 0]
set Rival1.Active -1
click GuardFrm.OkAniBtn
set Rival1.Active 0
expect Gold = 7096
expect GuardScreenValue = [1, 4, 1, 1]
key Camp1Frm M
click GuardFrm.AssassinBtn
click GuardFrm.OkAniBtn
expect Gold = 7096
click GuardFrm.Noanibtn
set GuardScreenValue[1] 0
set Rival1.Leadership 40
set TurnCounter 2
set Happiness 80
set Health 80
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/assassin_ok.rz"
expect-screen MovieFrm.MovieLbl text = "Assassin"
expect-screen MovieFrm.MsgLbl text = "Your assassin has done his work and slipped away unseen."
key MovieFrm Escape
expect Rival1.Leadership = 0
expect GuardScreenValue = [1, 200, 1, 0]
# At rival 2's army: a draw of 130 is below his 150, the morale stays.
key Camp1Frm M
click GuardFrm.AssassinBtn
pick GuardFrm.AssassinLst2 1
set Rival2.Active -1
click GuardFrm.OkAniBtn
set Rival2.Active 0
expect GuardScreenValue = [1, 2, 2, 2]
set GuardScreenValue[1] 0
set Rival2.Morale 60
set TurnCounter 2
set Happiness 80
set Health 80
rng 0.5 0.5 0.5 0.30
click Camp1Frm.EndTurnBtn
expect-screen MovieFrm.WeatherAnim picture = "anim/assassin_failed.rz"
expect-screen MovieFrm.MsgLbl text = "Your assassin was caught before he could strike."
key MovieFrm Escape
expect Rival2.Morale = 60
# The guard's training: level 1 costs 700 and is done at the next end of turn.
set Gold 700
set Nobility 10
key Camp1Frm M
click GuardFrm.GuardBtn
expect-screen GuardFrm.GoldLbl text = "700"
expect-screen GuardFrm.LevelLbl text = "1"
click GuardFrm.OkAniBtn
expect Gold = 0
expect GuardTrainingCountdown = 0
key Camp1Frm M
click GuardFrm.GuardBtn
expect-screen GuardFrm.Helper text = "The guard is already in training."
click GuardFrm.Noanibtn
set TurnCounter 2
set Happiness 80
set Health 80
set Crops 50000
set Meat 50000
click Camp1Frm.EndTurnBtn
expect GuardLevel = 2
expect GuardTrainingCountdown = 200
expect-query messages = {"list1": [], "list2": [{"entry": 70, "text": "The castle guard has finished its training and stands a level higher."}]}
