# Rival lord 1 in play, rich, his fame told long ago; the county's treasury and stores
# full enough that no shortage or debt comes into the turns played.
set Rival1.Active -1
set Rival1.Gold 20000
set Rival1.Morale 40
set Rival1.Values[5] -1
set Gold 20000
set Crops 20000
set Meat 5000
