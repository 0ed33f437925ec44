# Every end of turn keeps its save in one of five slots besides AutoSave, the oldest
# replaced; the load screen lists the slots with what each holds and says which slot it
# skipped.
seed 5
start
click TipsFrm.CloseLbl
set Advanced.AutoSaveOption -1
click Camp1Frm.EndTurnBtn
click Camp1Frm.EndTurnBtn
click Camp1Frm.EndTurnBtn
click Camp1Frm.EndTurnBtn
click Camp1Frm.EndTurnBtn
# the church's tithe, asked as the sixth turn begins
expect-open ReligionFrm
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
expect-query file "Save Game/AutoSave 5.s15" = {"exists": true, "size": 792}
click Camp1Frm.EndTurnBtn
expect TurnCounter = 7
# the menu waits until the end of turn has restored the screen
wait 200
# The saves' dates a minute apart in the order the turns wrote them, so that the list's
# order does not hang on how fast the turns ran: the newest first
file-age "Save Game/FirstSave.s15" 600
file-age "Save Game/AutoSave 2.s15" 500
file-age "Save Game/AutoSave 3.s15" 400
file-age "Save Game/AutoSave 4.s15" 300
file-age "Save Game/AutoSave 5.s15" 200
file-age "Save Game/AutoSave.s15" 101
file-age "Save Game/AutoSave 1.s15" 100
click Camp1Frm.MenuBtn
click MenuFrm.LoadGameLbl
expect-screen LoadGameFrm.FileLst items = ["AutoSave 1.s15", "AutoSave.s15", "AutoSave 5.s15", "AutoSave 4.s15", "AutoSave 3.s15", "AutoSave 2.s15", "FirstSave.s15"]
expect-screen LoadGameFrm.SkippedLbl text = ""
# The sixth end of turn replaced the first slot
pick LoadGameFrm.FileLst 0
expect-screen LoadGameFrm.FileNameTxt text = "AutoSave 1"
expect-screen LoadGameFrm.TurnLbl text = "Turn 6"
expect-screen LoadGameFrm.LevelLbl text = "Level 15"
pick LoadGameFrm.FileLst 5
expect-screen LoadGameFrm.TurnLbl text = "Turn 2"
click LoadGameFrm.Noanibtn
# A damaged slot is skipped, and the screen says so
put-hex "Save Game/AutoSave 3.s15" 00 01 02
click MenuFrm.LoadGameLbl
expect-screen LoadGameFrm.FileLst items = ["AutoSave 1.s15", "AutoSave.s15", "AutoSave 5.s15", "AutoSave 4.s15", "AutoSave 2.s15", "FirstSave.s15"]
pick LoadGameFrm.FileLst 4
click LoadGameFrm.OkAniBtn
click MsgFrm.OkAniBtn
expect TurnCounter = 2
