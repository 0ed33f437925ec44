# A battle of the rivals' turn waits for the end of turn to be over; it lives only in
# memory, so no game is saved while it waits, and a game loaded meanwhile does not
# inherit it. Rival lord 1's host arrives at the gate held by the first army.
seed 5
include common/campaign.fsi
include common/rival1_host_at_gate.fsi
click Camp1Frm.EndTurnBtn
set Rival1AttackState 0
click Camp1Frm.EndTurnBtn
expect Rival1AttackState = 201
wait 250
expect-query programs = {"started": [], "ended": false}
key Camp1Frm F6
expect-screen MsgFrm.MsgLbl text = "A battle is about to begin: the game can be saved once it has been fought."
click MsgFrm.OkAniBtn
expect-query file "Save Game/QuickSave.s15" = {"exists": false}
# Nor does another turn begin before it is fought.
expect TurnCounter = 3
click Camp1Frm.EndTurnBtn
expect TurnCounter = 3
expect-open !EndTurnFrm
wait 1000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait 4000
fight-out 1 120 180 150,100,100,100,100,50,50,10,10,10,5,100,0,2 180,0,40,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
click ResultsFrm.OkAniBtn
expect Rival1AttackState = 200
# Fought: the game saves again.
key Camp1Frm F6
expect-screen MsgFrm.MsgLbl text = "The game has been saved."
click MsgFrm.OkAniBtn
expect-query file "Save Game/QuickSave.s15" = {"exists": true, "size": 792}
# The host (home with its survivors) attacks again; the quick save is loaded while that
# battle waits: it is dropped with the game that was left.
set Rival1AttackState 0
click Camp1Frm.EndTurnBtn
expect Rival1AttackState = 201
wait 250
key Camp1Frm F7
expect-screen MsgFrm.MsgLbl text = "The game has been loaded."
click MsgFrm.OkAniBtn
expect Rival1AttackState = 200
wait 5000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
expect-open !EndTurnFrm
