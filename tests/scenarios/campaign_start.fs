# A new campaign at difficulty 1: the started county, the first save, the mission screen.
seed 11
start
expect-open TipsFrm
expect-screen TipsFrm.TitleLbl text = "Mission objectives"
click TipsFrm.CloseLbl
expect-query open = ["Camp1Frm"]
expect CurrentLevel = 15
expect TurnCounter = 1
expect Season = 1
expect Difficulty = 1
expect TradeDiplomacyThreshold = 60
expect ArmyCampSoldiers = [837, 0, 0]
expect CampComposition[0] = [2, 200, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5]
expect CampWaypoint = [2, 0, 0]
expect CampExists = [-1, 0, 0]
expect BowStock = 50
expect LongBowStock = 300
expect ShieldStock = 60
expect Leadership = 25
expect Religion = 70
expect Morale = 50
expect ChurchTithe = 500
expect BuildTurnsLeft = 200
expect VillageState = [200, 100, 100]
expect OpponentArmySlots[2] = [0, 236, 203, 456, 543, 520, 1, 0, 0, 0, 0, 0, 0, 1]
expect Rival1.Active = 0
expect SaveExtension = ".s15"
expect-query file "Save Game/FirstSave.s15" = {"exists": true, "size": 792}
expect-query file LGame.rz = {"exists": true, "size": 3, "text": "0\r\n"}
# the status panel shows the county
expect-screen Camp1Frm.PeopleLbl visible = true
