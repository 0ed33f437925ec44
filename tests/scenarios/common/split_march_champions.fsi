# Camp 1 split by "Split and march" with 150 Champions in the part that leaves: the order
# is pending (SplitMode 1) until a waypoint is chosen.
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.SplitBtn
pick ArmySplitFrm.ArmyLst 8
down ArmySplitFrm.UpAniBtn
wait 4470
up ArmySplitFrm.UpAniBtn
expect RecruitTotal = 150
click ArmySplitFrm.MarchAniBtn
expect SplitMode = 1
