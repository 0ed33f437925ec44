# The title menu asks for a saved game: the load screen opens once at the start, and
# the request is cleared for the next start.
put LGame.rz 1
start
expect-open LoadGameFrm
expect-screen LoadGameFrm.FileLst items = ["FirstSave.s15"]
pick LoadGameFrm.FileLst 0
expect-screen LoadGameFrm.FileNameTxt text = "FirstSave"
click LoadGameFrm.OkAniBtn
expect-screen MsgFrm.MsgLbl text = "The game has been loaded."
click MsgFrm.OkAniBtn
expect-open TipsFrm
click TipsFrm.CloseLbl
expect-query file LGame.rz = {"exists": true, "size": 3, "text": "0\r\n"}
expect LoadGameRequest = 0
