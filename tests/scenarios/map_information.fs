# F11 on the campaign screen opens the map information; OK, Enter, Escape or F11 close it.
include common/campaign.fsi
key Camp1Frm F11
expect-open AboutMapFrm
expect-screen AboutMapFrm.TitleLbl text = "Map Information"
expect-screen AboutMapFrm.ChapterLbl text = "Chapter III - The Vigil of Brackenmoor"
expect-screen AboutMapFrm.CountyLbl text = "Brackenmoor - Edric the Steadfast"
expect-screen AboutMapFrm.OkAniBtn text = "OK"
click AboutMapFrm.OkAniBtn
expect-query open = ["Camp1Frm"]
key Camp1Frm F11
key AboutMapFrm F11
expect-open !AboutMapFrm
key Camp1Frm F11
key AboutMapFrm Escape
expect-query open = ["Camp1Frm"]
