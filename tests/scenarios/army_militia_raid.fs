# A rival raids the village in a turn whose People falls below zero before the end of
# turn's clamp (10 people, no happiness: the drift takes more): the village raises no
# militia (never a negative count, which the hand-over would refuse, leaving the raiders
# unopposed), the hand-over is written and the county's army defends the village.
seed 5
include common/campaign.fsi
set Difficulty 1
set TurnCounter 8
set People 10
set Happiness 0
include common/rival1_in_play.fsi
# army A of rival lord 1 reaches the village this end of turn
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 2
set Rival1WarState 1
click Camp1Frm.EndTurnBtn
wait 6000
expect BattleSite = 8
expect People = 0
# the hand-over went out: the first army as sent, the raiders and the (empty) militia
expect-query programs = {"started": ["battledata.rz"], "ended": false}
expect-query boxes = []
# (the hand-over ends with its 4-byte battle id)
expect-query file Fight_in.rz = {"exists": true, "size": 187}
expect BattleArmy = [2, 200, 100, 100, 100, 100, 50, 50, 10, 10, 10, 100, 0, 5]
