# A load leaves nothing of the game before it on the campaign screen: the help lines,
# the army's moves beside them and the tooltip are cleared, the figures redrawn, the
# shortage warnings those of the game loaded.
seed 3
include common/campaign.fsi
set Gold 4242
set Crops 500
key Camp1Frm F6
click MsgFrm.OkAniBtn
set Crops 9000
click Camp1Frm.EndTurnBtn
wait 5000
expect-screen Camp1Frm.CropsLbl colour = "#2b1a0e"
set CampMovesLeft[0] 0
set Gold 5
move Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkLbl text = "0 / 3"
wait 50
expect-screen Camp1Frm.TooltipLbl visible = true
key Camp1Frm F7
click MsgFrm.OkAniBtn
expect CampMovesLeft[0] = 2
expect-screen Camp1Frm.WalkLbl text = ""
expect-screen Camp1Frm.MoralLbl text = ""
expect-screen Camp1Frm.Helper3 text = ""
expect-screen Camp1Frm.TooltipLbl visible = false
expect-screen Camp1Frm.GoldLbl text = "4242"
expect-screen Camp1Frm.CropsLbl colour = "#c00000"
