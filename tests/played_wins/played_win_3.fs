#@ run-options: --spawn
# Level 15 won by playing it at difficulty 3, from the title's New Campaign, with only
# what a player gives: clicks, keys, typed numbers and answers to the turn's questions.
# Battles are fought by the battle program (the in-game option to calculate them).
# The lord starts with leadership 5 and nobility 1: the guard is trained until nobility
# reaches 10 and research runs without pause; the first army walks to the dolmen and
# the obelisk; every tithe, crusade and abbey is paid and the tournaments are held, so
# that leadership, nobility and religion lift morale to 80. The county sells its ore and
# stone to the garrison, buys meat when health or happiness ask for it, builds the
# blacksmith, the barracks, the stables and the thieves' guild, forges the Champions'
# and Templars' gear, raises them and beats the three hostile armies; then it leaves.
# Written by tools/played_win.py (which plays the level through the runner and records
# what it did); the objectives were all met at turn 60.
seed 1
start 3
click TipsFrm.CloseLbl
click Camp1Frm.MenuBtn
click MenuFrm.OptionsLbl
click MenuFrm.MoreOptionsLbl
check MenuFrm.AutoCalcOption 1
click MenuFrm.OkAniBtn
rclick Camp1Frm.FieldImg1
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg3
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg4
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg7
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg9
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg2
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg5
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg6
click Camp1Frm.Field4Pic
rclick Camp1Frm.FieldImg8
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
rclick Camp1Frm.FieldImg2
click Camp1Frm.Field2Pic
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
click PeopleFrm.OkAniBtn
# the guard trained (level 1)
key Camp1Frm M
click GuardFrm.GuardBtn
click GuardFrm.OkAniBtn
# research towards science level 2
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo3
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo4
wait 3000
# the end of turn 1
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg1
click Stonefrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 850
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 3
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo5
wait 3000
# the end of turn 2
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg1
click WoodFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2050
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# the guard trained (level 2)
key Camp1Frm M
click GuardFrm.GuardBtn
click GuardFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo6
wait 3000
# the end of turn 3
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg2
click WoodFrm.OkAniBtn
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 100
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2680
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# the guard trained (level 3)
key Camp1Frm M
click GuardFrm.GuardBtn
click GuardFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo7
wait 3000
# the end of turn 4
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2680
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 4
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo8
wait 3000
# the end of turn 5
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 460
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2050
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo9
wait 3000
# the end of turn 6
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg3
click WoodFrm.SlotImg4
click WoodFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2470
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# the guard trained (level 4)
key Camp1Frm M
click GuardFrm.GuardBtn
click GuardFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo10
wait 3000
# the end of turn 7
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.WoodCutterImg1
click WoodFrm.SlotImg5
click WoodFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2680
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 5
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo11
wait 3000
# the end of turn 8
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
rclick Camp1Frm.FieldImg5
click Camp1Frm.Field2Pic
rclick Camp1Frm.FieldImg6
click Camp1Frm.Field2Pic
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1840
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo12
wait 3000
# the end of turn 9
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2470
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# the guard trained (level 5)
key Camp1Frm M
click GuardFrm.GuardBtn
click GuardFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo13
wait 3000
# the end of turn 10
click Camp1Frm.EndTurnBtn
wait 3000
click TournamentFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 640
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2680
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo14
wait 3000
# the end of turn 11
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 640
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2680
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo33
wait 3000
# the end of turn 12
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
rclick Camp1Frm.FieldImg8
click Camp1Frm.Field2Pic
rclick Camp1Frm.FieldImg10
click Camp1Frm.Field2Pic
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 3280
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 6
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo34
wait 3000
# the end of turn 13
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1630
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo36
wait 3000
# the end of turn 14
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2470
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 7
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo37
wait 3000
# the end of turn 15
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 1: accept
click MsgFrm.OkAniBtn
# provisions: 400 ore
down GarryFrm.UpBtn5
wait 1180
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.BlacksmithBtn
click BuildFrm.OkAniBtn
# building BlacksmithBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo36
wait 3000
# the end of turn 16
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2920
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo34
wait 3000
# the end of turn 17
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2470
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# research towards science level 8
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo33
wait 3000
# the end of turn 18
click Camp1Frm.EndTurnBtn
wait 3000
# event 5: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 550
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo14
wait 3000
# the end of turn 19
click Camp1Frm.EndTurnBtn
wait 3000
# event 7: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo15
wait 3000
# the end of turn 20
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 9
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo16
wait 3000
# the end of turn 21
click Camp1Frm.EndTurnBtn
wait 3000
# tournament held
click TournamentFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo17
wait 3000
# the end of turn 22
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo18
wait 3000
# the end of turn 23
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
click ReligionFrm.StakeOkAniBtn
click ReligionFrm.OkAniBtn
# event 4: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 10
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo19
wait 3000
# the end of turn 24
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo31
wait 3000
# the end of turn 25
click Camp1Frm.EndTurnBtn
wait 3000
# event 2: accept
click MsgFrm.OkAniBtn
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 880
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.BaracksBtn
click BuildFrm.OkAniBtn
# building BaracksBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo32
wait 3000
# the end of turn 26
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo31
wait 3000
# the end of turn 27
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
# research towards science level 11
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo19
wait 3000
# the end of turn 28
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 310
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 880
up GarryFrm.UpBtn4
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
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo18
wait 3000
# the end of turn 29
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo17
wait 3000
# the end of turn 30
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 280
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm U
click BuildFrm.ThievesBtn
click BuildFrm.OkAniBtn
# building ThievesBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo16
wait 3000
# the end of turn 31
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
# event 1: accept
click MsgFrm.OkAniBtn
# provisions: 400 ore
down GarryFrm.UpBtn5
wait 1180
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1120
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 12
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo15
wait 3000
# the end of turn 32
click Camp1Frm.EndTurnBtn
wait 3000
# tournament held
click TournamentFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo14
wait 3000
# the end of turn 33
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 280
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo13
wait 3000
# the end of turn 34
click Camp1Frm.EndTurnBtn
wait 3000
# event 20: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 880
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 610
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo12
wait 3000
# the end of turn 35
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2800
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 13
key Camp1Frm S
click ScienceFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo11
wait 3000
# the end of turn 36
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 340
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo10
wait 3000
# the end of turn 37
click Camp1Frm.EndTurnBtn
wait 3000
# event 5: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 910
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo9
wait 3000
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo38
wait 3000
# the end of turn 38
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 610
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1180
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp1Img
click Camp1Frm.WalkTo39
wait 3000
# the end of turn 39
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
# event 6: accept
click MsgFrm.OkAniBtn
# event 7: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2710
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 40
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2650
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 14
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 41
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 42
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1060
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.TwoHandBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: TwoHandBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 43
click Camp1Frm.EndTurnBtn
wait 3000
# tournament held
click TournamentFrm.OkAniBtn
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 910
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
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
# the end of turn 44
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3880
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2860
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# the levy: 290 Champion
key Camp1Frm A
click ArmyFrm.ChampionBtn
type ArmyFrm.TypeCountTxt 290
click ArmyFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo3
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo4
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo5
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo3
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo4
wait 3000
# the end of turn 45
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3070
up GarryFrm.UpBtn2
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2650
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 15
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo6
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo7
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo8
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo5
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo6
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo7
wait 3000
# the end of turn 46
click Camp1Frm.EndTurnBtn
wait 3000
# event 21: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3490
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 9640
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo9
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo38
wait 3000
rclick Camp1Frm.ArmyCamp2Img
click Camp1Frm.WalkTo39
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo8
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo9
wait 3000
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo38
wait 3000
# the end of turn 47
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
# event 1: accept
click MsgFrm.OkAniBtn
# provisions: 400 ore
down GarryFrm.UpBtn5
wait 1180
up GarryFrm.UpBtn5
click GarryFrm.OkAniBtn
# event 4: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3520
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 10690
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the armies combined
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption2 1
click ArmyCombineFrm.OkAniBtn
rclick Camp1Frm.ArmyCamp3Img
click Camp1Frm.WalkTo39
wait 3000
# the end of turn 48
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3670
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 1180
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the armies combined
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption3 1
click ArmyCombineFrm.OkAniBtn
# the end of turn 49
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 11200
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 1660
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
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
# the end of turn 50
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.GarryImg
down GarryFrm.UpBtn1
wait 940
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2830
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1390
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 16
key Camp1Frm S
click ScienceFrm.OkAniBtn
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
# the end of turn 51
click Camp1Frm.EndTurnBtn
wait 3000
# event 8: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 3520
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 11470
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 1180
up GarryFrm.UpBtn4
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
# the end of turn 52
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 340
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 53
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.TaxDown
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 4510
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 3400
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2860
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 54
click Camp1Frm.EndTurnBtn
wait 3000
click TournamentFrm.Noanibtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxDown
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 4660
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 13990
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 55
click Camp1Frm.EndTurnBtn
wait 3000
click ReligionFrm.StakeNoAniBtn
click ReligionFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2740
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the end of turn 56
click Camp1Frm.EndTurnBtn
wait 3000
# event 5: accept
click MsgFrm.OkAniBtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 2650
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
# research towards science level 17
key Camp1Frm S
click ScienceFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PlateBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PlateBtn
# the levy: 220 Champion, 50 LongBow, 65 Archer at the outpost
click Camp1Frm.OutpostImg1
click ArmyFrm.ChampionBtn
type ArmyFrm.TypeCountTxt 220
click ArmyFrm.LongBowBtn
type ArmyFrm.TypeCountTxt 50
click ArmyFrm.ArcherBtn
type ArmyFrm.TypeCountTxt 65
click ArmyFrm.OkAniBtn
click Camp1Frm.Image1
click TipsFrm.CloseLbl
# the armies combined
click Camp1Frm.ArmyCamp1Img
click ArmyCampFrm.CombineBtn
check ArmyCombineFrm.ArmyOption2 1
click ArmyCombineFrm.OkAniBtn
# the end of turn 57
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 580
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.PikeBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: PikeBtn
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
# the end of turn 58
click Camp1Frm.EndTurnBtn
wait 3000
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.GarryImg
down GarryFrm.UpBtn2
wait 4840
up GarryFrm.UpBtn2
down GarryFrm.UpBtn1
wait 7780
up GarryFrm.UpBtn1
click GarryFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 1
check PeopleFrm.CropsOption 1
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn4
wait 1390
up GarryFrm.UpBtn4
click GarryFrm.OkAniBtn
key Camp1Frm B
click BlacksmithFrm.ShieldBtn
click BlacksmithFrm.OkAniBtn
# blacksmith: ShieldBtn
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
# the end of turn 59
click Camp1Frm.EndTurnBtn
wait 3000
# tithe paid
click ReligionFrm.TaxOkAniBtn
click ReligionFrm.OkAniBtn
# event 7: refuse
click MsgFrm.Noanibtn
wait 3000
click Camp1Frm.TaxBtn
click TaxFrm.TaxUp
click TaxFrm.OkAniBtn
click Camp1Frm.PeopleBtn
check PeopleFrm.MeatOption 0
check PeopleFrm.CropsOption 0
click PeopleFrm.OkAniBtn
click Camp1Frm.GarryImg
click GarryFrm.ModeBtn
down GarryFrm.UpBtn5
wait 3310
up GarryFrm.UpBtn5
down GarryFrm.UpBtn4
wait 1420
up GarryFrm.UpBtn4
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
