# Turns 6, 7 and 8: the tithe and the stake screens, research completing, a blacksmith
# order forging every turn and lapsing with message 68 when the ore runs out.
seed 3
include common/campaign.fsi
set TurnCounter 5
set People 1000
set Happiness 60
set Health 70
set Gold 20000
set Crops 20000
set Meat 5000
set Wood 0
set Ore 1000
set Diplomacy 70
set ResearchCountdown 0
set BlacksmithBuilt -1
set BlacksmithOrder 3
expect SwordStock = 50
# turn 6: drift +60 (1060 people), market bases
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
expect TurnCounter = 6
expect ChurchTithe = 424
expect-screen ReligionFrm.TitheLbl visible = true
# the pay button says so
expect-screen ReligionFrm.TaxOkAniBtn text = "Accept"
expect-screen ReligionFrm.TaxNoAniBtn text = "Refuse"
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
expect-query open = ["Camp1Frm"]
# taxes Int(10 * 1000 / 200) came in before the tithe
expect Gold = 19626
# research done: science level 2, the sword batch grows to 24 and is forged at once
expect ScienceLevel = 2
expect ResearchCountdown = 200
expect SwordStock = 74
expect Ore = 500
expect BlacksmithOrder = 3
expect-query messages = {"list1": [{"entry": 64, "text": "You paid the Church's tithe. The clergy bless your rule."}, {"entry": 69, "text": "Your scholars have reached a new level of science. The county prospers."}], "list2": []}
# turn 7: nothing opens, the order repeats
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-query open = ["Camp1Frm"]
expect SwordStock = 98
expect Ore = 0
# turn 8: the stake screen; the order lapses for want of ore
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
expect TurnCounter = 8
expect SwordStock = 98
expect BlacksmithOrder = 0
expect GuardScreenValue[0] = 2
expect-query messages = {"list1": [{"entry": 66, "text": "You spared the heretic. The people cheer, but the Church frowns upon you."}, {"entry": 68, "text": "The blacksmith's order lapsed: there was not enough wood or ore for another batch."}], "list2": []}
