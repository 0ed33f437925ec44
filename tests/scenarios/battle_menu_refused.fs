# While a battle is being fought (or an army walks), the in-game menu neither saves,
# loads nor leaves, as F6 and F7 wait: a game loaded then would take the battle's results.
seed 9
include common/campaign.fsi
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
click MsgFrm.OkAniBtn
wait 4000
expect-open !EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
click Camp1Frm.MenuBtn
click MenuFrm.LoadGameLbl
expect-screen MsgFrm.MsgLbl text = "A battle is being fought or an army is on the march: wait until it is over."
click MsgFrm.OkAniBtn
expect-open !LoadGameFrm
click MenuFrm.SaveGameLbl
expect-open MsgFrm
click MsgFrm.OkAniBtn
expect-open !SaveGameFrm
click MenuFrm.SaveExitLbl
expect-open MsgFrm
click MsgFrm.OkAniBtn
expect-query file "Save Game/Save and Exit.s15" = {"exists": false}
click MenuFrm.ExitLbl
expect-open MsgFrm
click MsgFrm.OkAniBtn
click MenuFrm.ExitTitlelbl
expect-open MsgFrm
click MsgFrm.OkAniBtn
expect-query programs = {"started": ["battledata.rz"], "ended": false}
click MenuFrm.ReturnLbl
# Esc on the campaign screen does not ask to leave either.
key Camp1Frm Escape
expect-open !MsgFrm
# The battle is fought; the menu loads again.
fight-out 1 0 100 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
# A walk step under way: refused too, until the camp has arrived.
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
click Camp1Frm.MenuBtn
click MenuFrm.LoadGameLbl
expect-open MsgFrm
click MsgFrm.OkAniBtn
click MenuFrm.ReturnLbl
wait 1000
expect CampWaypoint[0] = 40
click Camp1Frm.MenuBtn
click MenuFrm.LoadGameLbl
expect-open LoadGameFrm
