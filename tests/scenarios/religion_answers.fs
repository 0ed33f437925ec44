# The Church's demands at the end of turn: each answer shows what it did to the people's
# happiness, and the status panel, redrawn while the dialog is still on view, shows the
# county as the turn keeps it (happiness and health within 0..100, no stock below 0),
# though the values stray beyond those bounds until the end of the turn.
seed 3
include common/campaign.fsi
set People 1000
set Gold 20000
include common/content_county.fsi
# turn 6, the tithe paid: happiness unchanged
set TurnCounter 5
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
expect-screen ReligionFrm.HappinessLbl text = "- 10"
# the question is asked over the panel as the turn stands: the new season, the taxes in
expect Season = 2
expect-screen Camp1Frm.SeassonLbl text = "Summer"
expect Gold = 20050
expect-screen Camp1Frm.GoldLbl text = "20050"
click ReligionFrm.TaxOkAniBtn
expect-screen ReligionFrm.HappinessLbl text = "0"
expect-screen ReligionFrm.HappinessLbl visible = true
click ReligionFrm.OkAniBtn
# turn 8, the heretic spared: +12 takes happiness beyond 100 until the turn clamps it
set Happiness 95
set TurnCounter 7
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
click ReligionFrm.StakeNoAniBtn
expect-screen ReligionFrm.HappinessLbl text = "+12"
expect Happiness = 104
expect-screen Camp1Frm.HappinessLbl text = "100 %"
click ReligionFrm.OkAniBtn
expect Happiness = 100
expect-screen Camp1Frm.HappinessLbl text = "100 %"
# turn 12, the tithe refused with 100 crops: the crops go below 0 and the standing
# health bonus takes health beyond 100, both shown as kept
set Crops 100
set Health 99
set CountyBlessings[6] 1
set TurnCounter 11
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
click ReligionFrm.TaxNoAniBtn
expect-screen ReligionFrm.HappinessLbl text = "- 10"
expect Crops = -200
expect Health = 102
expect-screen Camp1Frm.CropsLbl text = "0"
expect-screen Camp1Frm.HealthLbl text = "100 %"
click ReligionFrm.OkAniBtn
expect Crops = 0
expect Health = 100
# turn 16, the heretic burned
set TurnCounter 15
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect-open ReligionFrm
click ReligionFrm.StakeOkAniBtn
expect-screen ReligionFrm.HappinessLbl text = "- 22"
click ReligionFrm.OkAniBtn
expect-open !ReligionFrm
