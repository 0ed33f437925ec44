# A campaign that has not reached level 15 refuses to start the level.
put levelinfo.rz 14
start
expect-query boxes = ["No, no, no... :)"]
expect-query programs = {"started": [], "ended": true}
