# The build screen: nothing chosen, too little stone, an order paid in full, the
# cancel with a full refund, and the tick on a building that stands.
seed 11
include common/campaign.fsi
set Gold 6000
set Wood 1500
set Stone 199
key Camp1Frm U
expect-open BuildFrm
expect-screen BuildFrm.CancelAniBtn visible = false
click BuildFrm.OkAniBtn
expect-screen BuildFrm.Helper text = "Nothing is chosen yet. Choose one first."
# The pointer over a building shows its costs before a click, and off it the figures
# go back to the building chosen (none yet)
move BuildFrm.KeepBtn
expect-screen BuildFrm.BuildingLbl text = "Keep"
expect BuildingUnderWay = 0
# and what it opens to the county
expect-screen BuildFrm.OpensLbl text = "Largest army it shelters: 400\nGold each turn per 100 people: 2"
move BuildFrm.Helper
expect-screen BuildFrm.BuildingLbl text = "Nothing under construction"
expect-screen BuildFrm.GoldLbl text = ""
expect-screen BuildFrm.OpensLbl text = ""
click BuildFrm.StablesBtn
expect-screen BuildFrm.BuildingLbl text = "Stables"
expect-screen BuildFrm.OpensLbl text = "Raises: Cavalry, Heavy Cavalry, Champion"
expect-screen BuildFrm.GoldLbl text = "6000"
expect-screen BuildFrm.WoodLbl text = "1500"
expect-screen BuildFrm.StoneLbl text = "200"
expect-screen BuildFrm.TurnsLbl text = "1 -- "
move BuildFrm.KeepBtn
move BuildFrm.OkAniBtn
expect-screen BuildFrm.BuildingLbl text = "Stables"
click BuildFrm.OkAniBtn
expect-screen BuildFrm.Helper text = "Not enough gold or goods for this. Still short by Stone 1."
expect Gold = 6000
expect BuildingUnderWay = 0
expect BuildTurnsLeft = 200
click BuildFrm.Noanibtn
set Stone 200
click Camp1Frm.BuildBtn
click BuildFrm.StablesBtn
click BuildFrm.OkAniBtn
expect-open !BuildFrm
expect Gold = 0
expect Wood = 0
expect Stone = 0
expect BuildingUnderWay = 3
expect BuildTurnsLeft = 1
expect-screen Camp1Frm.BuildLbl text = "Stables: 1"
key Camp1Frm U
expect-screen BuildFrm.CancelAniBtn visible = true
expect-screen BuildFrm.KeepBtn enabled = false
expect-screen BuildFrm.BuildingLbl text = "Stables"
click BuildFrm.CancelAniBtn
expect-open !BuildFrm
expect Gold = 6000
expect Wood = 1500
expect Stone = 200
expect BuildingUnderWay = 0
expect BuildTurnsLeft = 200
expect-screen Camp1Frm.BuildLbl text = "Nothing under construction"
# a building that stands is ticked and cannot be ordered again
set BlacksmithBuilt -1
key Camp1Frm U
expect-screen BuildFrm.BlacksmithBtn enabled = false
expect-screen BuildFrm.OkImage1 visible = true
expect-screen BuildFrm.OkImage2 visible = false
click BuildFrm.Noanibtn
expect-open !BuildFrm
