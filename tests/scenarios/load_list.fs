# The load list: the newest save first, whatever the names, and a scroll bar once the
# saves are more than the list shows; a damaged autosave slot is skipped with a message.
seed 3
include common/campaign.fsi
click Camp1Frm.MenuBtn
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Alpha
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Beta
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Gamma
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Delta
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Epsilon
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Zeta
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Eta
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Theta
key SaveGameFrm Enter
key MsgFrm Enter
click MenuFrm.SaveGameLbl
type SaveGameFrm.FileNameTxt Iota
key SaveGameFrm Enter
key MsgFrm Enter
# Their dates against the order of their names (seconds ago); a damaged slot is newest
file-age "Save Game/FirstSave.s15" 9000
file-age "Save Game/Alpha.s15" 50
file-age "Save Game/Beta.s15" 400
file-age "Save Game/Gamma.s15" 30
file-age "Save Game/Delta.s15" 7000
file-age "Save Game/Epsilon.s15" 600
file-age "Save Game/Zeta.s15" 10
file-age "Save Game/Eta.s15" 800
file-age "Save Game/Theta.s15" 20
file-age "Save Game/Iota.s15" 900
put-hex "Save Game/AutoSave 2.s15" 00 01 02
click MenuFrm.LoadGameLbl
expect-screen LoadGameFrm.FileLst items = ["Zeta.s15", "Theta.s15", "Gamma.s15", "Alpha.s15", "Beta.s15", "Epsilon.s15", "Eta.s15", "Iota.s15", "Delta.s15", "FirstSave.s15"]
expect-screen LoadGameFrm.SkippedLbl text = "AutoSave 2 skipped: the file holds 3 bytes, a saved game needs 792"
# Ten saves, eight rows in view: the bar shows, at the first row
expect-screen LoadGameFrm.FileLst bar = true
expect-screen LoadGameFrm.FileLst top = 0
# The down arrow (the bar's lowest 16 pixels at the list's right) moves one row, and
# no row is chosen by it
click LoadGameFrm.FileLst 245 165
expect-screen LoadGameFrm.FileLst top = 1
expect-screen LoadGameFrm.FileLst index = -1
expect-screen LoadGameFrm.FileNameTxt text = ""
# The up arrow moves it back; at the first row it stays
click LoadGameFrm.FileLst 245 8
expect-screen LoadGameFrm.FileLst top = 0
click LoadGameFrm.FileLst 245 8
expect-screen LoadGameFrm.FileLst top = 0
# The track below the thumb: a page, as far as the last row allows
click LoadGameFrm.FileLst 245 150
expect-screen LoadGameFrm.FileLst top = 2
# The last row, now in view, is chosen with a click on it (the eighth row of the view)
click LoadGameFrm.FileLst 40 160
expect-screen LoadGameFrm.FileLst index = 9
expect-screen LoadGameFrm.FileNameTxt text = "FirstSave"
# The thumb dragged back to the top of the track
down LoadGameFrm.FileLst 245 150
move LoadGameFrm.FileLst 245 20
up LoadGameFrm.FileLst 245 20
expect-screen LoadGameFrm.FileLst top = 0
expect-screen LoadGameFrm.FileLst index = 9
# The newest save loads from the top row
pick LoadGameFrm.FileLst 0
expect-screen LoadGameFrm.FileNameTxt text = "Zeta"
click LoadGameFrm.OkAniBtn
click MsgFrm.OkAniBtn
expect-open !LoadGameFrm
