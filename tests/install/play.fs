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
include ../scenarios/common/first_field_battle.fsi
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect MapEventFlags[0] = 0
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}
