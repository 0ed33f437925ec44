# The plague kills half of the county: workers are laid off from the wood cutter's
# slot 5 downwards until the workforce fits the people (445 of 517); the stone cutter
# and the fields keep theirs.
seed 9
include common/campaign.fsi
set Advanced.AnimatedSprites 0
set TurnCounter 2
set Season 1
set People 1000
set Happiness 60
set Health 5
set Diplomacy 70
set EatMeat 0
set EatCrops 0
set Crops 20000
set Meat 5000
set WoodCutterSlots [1, 1, 0, 0, 1]
set WoodCutters 3
set WoodCutterPeople 780
set StoneCutterSlots [1, 0, 0, 0, 0]
set StoneCutters 1
set StoneCutterPeople 300
set FieldKind [1, 0, 2, 0, 0, 0, 0, 0, 0, 0]
set CropFieldPeople 100
set PasturePeople 45
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
# 1060 people; health -10: a quarter die (795), then 35 % more (517)
expect People = 517
expect PlagueActive = -1
expect TurnAnimationFlags[2] = 1
expect WoodCutterSlots = [0, 0, 0, 0, 0]
expect WoodCutters = 0
expect StoneCutterSlots = [1, 0, 0, 0, 0]
expect FieldKind = [1, 0, 2, 0, 0, 0, 0, 0, 0, 0]
expect IdlePeople = 72
expect Health = 0
expect-screen Camp1Frm.PlagueImg visible = true
expect-screen Camp1Frm.HealthLbl colour = "#c00000"
expect-query messages = {"list1": [{"entry": 98, "text": "Plague! The dead are carried through the streets."}, {"entry": 78, "text": "The people are unhappy. Lower the taxes or feed them better."}, {"entry": 79, "text": "Sickness spreads: the health of your people is failing."}], "list2": []}
