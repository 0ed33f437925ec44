# An army marched to the dolmen (waypoint 37) while a scout is out calls him home: the
# player is told why, and the scout's price comes back as when he is called off on the
# special-units screen.
seed 4
start
click TipsFrm.CloseLbl
set Gold 20000
key Camp1Frm M
click GuardFrm.ScoutBtn
click GuardFrm.Image4
click GuardFrm.OkAniBtn
expect Gold = 17400
expect ObjectMissionCountdown = 4
expect ObjectMissionTarget = 3
# Camp 1 stands beside the dolmen, with moves to spare.
set CampWaypoint[0] 36
set CampMovesLeft[0] 3
rclick Camp1Frm.ArmyCamp1Img
expect-screen Camp1Frm.WalkTo37 visible = true
click Camp1Frm.WalkTo37
expect CampWaypoint[0] = 37
expect ObjectMissionCountdown = 200
expect ObjectMissionTarget = 0
expect Gold = 20000
expect CountyBlessings[0] = 1
expect-query messages = {"list1":[],"list2":[{"entry":127,"text":"Your army took the ground your scout was sent to spy out: he is home, his gold refunded."}]}
wait 2000
expect CampMovesLeft[0] = 2
