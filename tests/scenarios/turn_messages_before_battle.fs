# With the messages shown after every turn, a battle of the turn waits until the player
# has read them and closed the messages screen: its fade never darkens them.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
# Rival 1's army A reaches the village in this turn.
include common/rival1_raid_due.fsi
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
