# A field battle fought by the real battle program (--spawn, with the auto-calculation
# option on): the first army, 600 heavy horsemen and 400 paladins, walks onto the first
# field, held by 30 club men; the battle program writes its results and the status 2, and
# the results screen opens on the next tick of BattleTimer.
set CampComposition[0] [0, 0, 0, 0, 0, 0, 0, 600, 0, 0, 400, 0, 0, 0]
set ArmyCampSoldiers[0] 1000
set OpponentArmySlots[1] [0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
expect-open MsgFrm
click MsgFrm.OkAniBtn
wait 4000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait-programs
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "2\r\n"}
wait 4000
expect-open ResultsFrm
