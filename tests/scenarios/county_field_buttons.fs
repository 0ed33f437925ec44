# The field kind buttons left open over an end of turn: the new season offers its own
# kinds (no crop field in summer), and a field ruined by frost offers none.
put Options.rz 3
seed 5
include common/campaign.fsi
set TurnCounter 2
set Season 1
set People 5000
include common/content_county.fsi
set Diplomacy 99
rclick Camp1Frm.FieldImg3
expect-screen Camp1Frm.Field2Pic visible = true
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect Season = 2
expect-screen Camp1Frm.Field2Pic visible = false
expect-screen Camp1Frm.Field3Pic visible = true
expect-screen Camp1Frm.Field1Pic visible = true
click Camp1Frm.Field3Pic
expect FieldKind[2] = 2
expect CropFieldPeople = 0
expect PasturePeople = 45
# the frost of autumn ruins field 3 while its buttons are open
rclick Camp1Frm.FieldImg3
expect-screen Camp1Frm.Field4Pic visible = true
rng 0.6 0.6 0.6 0.6 0.6 0.6 0.6 0.6
click Camp1Frm.EndTurnBtn
expect Season = 3
expect FieldKind[2] = 3
expect-screen Camp1Frm.Field1Pic visible = false
expect-screen Camp1Frm.Field4Pic visible = false
