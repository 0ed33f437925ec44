# The load list: the newest save first, whatever the names; a damaged autosave slot is
# skipped with a message.
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
# The newest save loads from the top row
pick LoadGameFrm.FileLst 0
expect-screen LoadGameFrm.FileNameTxt text = "Zeta"
click LoadGameFrm.OkAniBtn
click MsgFrm.OkAniBtn
expect-open !LoadGameFrm
