# A season-3 turn at difficulty 3: the frost ruins fields 1, 3, 4, 7 and 9 that are not
# empty and frees their workers; spring clears the ruined fields.
put Options.rz 3
seed 5
include common/campaign.fsi
expect Difficulty = 3
set TurnCounter 2
set Season 2
set People 3000
include common/content_county.fsi
set Diplomacy 99
set FieldKind [1, 1, 0, 2, 0, 0, 1, 0, 4, 1]
set CropFieldPeople 400
set PasturePeople 45
set TaxFieldCount 1
# drift, the frost roll Int(0.6 * 100 + 50) = 110, market bases
rng 0.5 0.5 0.5 0.6 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect Season = 3
expect FrostRoll = 110
expect FieldKind = [3, 1, 0, 3, 0, 0, 3, 0, 3, 1]
expect CropFieldPeople = 200
expect PasturePeople = 0
expect-query messages = {"list1": [{"entry": 67, "text": "A hard frost has ruined some of your fields."}], "list2": []}
# winter, then spring: the ruined fields are empty again
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect FieldKind = [3, 1, 0, 3, 0, 0, 3, 0, 3, 1]
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect Season = 1
expect FieldKind = [0, 1, 0, 0, 0, 0, 0, 0, 0, 1]
