# The offered waypoint markers while other screens open over the map: put away while the
# recruiting screen is open and offered again when the player comes back to the same
# camp; hidden for good by the camp's own screen, and not offered again when the camp has
# lost its moves meanwhile.
seed 2
include common/campaign.fsi
set BarracksBuilt -1
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo40 visible = true
click Camp1Frm.ArmyBtn
expect-open ArmyFrm
expect-screen Camp1Frm.WalkTo40 visible = false
click ArmyFrm.Noanibtn
expect-open !ArmyFrm
expect-screen Camp1Frm.WalkTo40 visible = true
expect SelectedCamp = 1

# The camp's own screen
click Camp1Frm.ArmyCamp1Img
expect-open ArmyCampFrm
click ArmyCampFrm.Noanibtn
expect-screen Camp1Frm.WalkTo40 visible = false

# The moves gone while another screen is open
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo40 visible = true
click Camp1Frm.ArmyBtn
set CampMovesLeft[0] 0
click ArmyFrm.Noanibtn
expect-screen Camp1Frm.WalkTo40 visible = false

# The turn ends with the markers offered: the camp is still selected, with its moves
# for the new season, so its roads stay offered
set CampMovesLeft[0] 1
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo40 visible = true
click Camp1Frm.EndTurnBtn
wait 5000
expect-open !EndTurnFrm
expect-screen Camp1Frm.WalkTo40 visible = true
click Camp1Frm.WalkTo38
wait 1000
expect CampWaypoint[0] = 38
