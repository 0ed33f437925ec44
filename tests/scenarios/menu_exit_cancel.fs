# Exit and exit to title ask first; cancelling keeps the menu open.
include common/campaign.fsi
click Camp1Frm.MenuBtn
click MenuFrm.ExitTitlelbl
expect MsgKind = 106
click MainScreenExit.Noanibtn
expect-open MenuFrm
click MenuFrm.ExitLbl
expect MsgKind = 105
click MainScreenExit.OkAniBtn
expect-query programs = {"started": [], "ended": true}
