# The clock of the status panel shows as soon as the campaign screen is up, also when the
# screen was made anew by the load of the title menu's Continue (the clock ticks each half
# minute once it runs).
put LGame.rz 1
start
wait 5000
pick LoadGameFrm.FileLst 0
click LoadGameFrm.OkAniBtn
click MsgFrm.OkAniBtn
click TipsFrm.CloseLbl
wait 1000
expect-screen Camp1Frm.TimeLbl text = "12:00"
