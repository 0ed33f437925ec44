# Escape asks before leaving; cancelling keeps the game, OK ends the program.
include common/campaign.fsi
key Camp1Frm Escape
expect-screen MainScreenExit.MsgLbl text = "Unsaved game will be lostt - do you really want to quit?"
click MainScreenExit.Noanibtn
expect-query open = ["Camp1Frm"]
key Camp1Frm Escape
click MainScreenExit.OkAniBtn
expect-query programs = {"started": [], "ended": true}
