# One whole end of turn with fixed draws: income, drift, leader, harvest, food, health,
# trade lost, season, market bases, shortage warning.
seed 11
include common/campaign.fsi
set TurnCounter 2
set Season 4
set TaxRate 20
set People 3000
set Gold 1000
set Wood 100
set Stone 100
set Ore 100
set Crops 2000
set Meat 500
set Happiness 60
set Health 60
set Morale 50
set Leadership 25
set Nobility 1
set Diplomacy 50
set Religion 70
set FieldKind[0] 1
set CropFieldPeople 100
set WoodCutterSlots[0] 1
set WoodCutters 1
set WoodCutterPeople 260
# drift: +245 -245 +60; market bases 6250 4250 2250
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-query open = ["Camp1Frm"]
expect LastGold = 1000
expect LastPeople = 3000
expect Season = 1
expect TurnCounter = 3
# income: 1000 + Int(20 * 3000 / 200); one wood cutter slot
expect Gold = 1300
expect Wood = 355
expect Stone = 100
# harvest of the crop field: yield 20 - 111 + 550
expect CropYield = 459
expect MeatYield = 101
# crops 2000 + 459 - Fix(3060 / 4); meat 500 - Fix(3060 / 12)
expect Crops = 1694
expect Meat = 245
# people 3060, then health 68 > 50: + 5 %
expect People = 3213
expect IdlePeople = 2853
# happiness 60 - 5 + 2 - 5 + 2 + 5 + 3 + 5 + 4 (spring)
expect Happiness = 71
expect Health = 72
expect Morale = 50.3
expect Leadership = 26
expect Diplomacy = 51
expect TradeLostShown = -1
expect BuyBaseWood = 6250
expect BuyBaseStone = 4250
expect BuyBaseOre = 2250
expect FadeMode = 0
expect-query messages = {"list1": [{"entry": 87, "text": "Your diplomacy has fallen too low: the merchants have ended all trade."}, {"entry": 77, "text": "Food is running short! Store more crops and meat before the people starve."}], "list2": []}
expect-screen Camp1Frm.CattleLbl colour = "#c00000"
expect-screen Camp1Frm.CropsLbl colour = "#2b1a0e"
expect-screen Camp1Frm.GoldLbl text = "1300"
# the turn indicator returns when the end-turn timer fires
expect-screen Camp1Frm.TurnImg picture = ""
wait 100
expect-screen Camp1Frm.TurnImg picture = "hourglass"
expect-query file "Save Game/AutoSave.s15" = {"exists": true, "size": 792}
