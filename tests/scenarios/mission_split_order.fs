# Soldiers on their way out of a camp by "Split and march" are still the camp's until the
# split is made: the mission's soldier objectives count them once, whether the order is
# pending, given up, or carried out.
seed 6
include common/campaign.fsi
# 200 Templars and 160 Champions: objective 1 asks for 200 and 300
set CampComposition[0][9] 200
set CampComposition[0][8] 160
set ArmyCampSoldiers[0] 1177
set CampMovesLeft[0] 3
include common/split_march_champions.fsi
# the order pending
click Camp1Frm.Image1
expect ObjectiveMet = [0, 0, 0, 0, 0, 0]
expect-screen TipsFrm.ProgressLbl1 text = "Templar 200 / 200   Champion 160 / 300"
click TipsFrm.CloseLbl
# given up by a click on the bare map: nobody leaves, nobody is counted twice, also not
# by the end of the turn
expect SplitMode = 1
set ObjectiveMet [0, 0, 0, 0, 0, 0]
click Camp1Frm.MapSurface
expect SplitMode = 0
expect RecruitTotal = 0
click Camp1Frm.EndTurnBtn
wait 20000
expect TurnCounter = 2
expect ObjectiveMet = [0, 0, 0, 0, 0, 0]
# carried out: the part that leaves is the one chosen, and the Champions are counted in
# the two camps
include common/split_march_champions.fsi
click Camp1Frm.WalkTo3
expect-open ArmySplitFrm
expect-screen ArmySplitFrm.RegrutedLbl2 text = "150"
set ObjectiveMet [0, 0, 0, 0, 0, 0]
click ArmySplitFrm.OkAniBtn
expect ArmyCampSoldiers = [1027, 150, 0]
wait 5000
click Camp1Frm.Image1
expect ObjectiveMet = [0, 0, 0, 0, 0, 0]
expect-screen TipsFrm.ProgressLbl1 text = "Templar 200 / 200   Champion 160 / 300"
click TipsFrm.CloseLbl
