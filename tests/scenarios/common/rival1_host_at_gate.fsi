# Rival lord 1 in play with army A (EnemyCamp 2: 300 archers, 100 club men, strength 8)
# marching on the castle, one turn from the gate; the first army garrisons the castle.
include rival1_in_play.fsi
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 3
set Rival1AttackState 1
set CampWaypoint[0] 1
set CastleGarrisonCamp 1
