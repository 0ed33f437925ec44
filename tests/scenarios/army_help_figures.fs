# The army's figures beside the help line follow the army: a step takes a move, a
# combination that absorbs the army looked at clears them. Three armies at the outpost
# stand side by side inside the map. The question whether to give battle names the
# strength of the force.
seed 5
include common/campaign.fsi
move Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkLbl text = "2 / 3"
expect-screen Camp1Frm.Helper3 text = "Ist Vanguard - 837 Soldiers"
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo3
wait 3000
expect CampWaypoint[0] = 3
expect-screen Camp1Frm.WalkLbl text = "1 / 3"
expect-screen Camp1Frm.Helper3 text = "Ist Vanguard - 837 Soldiers"

# A second army beside the first; looked at, then absorbed by a combination
set CampComposition[1] [0, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
set ArmyCampSoldiers[1] 150
set CampExists[1] -1
set CampWaypoint[1] 3
set CampMovesLeft[1] 2
click Camp1Frm.EndTurnBtn
wait 3000
move Camp1Frm.ArmyCamp2Img
expect-screen Camp1Frm.Helper3 text = "The Lions - 150 Soldiers"
click Camp1Frm.ArmyCamp2Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption1 1
click ArmyCombineFrm.OkAniBtn
expect ArmyCampSoldiers = [987, 0, 0]
expect-open !ArmyCampFrm
expect-screen Camp1Frm.WalkLbl text = ""
expect-screen Camp1Frm.MoralLbl text = ""
move Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.Helper3 text = "Ist Vanguard - 987 Soldiers"

# Three armies at the outpost, near the map's right edge
set CampExists [-1, -1, -1]
set ArmyCampSoldiers [987, 150, 150]
set CampComposition[1] [0, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
set CampComposition[2] [0, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
set CampWaypoint [50, 50, 50]
click Camp1Frm.EndTurnBtn
wait 3000
# the outpost's marker stands at 2248 of a map 2400 wide: the second army to its right,
# the third to the left of the first
expect-screen Camp1Frm.ArmyCamp1Img left = 2248
expect-screen Camp1Frm.ArmyCamp2Img left = 2310
expect-screen Camp1Frm.ArmyCamp3Img left = 2186

# The battle question at the first field: its force is a great host
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
expect-open MsgFrm
expect-screen MsgFrm.EffectsLbl text = "Strength: a great host"
click MsgFrm.Noanibtn
