# A game loaded at the start (the title menu's Continue) shows its own shortage warnings
# as soon as the campaign screen opens: the first saved game holds 286 meat, at most 300.
put LGame.rz 1
start
pick LoadGameFrm.FileLst 0
click LoadGameFrm.OkAniBtn
click MsgFrm.OkAniBtn
click TipsFrm.CloseLbl
expect Meat = 286
expect-screen Camp1Frm.CattleLbl colour = "#c00000"
expect-screen Camp1Frm.CropsLbl colour = "#2b1a0e"
expect-screen Camp1Frm.HappinessLbl colour = "#2b1a0e"
