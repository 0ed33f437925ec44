#@ run-options: --spawn
# Level 15 won by playing it at difficulty 1, from the title's New Campaign, with only
# what a player gives: clicks, keys, typed numbers and answers to the turn's questions.
# Battles are fought by the battle program (the in-game option to calculate them).
# The county sells its ore and stone to the garrison for gold and buys its food there,
# builds the blacksmith, the barracks and the stables, forges pikes, shields, plates and
# two-handed swords, raises the Champions and Templars the first objective asks, waits
# for morale 80 and beats the three hostile armies; then it leaves the level.
# Written by tools/played_win.py (which plays the level through the runner and records
# what it did); the objectives were all met at turn 47.
seed 1
start 1
click TipsFrm.CloseLbl
click Camp1Frm.MenuBtn
click MenuFrm.OptionsLbl
click MenuFrm.MoreOptionsLbl
check MenuFrm.AutoCalcOption 1
click MenuFrm.OkAniBtn
rclick Camp1Frm.FieldImg1
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg2
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg3
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg4
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg5
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg6
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg7
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg8
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg9
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg10
click Camp1Frm.Field4Pic
click Camp1Frm.OreCutterImg1
click OreFrm.SlotImg1
click OreFrm.SlotImg2
click OreFrm.SlotImg3
click OreFrm.SlotImg4
click OreFrm.SlotImg5
click OreFrm.OkAniBtn
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg1
click WoodFrm.SlotImg2
click WoodFrm.OkAniBtn
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg1
click Stonefrm.SlotImg2
click Stonefrm.OkAniBtn
# research towards science level 2
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1540
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1690
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 250
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.BlacksmithBtn
click BuildFrm.OkAniBtn
# building BlacksmithBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 1
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg3
click Stonefrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1180
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 670
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 2
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg4
click Stonefrm.OkAniBtn
# research towards science level 3
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4210
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1780
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 730
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 3
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg5
click Stonefrm.OkAniBtn
# research towards science level 4
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 850
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 4
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg3
click WoodFrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 2380
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 940
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.BaracksBtn
click BuildFrm.OkAniBtn
# building BaracksBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 5
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg4
click WoodFrm.SlotImg5
click WoodFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1300
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1030
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 6
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4540
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1120
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 7
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
# research towards science level 5
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 790
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2380
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 2290
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1240
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 8
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1300
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.StablesBtn
click BuildFrm.OkAniBtn
# building StablesBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 9
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1480
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 10
click Camp1Frm.EndTurnBtn
wait 3000
click TournamentFrm.Noanibtn
wait 3000
# research towards science level 6
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 3430
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1270
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 11
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1330
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 12
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
# research towards science level 7
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 970
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3580
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4420
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1390
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 13
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4330
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 2590
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1390
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 14
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 1420
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 15
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 1: accept
click MsgFrm.OkAniBtn
down GarryFrm.UpBtn1
wait 2980
up GarryFrm.UpBtn1
# provisions: 1000 crops
click GarryFrm.OkAniBtn
wait 3000
# research towards science level 8
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 2200
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1570
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 16
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4660
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 4960
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1630
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 17
click Camp1Frm.EndTurnBtn
wait 3000
# event 2: accept
click MsgFrm.OkAniBtn
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2530
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 4720
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1540
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 18
click Camp1Frm.EndTurnBtn
wait 3000
# event 5: accept
click MsgFrm.OkAniBtn
wait 3000
# research towards science level 9
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2650
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 2620
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 790
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1780
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 19
click Camp1Frm.EndTurnBtn
wait 3000
# event 7: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 5560
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1810
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 20
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2530
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 5710
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 1840
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 21
click Camp1Frm.EndTurnBtn
wait 3000
# tournament held
click TournamentFrm.OkAniBtn
wait 3000
# research towards science level 10
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2590
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 1180
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 2080
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 22
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2530
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 6640
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 2140
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 23
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 4: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 6730
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 2200
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 24
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 7030
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 2800
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 25
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 5080
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 700
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 4270
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 26
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2530
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 5230
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 7870
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 3130
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 27
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 3790
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 8020
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 4510
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 28
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 8140
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5380
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 29
click Camp1Frm.EndTurnBtn
wait 3000
# tithe refused
click ReligionFrm.TaxNoAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2530
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 9370
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5530
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
# the levy: 190 Templar
key Camp1Frm A
click ArmyFrm.TemplarBtn
type ArmyFrm.TypeCountTxt 190
click ArmyFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 30
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 7900
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5530
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 31
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 1: accept
click MsgFrm.OkAniBtn
down GarryFrm.UpBtn1
wait 2980
up GarryFrm.UpBtn1
# provisions: 1000 crops
click GarryFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4330
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 3430
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 11920
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5710
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 32
click Camp1Frm.EndTurnBtn
wait 3000
click TournamentFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 3820
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 9100
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5860
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
# the levy: 290 Champion
key Camp1Frm A
click ArmyFrm.ChampionBtn
type ArmyFrm.TypeCountTxt 290
click ArmyFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the armies combined
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption2 1
check ArmyCombineFrm.ArmyOption3 1
click ArmyCombineFrm.OkAniBtn
# the end of turn 33
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 3790
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 8230
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 5860
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo3
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo4
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo5
wait 3000
# the end of turn 34
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 9280
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6010
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo6
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo7
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo8
wait 3000
# the end of turn 35
click Camp1Frm.EndTurnBtn
wait 3000
# tithe refused
click ReligionFrm.TaxNoAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 10360
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6160
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo9
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo38
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo39
wait 3000
# the end of turn 36
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4330
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 2620
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 9970
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6370
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
# battle for the field at waypoint 40
click Camp1Frm.WalkTo40
click MsgFrm.OkAniBtn
wait 4000
wait-programs
wait 4000
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect MapEventFlags[0] = 0
# the end of turn 37
click Camp1Frm.EndTurnBtn
wait 3000
# event 5: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 5230
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3670
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1780
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 7990
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6550
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo40
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo41
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo42
wait 3000
# the end of turn 38
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2230
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3580
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4420
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 8980
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6700
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo50
wait 3000
# the end of turn 39
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 6: accept
click MsgFrm.OkAniBtn
# event 7: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 10690
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 6910
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 40
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 11140
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7120
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 41
click Camp1Frm.EndTurnBtn
wait 3000
# tithe refused
click ReligionFrm.TaxNoAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 12190
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7330
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 42
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 1630
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 12040
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7600
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 43
click Camp1Frm.EndTurnBtn
wait 3000
click TournamentFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 3790
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 15970
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7840
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
# the levy: 223 Champion, 300 LongBow, 99 Archer at the outpost
click Camp1Frm.OutpostImg1
click ArmyFrm.ChampionBtn
type ArmyFrm.TypeCountTxt 223
click ArmyFrm.LongBowBtn
type ArmyFrm.TypeCountTxt 300
click ArmyFrm.ArcherBtn
type ArmyFrm.TypeCountTxt 99
click ArmyFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the armies combined
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption2 1
click ArmyCombineFrm.OkAniBtn
# the end of turn 44
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4480
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 2980
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 18760
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7420
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
# battle for the field at waypoint 51
click Camp1Frm.WalkTo51
click MsgFrm.OkAniBtn
wait 4000
wait-programs
wait 4000
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect MapEventFlags[1] = 0
# the end of turn 45
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 4780
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3490
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4000
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 19990
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7240
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo51
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo52
wait 3000
rclick Camp1Frm.ArmyCamp1Img
# battle for the field at waypoint 53
click Camp1Frm.WalkTo53
click MsgFrm.OkAniBtn
wait 4000
wait-programs
wait 4000
click ResultsFrm.OkAniBtn
# The mission screen follows the results
expect-open TipsFrm
click TipsFrm.CloseLbl
expect MapEventFlags[2] = 0
# the end of turn 46
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2170
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 3640
up GarryFrm.UpBtn4
down GarryFrm.UpBtn3
wait 4570
up GarryFrm.UpBtn3
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 13030
up GarryFrm.UpBtn1
down GarryFrm.UpBtn2
wait 7240
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
# every objective is met: the level is left
expect AllObjectivesMet = -1
expect-screen TipsFrm.NextLbl visible = true
get TurnCounter
click TipsFrm.NextLbl
# The summary of the level before the hand-over
click SummaryFrm.GoOnBtn
expect-query file LGame.rz = {"exists": true, "size": 3, "text": "0\r\n"}
expect-query file camp.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query file levelinfo.rz = {"exists": true, "size": 4, "text": "16\r\n"}
expect-query programs = {"ended": true, "started": ["battledata.rz", "battledata.rz", "battledata.rz", "splash.rz", "introdata.rz"]}
