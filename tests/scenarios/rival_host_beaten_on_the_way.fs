# Rival lord 1's host of 300 archers and 100 club men marches on the castle, three turns
# away, and nobody holds the gate. The first army meets it from the battlefield and
# leaves nobody standing: the attack is over at once, the castle may be entered again,
# and when the host would have reached the gate (the fourth end of turn) the county is
# still the player's.
seed 5
include common/campaign.fsi
include common/rival1_in_play.fsi
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 3
set Rival1AttackState 3
click Camp1Frm.BattlefieldImg1
expect-screen Camp1Frm.BattlefieldPnl visible = true
click Camp1Frm.Okanibtn2
wait 1000
expect-query programs = {"started": ["battledata.rz"], "ended": false}
wait 4000
fight-out 1 120 400 150,100,100,100,100,50,50,10,10,10,5,100,0,2 0,0,0,0,0,0,0,0,0,0,0,0,0,0
put fight_status.rz 2
wait 8000
expect-open ResultsFrm
click ResultsFrm.OkAniBtn
expect EnemyCamp[1] = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect Rival1.Bytes[1] = 0
expect Rival1AttackState = 200
click Camp1Frm.EndTurnBtn
wait 5000
click Camp1Frm.EndTurnBtn
wait 5000
click Camp1Frm.EndTurnBtn
wait 5000
click Camp1Frm.EndTurnBtn
wait 5000
expect PlayerInGame = -1
expect Rival1AttackState = 200
expect-open !TipsFrm
expect-query programs = {"started": ["battledata.rz"], "ended": false}
