# Fields on the campaign map: choosing kinds by season, the refusal for too few idle
# people, the counters and pictures; the crop view; the cutter screens.
seed 11
include common/campaign.fsi
set Season 1
set IdlePeople 99
rclick Camp1Frm.FieldImg3
expect SelectedField = 3
expect-screen Camp1Frm.Field1Pic visible = true
expect-screen Camp1Frm.Field2Pic visible = true
expect-screen Camp1Frm.Field3Pic visible = false
expect-screen Camp1Frm.Field4Pic visible = true
click Camp1Frm.Field2Pic
expect FieldKind[2] = 0
expect IdlePeople = 99
expect-screen Camp1Frm.Helper text = "Not enough idle people."
set IdlePeople 100
click Camp1Frm.Field2Pic
expect FieldKind[2] = 1
expect IdlePeople = 0
expect CropFieldPeople = 100
expect-screen Camp1Frm.CropFieldLbl text = "1"
expect-screen Camp1Frm.EmptyFieldLbl text = "9"
expect-screen Camp1Frm.FieldImg3 picture = "field_1_1"
expect-screen Camp1Frm.Field2Pic visible = false
# the crop field's view (left button)
click Camp1Frm.FieldImg3
expect-open CropsFrm
expect-screen CropsFrm.PeopleLbl text = "100"
expect-screen CropsFrm.FieldCaptionLbl text = "Grown per field"
click CropsFrm.OkAniBtn
expect-open !CropsFrm
# summer: pastures instead of crop fields; crop -> pasture frees 55
set Season 2
set IdlePeople 45
rclick Camp1Frm.FieldImg3
expect-screen Camp1Frm.Field2Pic visible = false
expect-screen Camp1Frm.Field3Pic visible = true
click Camp1Frm.Field3Pic
expect FieldKind[2] = 2
expect IdlePeople = 100
expect PasturePeople = 45
expect CropFieldPeople = 0
expect-screen Camp1Frm.PastureFieldLbl text = "1"
click Camp1Frm.FieldImg3
expect-open CattleFrm
expect-screen CattleFrm.PeopleLbl text = "45"
click CattleFrm.OkAniBtn
# autumn: empty and tax field only; a tax field binds nobody
set Season 3
rclick Camp1Frm.FieldImg3
expect-screen Camp1Frm.Field3Pic visible = false
click Camp1Frm.Field4Pic
expect FieldKind[2] = 4
expect IdlePeople = 145
expect TaxFieldCount = 1
expect-screen Camp1Frm.TaxFieldLbl text = "1"
rclick Camp1Frm.FieldImg3
click Camp1Frm.Field1Pic
expect FieldKind[2] = 0
expect TaxFieldCount = 0
expect IdlePeople = 145
# a ruined field cannot be changed
set FieldKind[4] 3
rclick Camp1Frm.FieldImg5
expect SelectedField = 3
expect-screen Camp1Frm.Field1Pic visible = false
# the wood cutters: bind, refuse, release
set IdlePeople 300
click Camp1Frm.WoodCutterImg1
expect-open WoodFrm
click WoodFrm.SlotImg1
expect WoodCutters = 1
expect WoodCutterPeople = 260
expect IdlePeople = 40
expect WoodCutterSlots = [1, 0, 0, 0, 0]
expect-screen WoodFrm.ProductionLbl text = "+255"
expect-screen WoodFrm.AvailableLbl text = "40"
expect-screen WoodFrm.SlotImg1 picture = "slot_wood"
click WoodFrm.SlotImg2
expect WoodCutters = 1
expect IdlePeople = 40
click WoodFrm.SlotImg1
expect WoodCutters = 0
expect IdlePeople = 300
click WoodFrm.OkAniBtn
expect-open !WoodFrm
click Camp1Frm.StoneCutterImg1
click Stonefrm.SlotImg5
expect StoneCutterSlots = [0, 0, 0, 0, 1]
expect IdlePeople = 0
click Stonefrm.OkAniBtn
click Camp1Frm.OreCutterImg1
click OreFrm.SlotImg1
expect OreCutters = 0
click OreFrm.OkAniBtn
expect-open !OreFrm
