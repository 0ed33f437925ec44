# Rival battles that fail once handed over end as battles that could not be started: the
# host at the gate attacks again at the next end of turn, the village's raiders plunder
# unopposed. The loss's penalties keep the county's limits. A battle queued in a turn with
# animations waits until they have played.
seed 5
include common/campaign.fsi
include common/rival1_host_at_gate.fsi
click Camp1Frm.EndTurnBtn
click Camp1Frm.EndTurnBtn
expect Rival1AttackState = 201
wait 5000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
# The battle program crashes without a result.
end-programs
wait 8000
expect-screen MsgFrm.MsgLbl text = "The battle program ended without a result. The battle is not fought; your army stands as it was."
click MsgFrm.OkAniBtn
expect Rival1AttackState = 0
expect PlayerInGame = -1
# The host attacks again at the next end of turn; a death in the county is shown first.
set Advanced.AnimatedSprites -1
set TurnAnimationFlags[2] 1
click Camp1Frm.EndTurnBtn
expect Rival1AttackState = 201
expect-open MovieFrm
wait 1000
expect-open MovieFrm
expect-open !EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
click MovieFrm.MsgLbl
expect-open !MovieFrm
wait 1000
expect-query programs = {"started": ["battledata.rz", "battledata.rz"], "ended": false}
wait 4000
# Its results cannot be read: not fought either.
put-hex Fight_out.rz 0100 01
put fight_status.rz 2
wait 8000
expect-open !ResultsFrm
expect-open MsgFrm
click MsgFrm.OkAniBtn
expect Rival1AttackState = 0
set Rival1AttackState 200

# The raid on the village: its program ends without a result, so the raiders plunder unopposed; the
# county's happiness does not fall below 0.
set Rival1WarState 1
# army A raids the village
set Rival1.Bytes[1] 2
set People 2000
click Camp1Frm.EndTurnBtn
expect Rival1WarState = 200
wait 5000
set Gold 4000
set Crops 8000
set Happiness 4
end-programs
wait 8000
click MsgFrm.OkAniBtn
expect Gold = 3000
expect Crops = 6000
expect Happiness = 0
