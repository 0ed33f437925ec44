# The tax screen says when its expected income will not come in: the turn's gold needs
# both crops and meat in the stores, and the turn then brings none.
seed 5
include common/campaign.fsi
set People 2000
set TaxRate 20
set Gold 1000
set Crops 5000
set Meat 0
set ThiefLootGold 0
set TaxFieldCount 0
key Camp1Frm T
expect-screen TaxFrm.GoldLbl text = "+200"
expect-screen TaxFrm.NoIncomeLbl text = "No gold comes in while the stores hold no crops or no meat."
click TaxFrm.OkAniBtn
rng 0.5 0.5 0.5 0.5 0.5 0.5
click Camp1Frm.EndTurnBtn
expect Gold = 1000
# with meat and crops in store the warning goes and the gold comes
set Meat 1
key Camp1Frm T
expect-screen TaxFrm.NoIncomeLbl text = ""
click TaxFrm.OkAniBtn
set Crops 0
key Camp1Frm T
expect-screen TaxFrm.NoIncomeLbl text = "No gold comes in while the stores hold no crops or no meat."
click TaxFrm.OkAniBtn
