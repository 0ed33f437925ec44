#@ run-options: --sound-devices 1
# Marching: the offered markers, a walk along several waypoints until the moves run
# out, the new turn's allowance, the one-way link, the objects taken at 32, 37 and 50,
# and what waits while an army walks.
seed 8
include common/campaign.fsi
set CampMovesLeft[0] 3
sounds
rclick Camp1Frm.ArmyCamp1Img
expect-query sounds = [["EnvChanel04", "rollover01.wav"]]
expect-screen Camp1Frm.WalkTo3 visible = true
expect-screen Camp1Frm.WalkTo1 visible = false
click Camp1Frm.WalkTo3
expect CampWaypoint[0] = 3
expect-screen Camp1Frm.WalkTo3 visible = false
expect-screen Camp1Frm.WalkingImg picture = "walk_1_3"
# Ten ticks of 3 pixels towards the point 25 pixels above the marker
wait 150
expect-screen Camp1Frm.ArmyCamp1Img left = 488
expect-screen Camp1Frm.ArmyCamp1Img top = 1273
# Its troop figure goes along with it
expect-screen Camp1Frm.Trooper1Img left = 488
expect-screen Camp1Frm.Trooper1Img top = 1303
# Mid-step: no quick save, no end of turn
key Camp1Frm F6
expect-query file "Save Game/QuickSave.s15" = {"exists": false}
key Camp1Frm Enter
expect Season = 1
key Camp1Frm F3
wait 1000
expect CampMovesLeft[0] = 2
expect-screen Camp1Frm.ArmyCamp1Img left = 598
expect-screen Camp1Frm.ArmyCamp1Img top = 1293
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo2 visible = true
expect-screen Camp1Frm.WalkTo4 visible = true
click Camp1Frm.WalkTo4
wait 1000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo5
wait 1000
expect CampWaypoint[0] = 5
expect CampMovesLeft[0] = 0
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.Helper text = "This army has no moves left this season."
expect-screen Camp1Frm.WalkTo6 visible = false

set CampMovesLeft[0] 3

# From 26 the road to 16 is not offered; from 16 the road to 26 is
set CampWaypoint[0] 26
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo25 visible = true
expect-screen Camp1Frm.WalkTo27 visible = true
expect-screen Camp1Frm.WalkTo16 visible = false
set CampWaypoint[0] 16
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo26 visible = true
expect-screen Camp1Frm.WalkTo15 visible = true
click Camp1Frm.WalkTo26
wait 5000
expect CampWaypoint[0] = 26

# The obelisk, the dolmen (held by a rival) and the outpost are taken on the order
set CampMovesLeft[0] 3
set CampWaypoint[0] 31
set CountyBlessings[0] 2
set ObjectMissionCountdown 2
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo32
expect CountyBlessings[6] = 1
expect ObjectMissionCountdown = 200
expect-screen Camp1Frm.FlagImg visible = true
wait 5000
set CampWaypoint[0] 36
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo37
expect CountyBlessings[0] = 1
wait 5000
set CampWaypoint[0] 42
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo50
expect OutpostState = 200
wait 5000
expect CampWaypoint[0] = 50
expect CampMovesLeft[0] = 0
# The outpost recruits once the barracks stand
click Camp1Frm.OutpostImg1
expect-open !ArmyFrm
set BarracksBuilt -1
click Camp1Frm.OutpostImg1
expect-open ArmyFrm
click ArmyFrm.Noanibtn
