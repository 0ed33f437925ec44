# The option switches set their fields at once and redraw the map.
include common/campaign.fsi
click Camp1Frm.MenuBtn
click MenuFrm.OptionsLbl
click MenuFrm.MoreOptionsLbl
expect-screen MenuFrm.OptionsFrm visible = false
expect-screen MenuFrm.MenuLbl visible = true
check MenuFrm.TrooperOption 0
expect Advanced.ShowTroopers = 0
expect-screen Camp1Frm.Trooper1Img visible = false
check MenuFrm.WalkOption 0
expect Advanced.NoMovesMarkerOption = 0
expect-screen Camp1Frm.Camp1StatusImg visible = false
check MenuFrm.WalkOption 1
expect-screen Camp1Frm.Camp1StatusImg visible = true
check MenuFrm.MapAnimOption 0
expect Advanced.MapAnimation = 0
check MenuFrm.DeleteMsgOption 0
expect Advanced.DeleteMessagesOption = 0
check MenuFrm.AutoCalcOption 1
expect Advanced.AutoCalcOption = -1
check MenuFrm.AutoSaveOption 0
expect Advanced.AutoSaveOption = 0
check MenuFrm.AnimatedSOption 0
expect Advanced.AnimatedSprites = 0
# Tooltips off: the tooltip timer stops with the OK, the tooltip box hides.
check MenuFrm.TooltipOption 0
expect Advanced.Tooltips = 0
click MenuFrm.OkAniBtn
move Camp1Frm.GoldLbl
wait 50
expect-screen Camp1Frm.TooltipLbl visible = false
# Back to the main menu from the options.
click Camp1Frm.MenuBtn
expect-screen MenuFrm.MainMenuFrm visible = true
expect-screen MenuFrm.TooltipOption checked = false
click MenuFrm.OptionsLbl
click MenuFrm.MenuLbl
expect-screen MenuFrm.MainMenuFrm visible = true
expect-screen MenuFrm.MenuLbl visible = false
click MenuFrm.AboutLbl
expect-screen AboutFrm.TitleLbl text = "Fiefdom"
click AboutFrm.OkAniBtn
key MenuFrm Escape
expect-open !MenuFrm
