# With the messages shown after every turn, a battle of the turn waits until the player
# has read them and closed the messages screen: its fade never darkens them.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
# Rival 1's army A reaches the village in this turn.
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 2
set Rival1WarState 1
set People 2000
set ShowMessagesAfterTurn -1
click Camp1Frm.EndTurnBtn
expect-open MessagesFrm
wait 6000
expect-open !EndTurnFrm
expect-query programs = {"started": [], "ended": false}
click MessagesFrm.OkAniBtn
wait 1000
expect-open EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
