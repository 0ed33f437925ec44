# The outlaw band of the burnt second village. It holds the village from the start; driven
# out, it falls back to the burnt mill beside it; driven from there, it is gone. A lost
# battle leaves the band where it stood; each win puts the place into its countdown, and
# the place is rebuilt (picture and message) when the countdown ends.
seed 3
include common/campaign.fsi
set Difficulty 2
set TurnCounter 81
expect OutlawBand = 0
expect-screen Camp1Frm.Village2Pic visible = true
expect-screen Camp1Frm.Village2Pic picture = "troops_outlaw"
expect-screen Camp1Frm.Village2Pic left = 1160
expect-screen Camp1Frm.Village2Pic top = 1370
expect-screen Camp1Frm.VillageImg2 picture = "obj_village_site"
expect-screen Camp1Frm.WindmillImg2 picture = "obj_windmill_site"

# No camp on the map: the first army is in the castle
set CastleGarrisonCamp 1
click Camp1Frm.Village2Pic
expect-open !MsgFrm
expect-screen Camp1Frm.Helper text = "Outlaws hold this burnt place. Select an army, then click them to drive them out."
set CastleGarrisonCamp 0

# The first army attacks the band in the village and loses
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.Village2Pic
expect-open MsgFrm
expect BattleSite = 15
click MsgFrm.OkAniBtn
expect OpponentArmySlots[0] = [0, 80, 100, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0]
# (the hand-over ends with its 4-byte battle id)
expect-query file Fight_in.rz = {"exists": true, "size": 139}
wait 4000
fight-out 0 300 40 100,50,50,50,50,20,20,5,5,5,2,50,0,1 70,0,90,0,20,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Defeat!"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect OutlawBand = 0
expect VillageState[1] = 100
expect-screen Camp1Frm.Village2Pic visible = true
expect-screen Camp1Frm.Village2Pic left = 1160

# Again, by a click on the burnt village itself, and the band is driven out
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.VillageImg2
expect-open MsgFrm
expect BattleSite = 15
click MsgFrm.OkAniBtn
wait 4000
fight-out 1 10 220 90,50,50,50,50,20,20,5,5,5,2,50,0,1 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
expect VillageState[1] = 100
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect VillageState[1] = 6
expect OutlawBand = 1
# the band now stands below the mill; the village is still a burnt site
expect-screen Camp1Frm.Village2Pic visible = true
expect-screen Camp1Frm.Village2Pic left = 1270
expect-screen Camp1Frm.Village2Pic top = 1270
expect-screen Camp1Frm.VillageImg2 picture = "obj_village_site"
# the village no longer asks for a battle
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.VillageImg2
expect-open !MsgFrm

# The band at the mill: a loss, then a win
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WindmillImg2
expect-open MsgFrm
expect BattleSite = 16
click MsgFrm.OkAniBtn
expect OpponentArmySlots[0] = [0, 60, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
# the mill's battle is fought on field1, two letters shorter than village1
# (the hand-over ends with its 4-byte battle id)
expect-query file Fight_in.rz = {"exists": true, "size": 137}
wait 4000
fight-out 0 200 30 80,40,40,40,40,20,20,5,5,5,2,50,0,1 50,0,60,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Defeat!"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect OutlawBand = 1
expect WindmillState[1] = 100
expect-screen Camp1Frm.Village2Pic left = 1270

rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.Village2Pic
expect BattleSite = 16
click MsgFrm.OkAniBtn
wait 4000
fight-out 1 20 140 70,40,40,40,40,20,20,5,5,5,2,50,0,1 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 4000
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect WindmillState[1] = 6
expect OutlawBand = 2
expect-screen Camp1Frm.Village2Pic visible = false
expect-screen Camp1Frm.WindmillImg2 picture = "obj_windmill_site"
click Camp1Frm.WindmillImg2
expect-open !MsgFrm

# The countdowns: both places are rebuilt at the sixth end of turn, each logging its
# message (the lists are cleared at every end of turn; full stores keep the shortage
# warnings out of them)
set Advanced.DeleteMessagesOption -1
set Crops 90000
set Meat 90000
click Camp1Frm.EndTurnBtn
wait 5000
expect VillageState[1] = 5
expect WindmillState[1] = 5
click Camp1Frm.EndTurnBtn
wait 5000
# the church's tithe of the 84th turn
click Camp1Frm.EndTurnBtn
wait 5000
expect-open ReligionFrm
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
click Camp1Frm.EndTurnBtn
wait 5000
click Camp1Frm.EndTurnBtn
wait 5000
expect VillageState[1] = 1
expect WindmillState[1] = 1
expect-screen Camp1Frm.VillageImg2 picture = "obj_village_site"
expect-screen Camp1Frm.WindmillImg2 picture = "obj_windmill_site"
click Camp1Frm.EndTurnBtn
wait 5000
expect VillageState[1] = 100
expect WindmillState[1] = 100
expect-screen Camp1Frm.VillageImg2 picture = "obj_village"
expect-screen Camp1Frm.WindmillImg2 picture = "obj_windmill"
expect-query messages = {"list1": [{"entry": 73, "text": "A new windmill has been built and grinds the county's grain."}], "list2": [{"entry": 71, "text": "A new village has been built. Families settle on the land."}]}

# Saved and loaded, the rebuilt places stay rebuilt and the band stays gone
key Camp1Frm F6
click MsgFrm.OkAniBtn
set OutlawBand 1
set WindmillState[1] 3
key Camp1Frm F7
click MsgFrm.OkAniBtn
expect OutlawBand = 2
expect WindmillState[1] = 100
expect-screen Camp1Frm.Village2Pic visible = false
expect-screen Camp1Frm.VillageImg2 picture = "obj_village"
expect-screen Camp1Frm.WindmillImg2 picture = "obj_windmill"
