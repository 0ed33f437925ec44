# The levy: closed without barracks, 99 refused and 100 accepted into the first free
# camp, the caps of monks, warlords and engineers, a swordsman without plate, the
# stables, and cancel giving every piece back.
seed 5
include common/campaign.fsi
click Camp1Frm.ArmyBtn
expect-open !ArmyFrm
expect-screen Camp1Frm.Helper text = "The building this needs does not stand yet."
set BarracksBuilt -1
set People 3000
set IdlePeople 2000
set Religion 60
set BowStock 500
set CrossStock 10
set WarlordGearStock 2
set EnginerGearStock 30
set SwordStock 10
set ShieldStock 10
set PlateStock 0
set StablesBuilt 0
key Camp1Frm A
expect-open ArmyFrm
expect-screen ArmyFrm.ArmyNameLbl text = "The Lions"
expect-screen ArmyFrm.OkAniBtn visible = false
expect-screen ArmyFrm.ProgressBar visible = true

# Stables and plate
click ArmyFrm.CavalryBtn
expect-screen ArmyFrm.Helper text = "The building this needs does not stand yet."
expect RecruitType = 0
click ArmyFrm.SwordsmenBtn
expect-screen ArmyFrm.TypeNameLbl text = "Swordsman"
expect-screen ArmyFrm.PlateNeedLbl text = "1"
expect-screen ArmyFrm.ChainMailNeedLbl text = "0"
expect-screen ArmyFrm.PlateStockLbl text = "0"
click ArmyFrm.UpAniBtn
expect-screen ArmyFrm.Helper text = "The armoury lacks the gear, or the levy holds all it may of these."
expect RecruitTotal = 0
expect SwordStock = 10
expect ShieldStock = 10

# Caps: five monks, one warlord, 24 engineers
click ArmyFrm.MonkBtn
down ArmyFrm.UpAniBtn
wait 300
up ArmyFrm.UpAniBtn
expect RecruitCounts[0] = 5
expect CrossStock = 5
click ArmyFrm.WarlordBtn
click ArmyFrm.UpAniBtn
click ArmyFrm.UpAniBtn
expect-screen ArmyFrm.Helper text = "The armoury lacks the gear, or the levy holds all it may of these."
expect RecruitCounts[12] = 1
expect WarlordGearStock = 1
click ArmyFrm.EnginerBtn
expect-screen ArmyFrm.AttackLbl text = "0"
expect-screen ArmyFrm.SpeedLbl text = "3"
expect-screen ArmyFrm.SoldierImg picture = "sold12res"
down ArmyFrm.UpAniBtn
wait 1500
up ArmyFrm.UpAniBtn
expect RecruitCounts[13] = 24
expect EnginerGearStock = 6
click ArmyFrm.DownAniBtn
expect RecruitCounts[13] = 23
expect EnginerGearStock = 7
expect RecruitTotal = 29

# 99 soldiers are refused, 100 become the new army of camp 2
click ArmyFrm.ArcherBtn
down ArmyFrm.UpAniBtn
wait 2070
up ArmyFrm.UpAniBtn
expect RecruitCounts[1] = 70
expect RecruitTotal = 99
expect-screen ArmyFrm.ProgressBar value = 99
expect-screen ArmyFrm.OkAniBtn visible = false
key ArmyFrm Enter
expect-screen ArmyFrm.Helper text = "An army must number at least 100 soldiers."
expect-open ArmyFrm
click ArmyFrm.UpAniBtn
expect RecruitTotal = 100
expect-screen ArmyFrm.OkAniBtn visible = true
expect-screen ArmyFrm.ProgressBar visible = false
expect-screen ArmyFrm.RegrutedLbl text = "100"
click ArmyFrm.OkAniBtn
expect-open !ArmyFrm
expect CampComposition[1] = [5, 71, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 23]
expect ArmyCampSoldiers = [837, 100, 0]
expect CampExists = [-1, -1, 0]
expect CampWaypoint = [2, 2, 0]
expect CampMovesLeft = [2, 2, 0]
expect People = 2900
expect IdlePeople = 1900
expect RecruitTotal = 0
expect BowStock = 429
expect-screen Camp1Frm.ArmyCamp2Img visible = true

# Cancel restores every stock, also of pieces raised and lowered again
key Camp1Frm A
expect-screen ArmyFrm.ArmyNameLbl text = "The Dragons"
click ArmyFrm.ArcherBtn
down ArmyFrm.UpAniBtn
wait 8970
up ArmyFrm.UpAniBtn
expect RecruitTotal = 300
click ArmyFrm.MonkBtn
click ArmyFrm.UpAniBtn
click ArmyFrm.DownAniBtn
click ArmyFrm.Noanibtn
expect-open !ArmyFrm
expect BowStock = 429
expect CrossStock = 5
expect RecruitTotal = 0
expect RecruitCounts = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
expect People = 2900
expect IdlePeople = 1900
expect CampExists = [-1, -1, 0]

# With all three camps in use the levy cannot be confirmed
set CampExists[2] -1
set ArmyCampSoldiers[2] 100
key Camp1Frm A
expect-screen ArmyFrm.OkAniBtn enabled = false
key ArmyFrm Escape
expect-open !ArmyFrm
