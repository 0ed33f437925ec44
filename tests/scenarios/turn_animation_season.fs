# The animations of the turn play over the campaign screen as the turn left it: an autumn
# turn ends in winter, and the map behind the plague's animation is winter's already, as
# the season line of the status panel says.
include common/campaign.fsi
set Advanced.AnimatedSprites -1
set Season 3
set FieldKind[0] 0
set TurnAnimationFlags [0, 0, 1, 0, 0]
click Camp1Frm.EndTurnBtn
expect-open MovieFrm
expect Season = 4
expect-screen Camp1Frm.SeassonLbl text = "Winter"
expect-screen Camp1Frm.FieldImg1 picture = "field_0_4"
key MovieFrm Escape
expect-open !MovieFrm
expect-screen Camp1Frm.FieldImg1 picture = "field_0_4"
