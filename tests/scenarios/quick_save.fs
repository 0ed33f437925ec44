# F6 saves the game under QuickSave, F7 loads it back; a save of another level says so.
seed 3
include common/campaign.fsi
set Gold 4242
set FieldKind[2] 4
set CampComposition[0][1] 150
key Camp1Frm F6
expect-screen MsgFrm.MsgLbl text = "The game has been saved."
click MsgFrm.OkAniBtn
expect-query file "Save Game/QuickSave.s15" = {"exists": true, "size": 792}
set Gold 1
set FieldKind[2] 0
set CampComposition[0][1] 7
key Camp1Frm F7
expect-screen MsgFrm.MsgLbl text = "The game has been loaded."
click MsgFrm.OkAniBtn
expect Gold = 4242
expect FieldKind[2] = 4
expect CampComposition[0][1] = 150
expect-screen Camp1Frm.GoldLbl text = "4242"
# A quick save made on another level.
set CurrentLevel 14
key Camp1Frm F6
click MsgFrm.OkAniBtn
set CurrentLevel 15
key Camp1Frm F7
expect-screen MsgFrm.MsgLbl text = "The game has been loaded. It belongs to another level of the campaign."
click MsgFrm.OkAniBtn
expect CurrentLevel = 14
expect LevelBeforeLoad = 15
