# The tooltip follows the pointer, and a dialog opening over the campaign screen ends it:
# it neither shows from behind the dialog nor comes back parked when the dialog closes.
include common/campaign.fsi
move Camp1Frm.EndTurnBtn 10 10
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
expect-screen Camp1Frm.TooltipLbl text = "End the turn (Enter): the season passes and the county moves on"
# 30 pixels below the pointer (the button's top is 8).
expect-screen Camp1Frm.TooltipLbl top = 48
move Camp1Frm.EndTurnBtn 10 30
wait 10
expect-screen Camp1Frm.TooltipLbl top = 68
click Camp1Frm.WeatherBtn
wait 10
expect-screen Camp1Frm.TooltipLbl visible = false
# the help line of the button goes too: it would name the weather over the map
expect-screen Camp1Frm.Helper text = ""
click WeatherFrm.OkAniBtn
wait 10
expect-screen Camp1Frm.TooltipLbl visible = false
expect-screen Camp1Frm.Helper text = ""
# A control that goes away under the pointer takes its tooltip with it: the field kind
# button chosen hides itself and the others.
rclick Camp1Frm.FieldImg1
move Camp1Frm.Field2Pic
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
click Camp1Frm.Field2Pic
expect-screen Camp1Frm.Field2Pic visible = false
wait 10
expect-screen Camp1Frm.TooltipLbl visible = false
# Near the status panel (its top at 672) the tooltip goes above the pointer, and over the
# panel above the panel: it never hides the panel's figures or the building line.
move Camp1Frm.MapSurface 600 1426
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
expect-screen Camp1Frm.TooltipLbl top = 598
move Camp1Frm.BuildLbl 10 8
wait 10
expect-screen Camp1Frm.TooltipLbl visible = true
expect-screen Camp1Frm.TooltipLbl top = 646
move Camp1Frm.MapSurface 600 1000
wait 10
expect-screen Camp1Frm.TooltipLbl top = 254
