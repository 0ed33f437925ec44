#@ run-options: --sound-devices 1
# A split order sent on its way. "Split and march" on the split screen selects the camp
# for walking with the split still to be made (SplitMode 1); the waypoint click opens the
# split screen again with the parts as chosen, and the army that leaves marches there.
# Cancelled at that point, the click is spent and nobody moves; a click on the bare map,
# the choice of another camp or the camp's own screen gives the order up.
seed 6
include common/campaign.fsi
set CampMovesLeft[0] 3
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.SplitBtn
expect-screen ArmySplitFrm.MarchAniBtn visible = true
expect-screen ArmySplitFrm.MarchAniBtn text = "Split and march"
pick ArmySplitFrm.ArmyLst 1
down ArmySplitFrm.UpAniBtn
wait 2670
up ArmySplitFrm.UpAniBtn
# 90 would leave: no army, and nothing is sent
click ArmySplitFrm.MarchAniBtn
expect-screen ArmySplitFrm.Helper text = "An army must number at least 100 soldiers."
expect SplitMode = 0
down ArmySplitFrm.UpAniBtn
wait 1770
up ArmySplitFrm.UpAniBtn
expect RecruitTotal = 150
click ArmySplitFrm.MarchAniBtn
expect-open !ArmySplitFrm
expect SplitMode = 1
expect ArmyCampSoldiers = [837, 0, 0]
expect-screen Camp1Frm.WalkTo3 visible = true
expect-screen Camp1Frm.Helper text = "Choose the waypoint the new army marches to; the split is made when it sets off."
click Camp1Frm.WalkTo3
expect-open ArmySplitFrm
expect-screen ArmySplitFrm.RegrutedLbl2 text = "150"
expect-screen ArmySplitFrm.RegrutedLbl text = "687"
expect-screen ArmySplitFrm.MarchAniBtn visible = false
click ArmySplitFrm.OkAniBtn
expect-open !ArmySplitFrm
expect SplitMode = 0
expect ArmyCampSoldiers = [687, 150, 0]
expect CampComposition[1] = [0, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect SelectedCamp = 2
expect CampWaypoint = [2, 3, 0]
expect-screen Camp1Frm.WalkingImg picture = "walk_2_3"
wait 5000
expect CampMovesLeft = [3, 2, 0]

# Cancelled when the waypoint is chosen: the click is spent, the army stays whole
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.SplitBtn
pick ArmySplitFrm.ArmyLst 2
down ArmySplitFrm.UpAniBtn
wait 2970
up ArmySplitFrm.UpAniBtn
expect RecruitTotal = 100
click ArmySplitFrm.MarchAniBtn
expect SplitMode = 1
click Camp1Frm.WalkTo3
expect-open ArmySplitFrm
expect-screen ArmySplitFrm.RegrutedLbl2 text = "100"
click ArmySplitFrm.Noanibtn
expect-open !ArmySplitFrm
expect SplitMode = 0
expect ArmyCampSoldiers = [687, 150, 0]
expect CampWaypoint = [2, 3, 0]
expect CampMovesLeft = [3, 2, 0]
expect-screen Camp1Frm.WalkingImg visible = false
# the next click walks the whole army
click Camp1Frm.WalkTo3
wait 5000
expect CampWaypoint = [3, 3, 0]
expect ArmyCampSoldiers = [687, 150, 0]

# Given up by a click on the bare map, by choosing another camp or by opening the
# camp's own screen
set SplitMode 1
click Camp1Frm.MapSurface
expect SplitMode = 0
expect-screen Camp1Frm.WalkTo4 visible = false
rclick Camp1Frm.ArmyCamp1Img
set SplitMode 1
rclick Camp1Frm.ArmyCamp2Img
expect SplitMode = 0
expect SelectedCamp = 2
click Camp1Frm.WalkTo4
expect-open !ArmySplitFrm
wait 5000
expect CampWaypoint = [3, 4, 0]
expect ArmyCampSoldiers = [687, 150, 0]
set SplitMode 1
click Camp1Frm.ArmyCamp1Img
expect SplitMode = 0
click ArmyCampFrm.OkAniBtn

# A camp without moves splits but cannot march off
set CampMovesLeft[0] 0
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.SplitBtn
expect-screen ArmySplitFrm.MarchAniBtn enabled = false
click ArmySplitFrm.Noanibtn
