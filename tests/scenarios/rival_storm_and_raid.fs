# One end of turn brings both the storm of rival lord 1's castle and his raid on the
# village. The storm is fought at once and won: the lord is out of the game, his armies
# gone. The raid that waited for the end of turn then has no raiders left: it is not
# fought and nothing is plundered.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
# his garrison, and army A raiding the village, at the village next end of turn
set EnemyCamp[0][1] 50
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 2
set Rival1WarState 1
# the first army besieges his castle; the storm is due
set CampWaypoint[0] 30
set SiegeState1 0
click Camp1Frm.EndTurnBtn
expect-open MsgFrm
expect MsgKind = 14
click MsgFrm.OkAniBtn
wait 1000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait 4000
fight-out 1 10 50 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
expect-open ResultsFrm
set Gold 8000
set Crops 8000
# meanwhile the end of turn went on: his raid reached the village, its battle waits
expect Rival1WarState = 200
expect BattleSite = 8
click ResultsFrm.OkAniBtn
expect Rival1.Active = 0
expect EnemyCamp[1] = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
wait 5000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
expect Crops = 8000
expect-open !ResultsFrm
