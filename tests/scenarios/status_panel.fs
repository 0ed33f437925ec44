# Every figure of the status panel has an icon beside it and a help line (the tooltip)
# that says what it is; an icon shows while its figure does.
include common/campaign.fsi
move Camp1Frm.EmptyFieldLbl
expect-screen Camp1Frm.Helper text = "Fields lying empty"
move Camp1Frm.EmptyFieldIcon
expect-screen Camp1Frm.Helper text = "Fields lying empty"
move Camp1Frm.CropFieldIcon
expect-screen Camp1Frm.Helper text = "Crop fields"
move Camp1Frm.PastureFieldLbl
expect-screen Camp1Frm.Helper text = "Pastures"
move Camp1Frm.TaxFieldLbl
expect-screen Camp1Frm.Helper text = "Tax fields"
move Camp1Frm.ProduceWeaponLbl
expect-screen Camp1Frm.Helper text = "Pieces the blacksmith forges each turn"
move Camp1Frm.GoldLblIcon
expect-screen Camp1Frm.Helper text = "Gold in the treasury"
move Camp1Frm.TimeIcon
expect-screen Camp1Frm.Helper text = "The hour of the day"
move Camp1Frm.BuildIcon
expect-screen Camp1Frm.Helper text = "The building under construction"
# No order at the forge and no army looked at: their icons are hidden.
expect-screen Camp1Frm.BlacksmithIcon visible = false
expect-screen Camp1Frm.WalkIcon visible = false
expect-screen Camp1Frm.MoralIcon visible = false
move Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkIcon visible = true
expect-screen Camp1Frm.MoralIcon visible = true
move Camp1Frm.WalkIcon
expect-screen Camp1Frm.Helper text = "Moves left to the army this season"
move Camp1Frm.MoralIcon
expect-screen Camp1Frm.Helper text = "Morale of your army"
