# Taxes, research, the religion view, the weather and the people screen from the
# campaign screen's buttons and keys.
seed 11
include common/campaign.fsi
set TaxRate 0
set People 10000
key Camp1Frm T
expect-open TaxFrm
expect-screen TaxFrm.TaxLbl text = "0 %"
click TaxFrm.TaxDown
expect TaxRate = 0
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
expect-screen TaxFrm.TaxLbl text = "50 %"
expect-screen TaxFrm.GoldLbl text = "+2500"
expect-screen TaxFrm.HappinessLbl text = "- 12"
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
click TaxFrm.TaxUp
expect TaxRate = 100
click TaxFrm.OkAniBtn
expect-open !TaxFrm
# research at level 3 with the hut's blessing: 720 gold, 137 ore, one more turn
set ScienceLevel 3
set CountyBlessings[5] 1
set Gold 719
set Ore 1000
click Camp1Frm.ScienceBtn
expect-open ScienceFrm
expect ResearchLevelShown = 3
expect-screen ScienceFrm.GoldLbl text = "720"
expect-screen ScienceFrm.OreLbl text = "137"
expect-screen ScienceFrm.PeopleLbl text = "+225"
expect-screen ScienceFrm.CancelAniBtn visible = false
expect-screen ScienceFrm.OkAniBtn text = "Start research"
click ScienceFrm.OkAniBtn
expect-screen ScienceFrm.Helper text = "Not enough gold or goods for this."
expect ResearchCountdown = 200
set Gold 720
click ScienceFrm.OkAniBtn
expect-open !ScienceFrm
expect ResearchCountdown = 1
expect Gold = 0
expect Ore = 863
key Camp1Frm S
expect-screen ScienceFrm.CancelAniBtn visible = true
# with research under way the button only closes the screen, and says so; the status
# says how many ends of turn the research still needs
expect-screen ScienceFrm.OkAniBtn text = "OK"
expect-screen ScienceFrm.StatusLbl text = "Research under way - Turns left: 2"
click ScienceFrm.CancelAniBtn
expect ResearchCountdown = 200
expect Gold = 720
expect Ore = 1000
expect-screen ScienceFrm.Helper text = "Research halted. Its gold and ore return to the treasury."
expect-screen ScienceFrm.OkAniBtn text = "Start research"
click ScienceFrm.Noanibtn
expect-open !ScienceFrm
# the religion view shows the tithe; no decision is taken from it
set ChurchTithe 400
key Camp1Frm L
expect-open ReligionFrm
expect-screen ReligionFrm.TitheLbl text = "400"
expect-screen ReligionFrm.TaxOkAniBtn visible = false
expect-screen ReligionFrm.MsgLbl text = "The Church asks its tithe every sixth season. This is the tithe it asked for last."
expect-screen ReligionFrm.HappinessLbl visible = false
click ReligionFrm.OkAniBtn
expect-open !ReligionFrm
# the weather
set Season 3
key Camp1Frm W
expect-screen WeatherFrm.SeasonImg picture = "season3"
expect-screen WeatherFrm.AnimImg picture = "anim/season3.rz"
expect-screen WeatherFrm.SeasonLbl text = "Autumn"
click WeatherFrm.OkAniBtn
# the people screen and the food options
set Meat 0
set People 1200
set EatCrops -1
key Camp1Frm P
expect-open PeopleFrm
expect-screen PeopleFrm.MeatOption enabled = false
expect-screen PeopleFrm.CropsLbl text = "300"
expect-screen PeopleFrm.FromTaxLbl text = "- 25"
check PeopleFrm.CropsOption 0
expect EatCrops = 0
expect-screen PeopleFrm.CropsLbl text = "0"
click PeopleFrm.OkAniBtn
expect-open !PeopleFrm
