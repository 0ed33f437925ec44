# The first village seized by another lord, and won back by a camp. Lord Osric's claim is
# refused: his men show beside the village. A click on them without a camp on the map
# only says what to do; with the first army selected the battle question comes, the men
# holding the village are handed over as the enemy, a loss leaves the village held and a
# win gives it back (with its full yields).
seed 3
include common/campaign.fsi
expect-screen Camp1Frm.Village1Pic visible = false
set Difficulty 2
set TurnCounter 34
click Camp1Frm.EndTurnBtn
wait 5000
expect MsgKind = 20
click MsgFrm.Noanibtn
expect VillageState[0] = 100
# the end of the turn's fade lifts
wait 3000
expect-screen Camp1Frm.Village1Pic visible = true

# No camp on the map: the first army is in the castle
set CastleGarrisonCamp 1
click Camp1Frm.Village1Pic
expect-open !MsgFrm
expect-screen Camp1Frm.Helper text = "Another lord's men hold this village. Select an army, then click them to win it back."
set CastleGarrisonCamp 0

# The first army marches on them and loses
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.Village1Pic
expect-open MsgFrm
expect BattleSite = 14
click MsgFrm.OkAniBtn
expect OpponentArmySlots[0] = [0, 60, 120, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
# (the hand-over ends with its 4-byte battle id)
expect-query file Fight_in.rz = {"exists": true, "size": 139}
wait 4000
fight-out 0 300 40 100,50,50,50,50,20,20,5,5,5,2,50,0,1 60,0,80,40,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Defeat!"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect VillageState[0] = 100
expect-screen Camp1Frm.Village1Pic visible = true

# Again, by a click on the village itself, and this time the village is won back
set BattleSite 0
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.VillageImg1
expect BattleSite = 14
click MsgFrm.OkAniBtn
wait 4000
fight-out 1 10 220 90,50,50,50,50,20,20,5,5,5,2,50,0,1 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
expect VillageState[0] = 100
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect VillageState[0] = 200
expect-screen Camp1Frm.Village1Pic visible = false
expect-screen Camp1Frm.VillageImg1 picture = "obj_village"
# The village is the county's: a click on it only names it
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.VillageImg1
expect-open !MsgFrm
