# Neither XDG_DATA_HOME nor HOME: the campaign says so at its start (and that its first save
# could not be written) and is played from the shipped settings; saving is refused with the
# reason.
seed 4
start
expect-query boxes = ["The game has no folder for your saved games and options: neither XDG_DATA_HOME nor HOME is set. The game starts from its shipped settings; saving and changing the options will not work.", "The first save of the campaign could not be written: cannot write the file: the game has no folder for your saved games and options"]
click TipsFrm.CloseLbl
expect Difficulty = 1
expect Advanced.Music = -1
expect-screen Camp1Frm.GoldLbl visible = true
key Camp1Frm F6
expect-screen MsgFrm.MsgLbl text = "cannot write the file: the game has no folder for your saved games and options"
click MsgFrm.OkAniBtn
expect-query file "Save Game/QuickSave.s15" = {"exists": false}
