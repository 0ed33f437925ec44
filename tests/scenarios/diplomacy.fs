# Diplomacy: each mission with its price, refusal and gain, war on a rival with its
# question and its refusals, the trade panel, and the leader sheets a spy reveals.
seed 5
include common/campaign.fsi
set Diplomacy 50
# An ambassador to Hollowmere (row 3) with exactly his price.
set Gold 3300
key Camp1Frm D
expect-open DiploFrm
pick DiploFrm.CountyLst 3
expect-screen DiploFrm.StatusLbl text = "No relations yet"
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "Nothing is chosen yet. Choose one first."
click DiploFrm.AmbasadorBtn
expect-screen DiploFrm.GoldLbl text = "3300"
expect-screen DiploFrm.MissionImg picture = "diplo1res"
click DiploFrm.EnvoyAniBtn
expect CountyRelation[3] = 1
expect Diplomacy = 51
expect Gold = 0
expect-screen DiploFrm.StatusLbl text = "Ambassador - Gifts received: 0"
# One gold short, and a second ambassador who costs and changes nothing.
set Gold 3299
pick DiploFrm.CountyLst 4
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "Not enough gold or goods for this."
expect CountyRelation[4] = 0
set Gold 9000
pick DiploFrm.CountyLst 3
click DiploFrm.EnvoyAniBtn
expect Gold = 9000
expect Diplomacy = 51
# A gift where no ambassador is is refused; two gifts, then the envoy wins the county.
pick DiploFrm.CountyLst 5
click DiploFrm.GiftBtn
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "They will not receive this mission now."
expect Gold = 9000
set Gold 20000
pick DiploFrm.CountyLst 3
click DiploFrm.EnvoyAniBtn
expect-open MsgFrm
expect-screen MsgFrm.MsgLbl text = "Your gift was received with thanks. Friendship with the county grows."
expect-screen MsgFrm.PictureImg picture = "diplo4res"
click MsgFrm.OkAniBtn
expect CountyRelation[3] = 2
expect Gold = 15300
click DiploFrm.EnvoyBtn
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "They will not receive this mission now."
click DiploFrm.GiftBtn
click DiploFrm.EnvoyAniBtn
click MsgFrm.OkAniBtn
expect CountyRelation[3] = 3
expect Diplomacy = 53
click DiploFrm.EnvoyBtn
click DiploFrm.EnvoyAniBtn
expect CountyRelation[3] = 100
expect Diplomacy = 55
expect Gold = 5600
expect-screen DiploFrm.StatusLbl text = "Won over"
expect-screen DiploFrm.CountyLst items = ["Ashcombe", "Thornwick", "Ravensworth", "Hollowmere - Won over", "Greyfriars March", "Wealdhurst", "Oakenshaw", "Saltfleet", "Kestrel Fen", "Dunmarrow"]
# A rival out of the game receives no mission and no war: nothing is paid.
set Gold 20000
pick DiploFrm.RivalsLst 0
expect-screen DiploFrm.StatusLbl text = "Out of the game"
click DiploFrm.AmbasadorBtn
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "Out of the game"
click DiploFrm.SpieBtn
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "Out of the game"
expect RivalRelation[0] = 0
expect Gold = 20000
click DiploFrm.WarBtn
expect-screen DiploFrm.Helper text = "Out of the game"
expect Rival1WarState = 0
# In the game, a spy needs an ambassador at the rival's court, and only one is placed.
set Rival1.Active -1
set Rival2.Active -1
pick DiploFrm.RivalsLst 0
click DiploFrm.SpieBtn
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "They will not receive this mission now."
expect RivalRelation[0] = 0
click DiploFrm.AmbasadorBtn
click DiploFrm.EnvoyAniBtn
expect RivalRelation[0] = 1
expect Diplomacy = 56
click DiploFrm.SpieBtn
click DiploFrm.EnvoyAniBtn
expect RivalRelation[0] = 100
expect Diplomacy = 56
expect Gold = 13250
click DiploFrm.EnvoyAniBtn
expect-screen DiploFrm.Helper text = "They will not receive this mission now."
expect Gold = 13250
# War: refused once, then declared; one war at a time.
expect-screen DiploFrm.StatusLbl text = "Rival lord, still in the field - Spy"
click DiploFrm.WarBtn
expect-open MsgFrm
expect Rival1WarState = 1
expect-screen MsgFrm.PictureImg picture = "rival1"
click MsgFrm.Noanibtn
expect Rival1WarState = 0
click DiploFrm.WarBtn
click MsgFrm.OkAniBtn
expect Rival1WarState = 5
expect-query messages = {"list1": [], "list2": [{"entry": 89, "text": "War is declared! The rival lord's host will soon march on your village."}]}
pick DiploFrm.RivalsLst 1
click DiploFrm.WarBtn
expect-screen DiploFrm.Helper text = "You can wage only one war at a time."
expect Rival2WarState = 0
# The trade panel: goods and percentages, with what they move each season.
set Wood 1000
set BuyBaseStone 4000
click DiploFrm.TradeBtn
expect-screen DiploFrm.SellLst index = 0
pick DiploFrm.BuyLst 1
expect BuyGood = 2
click DiploFrm.UpAniBtn
click DiploFrm.UpAniBtn
expect SellPercent = 20
expect-screen DiploFrm.TradeLbl text = "20 %"
expect-screen DiploFrm.SellQtyLbl text = "200 Wood"
expect-screen DiploFrm.SellGoldLbl text = "+85"
click DiploFrm.UpAniBtn2
click DiploFrm.UpAniBtn2
click DiploFrm.UpAniBtn2
expect-screen DiploFrm.BuyQtyLbl text = "1200 Stone"
expect-screen DiploFrm.BuyGoldLbl text = "-1333"
click DiploFrm.DownAniBtn
click DiploFrm.DownAniBtn
click DiploFrm.DownAniBtn
expect SellPercent = 0
click DiploFrm.OkAniBtn
expect-open !DiploFrm
# The spy at rival 1's court shows his sheet; rival 2's stays hidden.
set Rival1.Leadership 20
set Rival1.Nobility 10
set Rival1.Diplomacy 30
set Rival1.Religion 41
key Camp1Frm 2
expect-open LeaderFrm
expect-screen LeaderFrm.NameLbl text = "Baron Malvoisin of Blackfen"
expect-screen LeaderFrm.StatusLbl text = "25%"
expect-screen LeaderFrm.ReligionLbl text = "41"
click LeaderFrm.OkAniBtn
key Camp1Frm 3
expect-screen LeaderFrm.StatusLbl text = "?"
expect-screen LeaderFrm.UnknownLbl text = "Figures unknown - place a spy at his court."
click LeaderFrm.OkAniBtn
key Camp1Frm 1
expect-screen LeaderFrm.NameLbl text = "Edric the Steadfast"
expect-screen LeaderFrm.DiploLbl text = "56"
click LeaderFrm.OkAniBtn
