# Rival lord 1's army A (EnemyCamp 2: 300 archers, 100 club men, strength 8) raiding the
# village: the raid is fought at the next end of turn. The county has 2000 people.
set EnemyCamp[1][1] 300
set EnemyCamp[1][2] 100
set Rival1.Values[6] 8
set Rival1.Bytes[1] 2
set Rival1WarState 1
set People 2000
