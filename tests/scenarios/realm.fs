# The realm overview after a few turns: this season beside last season, the workplaces,
# special units, holdings, lords and armies, and the chronicle, which a quick save keeps
# and a quick load brings back.
seed 21
include common/campaign.fsi
# Without crops the county earns no taxes: its gold only moves as we set it.
set Crops 0
set Happiness 90
set Health 90
set Gold 5000
click Camp1Frm.EndTurnBtn
set Happiness 90
set Health 90
set Gold 6000
click Camp1Frm.EndTurnBtn
set Happiness 90
set Health 90
set Gold 7000
click Camp1Frm.EndTurnBtn
expect LastGold = 7000
set Gold 7500
set TaxRate 30
set FieldKind [1, 1, 2, 4, 0, 0, 0, 0, 0, 3]
set WoodCutters 2
set WoodCutterPeople 40
set CountyBlessings [1, 0, 0, 0, 0, 0, 0, 1, 0, 2]
set ObjectMissionCountdown 1
set GuardTrainingCountdown 0
key Camp1Frm R
expect-open RealmFrm
expect-screen RealmFrm.GoldLbl text = "7500"
expect-screen RealmFrm.LastGoldLbl text = "7000"
expect-screen RealmFrm.TaxLbl text = "30%"
expect-screen RealmFrm.LastTaxLbl text = ""
expect-screen RealmFrm.WoodCutterLbl text = "2 / 40"
expect-screen RealmFrm.CropsFieldLbl text = "2"
expect-screen RealmFrm.CattleFieldLbl text = "1"
expect-screen RealmFrm.PlainFieldLbl text = "5"
expect-screen RealmFrm.ScoutLbl text = "Scout: Turns left 2"
expect-screen RealmFrm.AssassinLbl text = "Assassin: Ready"
expect-screen RealmFrm.GuardLbl text = "Guard level 1 (+1)"
expect-screen RealmFrm.DolmenLbl text = "1"
expect-screen RealmFrm.StatueLbl text = "1"
expect-screen RealmFrm.HBattlefieldLbl text = ""
expect-screen RealmFrm.Label3 visible = false
expect-screen RealmFrm.ArmyNameLbl1 text = "Ist Vanguard"
expect-screen RealmFrm.ArmyLbl1 text = "837"
expect-screen RealmFrm.ArmyLbl2 visible = false
expect-screen RealmFrm.TurnsLbl text = "Turn 1 - 4"
expect-screen RealmFrm.ChartValueLbl1 text = "7000"
# An army's name opens its camp.
click RealmFrm.ArmyNameLbl1
expect-open !RealmFrm
expect-open ArmyCampFrm
expect SelectedCamp = 1
key ArmyCampFrm Escape
key Camp1Frm R
# The lords' names open their sheets.
click RealmFrm.Label2
expect-open LeaderFrm
expect-screen LeaderFrm.NameLbl text = "Edric the Steadfast"
click LeaderFrm.OkAniBtn
click RealmFrm.OkAniBtn
expect-open !RealmFrm
# The chronicle goes with the quick save and comes back with it (once the turn's
# timer has run out: no quick save during it).
wait 200
key Camp1Frm F6
click MsgFrm.OkAniBtn
expect-query file "Save Game/QuickSave.chronicle" = {"exists": true, "size": 108}
set Happiness 90
set Health 90
click Camp1Frm.EndTurnBtn
click Camp1Frm.RealmBtn
expect-screen RealmFrm.TurnsLbl text = "Turn 1 - 5"
click RealmFrm.OkAniBtn
wait 200
key Camp1Frm F7
click MsgFrm.OkAniBtn
key Camp1Frm R
expect-screen RealmFrm.TurnsLbl text = "Turn 1 - 4"
expect-screen RealmFrm.ChartValueLbl1 text = "7000"
