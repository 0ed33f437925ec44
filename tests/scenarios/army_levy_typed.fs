# The recruiting screen says where it raises the army, takes a typed count of the chosen
# type (raised or lowered one soldier at a time by the usual rules, stopping at the first
# refusal) and lists the whole levy.
seed 5
include common/campaign.fsi
set BarracksBuilt -1
set IdlePeople 2000
set BowStock 120
set ClubStock 60
key Camp1Frm A
expect-screen ArmyFrm.TitleLbl text = "Recruit Soldiers - Castle"
expect-screen ArmyFrm.TypeCountTxt enabled = false
click ArmyFrm.ArcherBtn
type ArmyFrm.TypeCountTxt 80
expect RecruitCounts[1] = 80
expect BowStock = 40
click ArmyFrm.MacemanBtn
type ArmyFrm.TypeCountTxt 90
# the clubs run out at 60: the refusal stops the count there
expect RecruitCounts[2] = 60
expect ClubStock = 0
expect-screen ArmyFrm.Helper text = "The armoury lacks the gear, or the levy holds all it may of these."
expect-screen ArmyFrm.TypeCountTxt text = "60"
expect-screen ArmyFrm.LevyLbl text = "Archer 80, Clubman 60"
click ArmyFrm.ArcherBtn
type ArmyFrm.TypeCountTxt 30
expect RecruitCounts[1] = 30
expect BowStock = 90
expect RecruitTotal = 90
expect-screen ArmyFrm.LevyLbl text = "Archer 30, Clubman 60"
click ArmyFrm.Noanibtn
expect BowStock = 120
expect ClubStock = 60

# At the outpost, once it is the county's
set OutpostState 200
click Camp1Frm.OutpostImg1
expect-screen ArmyFrm.TitleLbl text = "Recruit Soldiers - Outpost"
click ArmyFrm.Noanibtn
