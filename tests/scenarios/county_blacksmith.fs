# The blacksmith: closed without the building, item details, refusals, the standing
# order on the campaign screen, its cancel, and the armoury.
seed 11
include common/campaign.fsi
click Camp1Frm.BlacksmithBtn
expect-open !BlacksmithFrm
expect-screen Camp1Frm.Helper text = "The building this needs does not stand yet."
set BlacksmithBuilt -1
set Wood 0
set Ore 499
key Camp1Frm B
expect-open BlacksmithFrm
expect-screen BlacksmithFrm.OrderLbl text = "No standing order"
click BlacksmithFrm.OkAniBtn
expect-screen BlacksmithFrm.Helper text = "Nothing is chosen yet. Choose one first."
click BlacksmithFrm.SwordBtn
expect BlacksmithSelection = 3
expect-screen BlacksmithFrm.ItemNameLbl text = "Sword"
expect-screen BlacksmithFrm.WoodCostLbl text = "0"
expect-screen BlacksmithFrm.OreCostLbl text = "500"
expect-screen BlacksmithFrm.BatchLbl text = "22"
expect-screen BlacksmithFrm.UsedByLbl text = "Swordsman, Cavalry, Paladin"
expect-screen BlacksmithFrm.ItemImg picture = "swordres"
expect-screen BlacksmithFrm.AnimImg picture = "anim/sword.rz"
expect-screen BlacksmithFrm.SeasonLbl text = "Forged each season"
click BlacksmithFrm.OkAniBtn
expect-screen BlacksmithFrm.Helper text = "Not enough gold or goods for this."
expect BlacksmithOrder = 0
set Ore 500
click BlacksmithFrm.OkAniBtn
expect-open !BlacksmithFrm
expect BlacksmithOrder = 3
expect Ore = 500
expect-screen Camp1Frm.BlacksmithLbl text = "Sword"
expect-screen Camp1Frm.ProduceWeaponLbl text = "+22"
key Camp1Frm B
expect-screen BlacksmithFrm.OrderLbl text = "Sword"
# Cancelling the standing order sits beside it, only while there is one
expect-screen BlacksmithFrm.CancelAniBtn visible = true
check BlacksmithFrm.ArmouryOption 1
expect-screen BlacksmithFrm.ArmSwordLbl visible = true
expect-screen BlacksmithFrm.ArmSwordLbl text = "Sword: 50"
click BlacksmithFrm.CancelAniBtn
expect BlacksmithOrder = 0
expect BlacksmithSelection = 0
expect-screen BlacksmithFrm.OrderLbl text = "No standing order"
expect-screen BlacksmithFrm.BatchLbl text = ""
expect-screen BlacksmithFrm.CancelAniBtn visible = false
click BlacksmithFrm.ArmouryBtn
expect-open ArmouryFrm
expect-screen ArmouryFrm.ShieldLbl text = "60"
click ArmouryFrm.OkAniBtn
click BlacksmithFrm.Noanibtn
expect-open !BlacksmithFrm
expect-screen Camp1Frm.BlacksmithLbl text = ""
key Camp1Frm Y
expect-open ArmouryFrm
expect-screen ArmouryFrm.BowLbl text = "50"
click ArmouryFrm.OkAniBtn
expect-open !ArmouryFrm
