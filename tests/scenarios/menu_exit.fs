# Save and exit writes "Save and Exit" and ends the program.
include common/campaign.fsi
set Gold 4321
click Camp1Frm.MenuBtn
click MenuFrm.SaveExitLbl
expect-query file "Save Game/Save and Exit.s15" = {"exists": true, "size": 792}
expect-query programs = {"started": [], "ended": true}
