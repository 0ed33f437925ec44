# Moving over the campaign screen's controls shows their help text, the tooltip follows.
include common/campaign.fsi
move Camp1Frm.GoldLbl
expect-screen Camp1Frm.Helper text = "Gold in the treasury"
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
expect-screen Camp1Frm.TooltipLbl text = "Gold in the treasury"
expect-screen Camp1Frm.TooltipLbl width = 240
# Over the army: its moves and morale, and its name below the help line.
move Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.Helper text = "Your army: left-click to inspect, right-click to march"
expect-screen Camp1Frm.WalkLbl text = "2 / 3"
expect-screen Camp1Frm.MoralLbl text = "50"
expect-screen Camp1Frm.Helper3 text = "Ist Vanguard - 837 Soldiers"
wait 10
expect-screen Camp1Frm.TooltipLbl width = 480
# A map object: its name.
move Camp1Frm.TavernImg1
expect-screen Camp1Frm.Helper text = "Tavern"
# A control without a help text empties the tooltip; it hides on the next tick.
move Camp1Frm.MenuTop
expect-screen Camp1Frm.Helper text = ""
wait 10
expect-screen Camp1Frm.TooltipLbl visible = false
# A click on the map clears the hover state.
move Camp1Frm.WoodLbl
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
set SplitMode 1
click Camp1Frm.MapSurface
expect SplitMode = 0
wait 10
expect-screen Camp1Frm.TooltipLbl visible = false
# The map preview shows where the view lies on the whole map.
click Camp1Frm.PreviewBtn
expect-screen MapPreviewFrm.TitleLbl text = "Map of the County"
expect-screen MapPreviewFrm.ViewFrameImg left = 20
expect-screen MapPreviewFrm.ViewFrameImg top = 265
click MapPreviewFrm.OkAniBtn
expect-open !MapPreviewFrm
