# The rival's assassin kills the lord in the middle of an end of turn; the mission screen
# of the defeat replays the level from its first save. The rest of that turn is the lost
# game's: the replayed game starts at its first turn, and plays on.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
set TurnCounter 23
set Rival1.AssassinLevel 5
# a guards' mission ends in this turn: its animation belongs to the lost game
set ObjectMissionCountdown 0
set ObjectMissionTarget 1
click Camp1Frm.EndTurnBtn
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
wait 5000
click MsgFrm.OkAniBtn
wait 5000
expect-open TipsFrm
expect PlayerInGame = 0
expect-screen TipsFrm.NextLbl visible = false
click TipsFrm.Image3
wait 5000
expect-query open = ["Camp1Frm"]
expect PlayerInGame = -1
expect TurnCounter = 1
expect Rival1.Active = 0
expect TurnAnimationFlags = [0, 0, 0, 0, 0]
expect FadeMode = 0
click Camp1Frm.EndTurnBtn
wait 5000
expect TurnCounter = 2
expect-query open = ["Camp1Frm"]
