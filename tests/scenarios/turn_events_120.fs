# Turn 120 is a multiple of 6, 8, 20, 24 and 40: the tithe, the stake, then the event
# dialogs of kinds 4, 6 and 7, in that order; then the message screen by F4.
seed 2
include common/campaign.fsi
set TurnCounter 119
set People 2000
include common/content_county.fsi
set Leadership 50
set Diplomacy 70
set Religion 60
set BowStock 0
set ShieldStock 0
# drift (3), the seized arms of kind 7 (8), market bases (3)
rng 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect TurnCounter = 120
expect-open ReligionFrm
expect-screen ReligionFrm.TaxOkAniBtn visible = true
click ReligionFrm.TaxNoAniBtn
click ReligionFrm.OkAniBtn
expect-open ReligionFrm
expect-screen ReligionFrm.StakeOkAniBtn visible = true
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
expect MsgKind = 4
expect-screen MsgFrm.MsgLbl text = "The Archbishop calls upon the lords of the realm to fund a crusade. Accept, and give 3500 gold to win honour among lords and clergy. Refuse, and you will be named a miser before God and King."
click MsgFrm.Noanibtn
expect MsgKind = 6
click MsgFrm.OkAniBtn
expect MsgKind = 7
click MsgFrm.Noanibtn
expect MsgKind = 0
expect-query open = ["Camp1Frm"]
expect BowStock = 25
expect ShieldStock = 100
expect FadeMode = 0
key Camp1Frm F4
expect-open MessagesFrm
expect-screen MessagesFrm.CountLbl text = "( 2 )"
expect-screen MessagesFrm.CountLbl2 text = "( 0 )"
expect-screen MessagesFrm.MsgLbl1 visible = true
expect-screen MessagesFrm.MsgLbl3 visible = false
click MessagesFrm.CUpAniBtn
expect-screen MessagesFrm.MsgLbl1 visible = false
check MessagesFrm.MsgOption 1
click MessagesFrm.OkAniBtn
expect ShowMessagesAfterTurn = -1
