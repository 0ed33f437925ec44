#@ run-options: --sound-devices 1
# Battles at blocked waypoints, through the hand-over files: a win with plunder drawn
# from queued values, a loss, results that do not fit the army (the camp stays as it
# was), a short results file, and a battle program that ends without a result.
seed 9
include common/campaign.fsi
set Crops 1000
set Meat 100
set Wood 100
set Stone 100
set Ore 100
set CampWaypoint[0] 39
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
expect-open MsgFrm
expect BattleSite = 1
expect CampWaypoint[0] = 39
click MsgFrm.OkAniBtn
expect-open EndTurnFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "1\r\n"}
# the fields of the hand-over (133 bytes) and its battle id (4)
expect-query file Fight_in.rz = {"exists": true, "size": 137}
expect BattleArmy = [2, 200, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5]
# The fade screen closes; the status still says the battle runs
wait 4000
expect-open !EndTurnFrm
expect-open !ResultsFrm
key Camp1Frm F6
expect-query file "Save Game/QuickSave.s15" = {"exists": false}
# The battle program has won, 50 archers fell
fight-out 1 50 600 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
rng 0.5 0.5 0.5 0.5 0.5
sounds
wait 4000
expect-open ResultsFrm
expect-query sounds = [["EnvChanel01", "victory.wav"]]
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}
expect-screen ResultsFrm.OutcomeLbl text = "Victory!"
expect-screen ResultsFrm.ArmyNameLbl text = "Ist Vanguard"
expect-screen ResultsFrm.ArcherLbl text = "150"
expect-screen ResultsFrm.WeDeathLbl text = "50"
expect-screen ResultsFrm.EnemyDeathLbl text = "600"
expect-screen ResultsFrm.CropsLbl text = "+550"
expect-screen ResultsFrm.OreLbl text = "+250"
expect Crops = 1550
expect Meat = 125
expect-screen Camp1Frm.CropsLbl text = "1550"
expect Wood = 350
expect Stone = 350
expect Ore = 350
expect ArmyCampSoldiers[0] = 787
expect MapEventFlags[0] = -1
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect-open !ResultsFrm
expect MapEventFlags[0] = 0
expect-screen Camp1Frm.FieldBattleImg1 visible = false
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
expect-open !MsgFrm
wait 1000
expect CampWaypoint[0] = 40

# A lost battle at 51: no plunder, the field stays held
set CampWaypoint[0] 50
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
expect BattleSite = 2
click MsgFrm.OkAniBtn
wait 4000
fight-out 0 487 20 20,10,10,10,100,50,50,10,10,10,5,100,0,2
put fight_status.rz 2
sounds
wait 4000
expect-query sounds = [["EnvChanel01", "defeat.wav"]]
expect-screen ResultsFrm.OutcomeLbl text = "Defeat!"
expect-screen ResultsFrm.CropsLbl text = "-"
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect Crops = 1550
expect MapEventFlags[1] = -1
expect ArmyCampSoldiers[0] = 387
expect CampComposition[0] = [2, 20, 10, 10, 10, 100, 50, 50, 10, 10, 10, 100, 0, 5]
expect CampWaypoint[0] = 50

# Results with more survivors than went in: the camp stays as it was
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
click MsgFrm.OkAniBtn
wait 4000
fight-out 1 0 0 900,10,10,10,100,50,50,10,10,10,5,100,0,2
put fight_status.rz 2
wait 4000
expect-open !ResultsFrm
expect-screen MsgFrm.MsgLbl text = "The battle results could not be read: the results give 900 surviving Archer of 20 sent. The battle is not fought; your army stands as it was."
click MsgFrm.OkAniBtn
expect CampComposition[0] = [2, 20, 10, 10, 10, 100, 50, 50, 10, 10, 10, 100, 0, 5]
expect Crops = 1550
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}

# A short results file
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
click MsgFrm.OkAniBtn
wait 4000
put-hex Fight_out.rz 0100 01
put fight_status.rz 2
wait 4000
expect-open !ResultsFrm
expect-open MsgFrm
click MsgFrm.OkAniBtn
expect ArmyCampSoldiers[0] = 387
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}

# The battle program ends without a result: the campaign comes back after a tick
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
click MsgFrm.OkAniBtn
wait 4000
end-programs
wait 8000
expect-screen MsgFrm.MsgLbl text = "The battle program ended without a result. The battle is not fought; your army stands as it was."
click MsgFrm.OkAniBtn
expect ArmyCampSoldiers[0] = 387
expect-query file fight_status.rz = {"exists": true, "size": 3, "text": "0\r\n"}

# A battle program that runs on without a result: after half an hour the campaign comes back
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
click MsgFrm.OkAniBtn
wait 1790000
expect-open !MsgFrm
wait 10000
expect-screen MsgFrm.MsgLbl text = "The battle program gave no result for a long time. The battle is not fought; your army stands as it was."
click MsgFrm.OkAniBtn
expect ArmyCampSoldiers[0] = 387
key Camp1Frm F6
expect-query file "Save Game/QuickSave.s15" = {"exists": true, "size": 792}
