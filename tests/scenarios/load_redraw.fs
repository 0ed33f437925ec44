# A load leaves nothing of the game before it on the campaign screen: the help lines,
# the army's moves beside them and the tooltip are cleared, the figures redrawn.
seed 3
start
click TipsFrm.CloseLbl
set Gold 4242
key Camp1Frm F6
click MsgFrm.OkAniBtn
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
