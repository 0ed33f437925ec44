# Played from an installed program folder: a new campaign, an end of turn, an option
# changed, a quick save and load, and a field battle calculated by the installed battle
# program (the runner starts it for real: --spawn). install_test.sh checks where the files
# went.
seed 4
start
expect-query boxes = []
click TipsFrm.CloseLbl
expect TurnCounter = 1
click Camp1Frm.EndTurnBtn
expect-query open = ["Camp1Frm"]
expect TurnCounter = 2
# the end-turn timer ends the turn's processing
wait 100
expect-query file "Save Game/AutoSave.s15" = {"exists": true, "size": 792}
# Battles are calculated at once: the option is written to Advanced.rz.
click Camp1Frm.MenuBtn
click MenuFrm.OptionsLbl
click MenuFrm.MoreOptionsLbl
check MenuFrm.AutoCalcOption 1
click MenuFrm.OkAniBtn
expect Advanced.AutoCalcOption = -1
expect-query open = ["Camp1Frm"]
set Gold 4242
key Camp1Frm F6
expect-screen MsgFrm.MsgLbl text = "The game has been saved."
click MsgFrm.OkAniBtn
set Gold 1
key Camp1Frm F7
expect-screen MsgFrm.MsgLbl text = "The game has been loaded."
click MsgFrm.OkAniBtn
expect Gold = 4242
expect TurnCounter = 2
# The first army, 600 heavy horsemen and 400 paladins, meets 30 club men at the first field.
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
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
click ResultsFrm.OkAniBtn
expect MapEventFlags[0] = 0
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}
