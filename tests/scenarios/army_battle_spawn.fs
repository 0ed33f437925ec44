#@ run-options: --spawn
# Battles fought by the real battle program, calculated at once (the auto-calculation
# option): the program runs in real time, writes its results and the status, and the
# campaign reads and applies them on the next tick of BattleTimer. A strong camp wins at
# the first field; a handful of club men loses at the second.
seed 4
include common/campaign.fsi
set Advanced.AutoCalcOption -1
include common/first_field_battle.fsi
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
expect MapEventFlags[0] = -1
click ResultsFrm.OkAniBtn
expect-open !ResultsFrm
expect MapEventFlags[0] = 0
expect CampExists[0] = -1

# Twenty club men against 500 heavy horsemen at the second field
set CampComposition[0] [0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
set ArmyCampSoldiers[0] 20
set OpponentArmySlots[2] [0, 0, 0, 0, 0, 0, 0, 500, 0, 0, 0, 0, 0, 0]
set CampWaypoint[0] 50
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
expect BattleSite = 2
click MsgFrm.OkAniBtn
wait 4000
wait-programs
wait 4000
expect-open ResultsFrm
expect-screen ResultsFrm.OutcomeLbl text = "Defeat!"
expect-screen ResultsFrm.CropsLbl text = "-"
click ResultsFrm.OkAniBtn
expect MapEventFlags[1] = -1
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}
