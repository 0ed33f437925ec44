#@ run-options: --sound-devices 1
# The recruiting screen does not open while an army walks or a battle is under way: not
# from its button, its key or the outpost. Once the walk or the battle is over it opens.
seed 8
include common/campaign.fsi
set BarracksBuilt -1
set OutpostState 200
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo3
sounds
click Camp1Frm.ArmyBtn
expect-open !ArmyFrm
key Camp1Frm A
expect-open !ArmyFrm
expect-query sounds = []
click Camp1Frm.OutpostImg1
expect-open !ArmyFrm
wait 5000
expect CampWaypoint[0] = 3
key Camp1Frm A
expect-open ArmyFrm
click ArmyFrm.Noanibtn

# A battle at a blocked waypoint: from the hand-over to the results
set CampWaypoint[0] 39
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
click MsgFrm.OkAniBtn
wait 4000
expect-open !EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
click Camp1Frm.ArmyBtn
expect-open !ArmyFrm
key Camp1Frm A
expect-open !ArmyFrm
click Camp1Frm.OutpostImg1
expect-open !ArmyFrm
fight-out 1 50 600 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-open ResultsFrm
click ResultsFrm.OkAniBtn
click Camp1Frm.OutpostImg1
expect-open ArmyFrm
expect-screen ArmyFrm.ArmyNameLbl text = "The Lions"
click ArmyFrm.Noanibtn
