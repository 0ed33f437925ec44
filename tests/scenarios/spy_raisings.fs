# A spy at a rival lord's court reports each army he raises; the other rival raises his
# unseen. Rival 1 raises army A on turn 12, rival 2 his army on turn 15.
seed 4
include common/campaign.fsi
set Rival1.Active -1
set Rival2.Active -1
set Rival1.Values[5] -1
set Rival2.Values[5] -1
set Gold 30000
set Crops 30000
set Meat 8000
# The spy placed at rival 1's court by way of the diplomacy screen.
click Camp1Frm.DiploBtn
pick DiploFrm.RivalsLst 0
click DiploFrm.AmbasadorBtn
click DiploFrm.EnvoyAniBtn
click DiploFrm.SpieBtn
click DiploFrm.EnvoyAniBtn
expect RivalRelation[0] = 100
click DiploFrm.OkAniBtn
set TurnCounter 11
click Camp1Frm.EndTurnBtn
# the church's tithe of the 12th turn
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
expect TurnCounter = 12
expect EnemyCamp[1] = [0, 100, 0, 59, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect Rival1.Bytes[1] = 1
expect-screen Camp1Frm.EnemyCamp2Img visible = true
expect-query messages = {"list1": [{"entry": 64, "text": "You paid the Church's tithe. The clergy bless your rule."}, {"entry": 87, "text": "Your diplomacy has fallen too low: the merchants have ended all trade."}, {"entry": 88, "text": "Thieves from a rival's county have robbed your treasury and stores."}, {"entry": 90, "text": "A rival lord has paid 5000 gold for the upkeep of his host."}, {"entry": 94, "text": "Your spy reports: a rival lord has raised a new army."}], "list2": []}
# Rival 2 raises his army on turn 15 with no spy of ours at his court: not a word.
set TurnCounter 14
click Camp1Frm.EndTurnBtn
expect TurnCounter = 15
expect EnemyCamp[4] = [0, 200, 100, 97, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect-screen Camp1Frm.EnemyCamp5Img visible = true
expect-query messages = {"list1": [{"entry": 88, "text": "Thieves from a rival's county have robbed your treasury and stores."}, {"entry": 88, "text": "Thieves from a rival's county have robbed your treasury and stores."}], "list2": []}
