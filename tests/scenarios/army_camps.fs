# The army camp screen: split (refused below 100 on a side), combine (the sums kept),
# garrison by walking into the castle, march out, and disband.
seed 6
include common/campaign.fsi
set People 3000
set IdlePeople 1000
set BowStock 0
click Camp1Frm.ArmyCamp1Img
expect-open ArmyCampFrm
expect-screen ArmyCampFrm.ArmyNameLbl text = "Ist Vanguard"
expect-screen ArmyCampFrm.RegrutedLbl text = "837 Soldiers"
expect-screen ArmyCampFrm.ArcherLbl text = "200"
expect-screen ArmyCampFrm.CombineBtn enabled = false

# Split: 90 archers would leave too few; 150 make the second army
click ArmyCampFrm.SplitBtn
expect-open ArmySplitFrm
expect-screen ArmySplitFrm.ArmyNameLbl2 text = "The Lions"
pick ArmySplitFrm.ArmyLst 1
down ArmySplitFrm.UpAniBtn
wait 2670
up ArmySplitFrm.UpAniBtn
expect RecruitTotal = 90
expect-screen ArmySplitFrm.RegrutedLbl text = "747"
click ArmySplitFrm.OkAniBtn
expect-screen ArmySplitFrm.Helper text = "An army must number at least 100 soldiers."
expect ArmyCampSoldiers = [837, 0, 0]
down ArmySplitFrm.UpAniBtn
wait 1800
up ArmySplitFrm.UpAniBtn
click ArmySplitFrm.DownAniBtn
expect RecruitTotal = 150
pick ArmySplitFrm.ArmyLst 0
down ArmySplitFrm.UpAniBtn
wait 300
up ArmySplitFrm.UpAniBtn
expect RecruitCounts[0] = 2
click ArmySplitFrm.OkAniBtn
expect-open !ArmySplitFrm
expect ArmyCampSoldiers = [685, 152, 0]
expect CampComposition[1] = [2, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect CampComposition[0] = [0, 50, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5]
expect CampWaypoint = [2, 2, 0]
expect CampExists = [-1, -1, 0]
expect RecruitTotal = 0
expect-screen Camp1Frm.ArmyCamp2Img visible = true
# both on the same waypoint: the second banner stands beside the first, clear of its
# status picture
expect-screen Camp1Frm.ArmyCamp1Img left = 458
expect-screen Camp1Frm.Camp1StatusImg left = 494
expect-screen Camp1Frm.ArmyCamp2Img left = 520
expect-screen Camp1Frm.ArmyCamp2Img top = 1243

# Combining refuses what one army cannot hold: 256 monks would wrap round to none
expect CastleStageBuilt = [0, 0, 0, 0, 0]
set CampComposition[0][0] 250
set ArmyCampSoldiers[0] 935
set CampComposition[1][0] 6
set ArmyCampSoldiers[1] 156
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption2 1
click ArmyCombineFrm.OkAniBtn
expect-open ArmyCombineFrm
expect-screen ArmyCombineFrm.Helper text = "One army holds at most 255 monks and 255 warlords: these armies cannot be combined."
expect ArmyCampSoldiers = [935, 156, 0]
expect CampComposition[0][0] = 250
click ArmyCombineFrm.Noanibtn
set CampComposition[0][0] 0
set ArmyCampSoldiers[0] 685
set CampComposition[1][0] 2
set ArmyCampSoldiers[1] 152
# ... and a garrison grown beyond its castle: with the keep and the fort built, 685 fit
# the fort's 700, 837 fit neither
set CastleStageBuilt [-1, 0, -1, 0, 0]
set CastleGarrisonCamp 1
click Camp1Frm.ArmyCamp2Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption1 1
click ArmyCombineFrm.OkAniBtn
expect-screen ArmyCombineFrm.Helper text = "The castle is too small to hold this army."
expect ArmyCampSoldiers = [685, 152, 0]
expect CastleGarrisonCamp = 1
click ArmyCombineFrm.Noanibtn
set CastleGarrisonCamp 0
set CastleStageBuilt [0, 0, 0, 0, 0]

# Combine them again from the second camp
click Camp1Frm.ArmyCamp2Img
expect-screen ArmyCampFrm.ArmyNameLbl text = "The Lions"
click ArmyCampFrm.CombineBtn
expect-open ArmyCombineFrm
expect-screen ArmyCombineFrm.ArmyOption2 checked = true
expect-screen ArmyCombineFrm.ArmyOption3 enabled = false
check ArmyCombineFrm.ArmyOption1 1
click ArmyCombineFrm.OkAniBtn
expect-open !ArmyCombineFrm
expect ArmyCampSoldiers = [837, 0, 0]
expect CampComposition[0] = [2, 200, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5]
expect CampExists = [-1, 0, 0]
expect-screen Camp1Frm.ArmyCamp2Img visible = false
# regrouping took the combined army's moves for this turn
expect CampMovesLeft = [0, 0, 0]

# Garrison: keep, bailey and fort are too small, the stronghold takes 837
set CastleStageBuilt [-1, -1, -1, -1, 0]
set CampMovesLeft[0] 2
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo3 visible = true
expect-screen Camp1Frm.WalkTo1 visible = true
click Camp1Frm.WalkTo1
expect-screen Camp1Frm.Helper text = "The castle is too small to hold this army."
expect CastleGarrisonCamp = 1
expect CampWaypoint[0] = 1
expect-screen Camp1Frm.WalkingImg visible = true
wait 1000
expect-screen Camp1Frm.WalkingImg visible = false
expect CampMovesLeft[0] = 1
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo2 visible = false
# the right button on the garrison does nothing: no roads, the help line as it was
expect-screen Camp1Frm.WalkTo3 visible = false
expect-screen Camp1Frm.Helper text = "The castle is too small to hold this army."

# March out from the castle screen
click Camp1Frm.CastleImg
expect-open CastleFrm
expect-screen CastleFrm.GarrisonLbl text = "Garrison: Ist Vanguard - 837 Soldiers"
expect-screen CastleFrm.LongBowLbl text = "100"
click CastleFrm.UngarisonBtn
expect-open !CastleFrm
expect CastleGarrisonCamp = 0
expect CampWaypoint[0] = 2
wait 1000
expect CampMovesLeft[0] = 0
click Camp1Frm.CastleImg
expect-screen CastleFrm.UngarisonBtn enabled = false
click CastleFrm.OkAniBtn

# Disband: people come home (not the long-bowmen), gear goes back to the armoury
set CastleGarrisonCamp 1
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.DisbandBtn
expect-screen ArmyCampFrm.Okanibtn2 visible = true
click ArmyCampFrm.Okanibtn2
expect-open !ArmyCampFrm
expect People = 3737
expect IdlePeople = 1737
expect BowStock = 200
expect ArmyCampSoldiers = [0, 0, 0]
expect CampExists = [0, 0, 0]
expect CastleGarrisonCamp = 0
expect-screen Camp1Frm.ArmyCamp1Img visible = false

