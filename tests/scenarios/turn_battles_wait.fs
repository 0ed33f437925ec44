# The battles of an end of turn wait until the whole turn is over, however long a notice
# of its later steps stays open, and two storms of one turn are both fought.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
# Rival 1's army A reaches the village in this turn; rival 2, in play, is told famous in
# his own turn, which comes after: his notice holds the end of turn open.
include common/rival1_raid_due.fsi
set Rival2.Active -1
set Rival2.Gold 20000
set Rival2.Values[5] 0
set Rival2.Leadership 100
set Rival2.Nobility 100
set Rival2.Diplomacy 100
set Rival2.Religion 100
click Camp1Frm.EndTurnBtn
expect-open MsgFrm
expect Rival1WarState = 200
# the raid waits behind the notice: no fade, no battle program
wait 6000
expect-open !EndTurnFrm
expect-query programs = {"started": [], "ended": false}
click MsgFrm.OkAniBtn
wait 1000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait 4000
fight-out 1 20 300 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0 50,0,100,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
click ResultsFrm.OkAniBtn
click TipsFrm.CloseLbl
expect EnemyCamp[1] = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]

# Both sieges end in the next turn: camp 1 before rival 1's castle, camp 2 before rival 2's.
set EnemyCamp[0][1] 50
set EnemyCamp[3][1] 40
set CampExists[1] -1
set CampComposition[1][1] 200
set CampWaypoint[0] 30
set CampWaypoint[1] 35
set SiegeState1 0
set SiegeState2 0
click Camp1Frm.EndTurnBtn
expect MsgKind = 14
click MsgFrm.OkAniBtn
# the second storm is asked in view, not behind the first one's fade
expect-open !EndTurnFrm
expect MsgKind = 15
wait 6000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
click MsgFrm.OkAniBtn
# the storm of rival 1's castle first
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz"], "ended": false}
expect SelectedCamp = 1
wait 4000
fight-out 1 10 50 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
click ResultsFrm.OkAniBtn
# rival 1 is beaten (his notice); the storm of rival 2's castle follows
expect Rival1.Active = 0
click MsgFrm.OkAniBtn
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz", "battledata.rz"], "ended": false}
expect SelectedCamp = 2
wait 4000
fight-out 1 200 40 0,0,0,0,0,0,0,0,0,0,0,0,0,0 0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
click ResultsFrm.OkAniBtn
expect Rival2.Active = 0
expect SiegeState1 = 200
expect SiegeState2 = 200
